#pragma once

#include <cstdint>

#include "graph/edges.h"

// One step of Prim's routine: the index of the first cheapest edge of in[0..nOE-1] with
// exactly one end in the tree, or -1 when no edge has. used[k] is 1 for tree nodes, else 0.
// Both scans visit every edge and give the same answer.

// Portable scan.
int CheapestCrossingEdge(const Edges* in, int nOE, const int* used);

// Largest node count the vector scan handles: its packed copy of used is 256 bits.
constexpr int kVectorScanMaxNodes = 256;

// True when this processor can run CheapestCrossingEdgeVector (x86-64 with AVX2, built with
// g++ or clang); elsewhere Prim uses the portable scan.
bool VectorScanAvailable();

// Eight edges at a time with AVX2. usedBits is used packed into bits (node k is bit k % 32 of
// word k / 32), kept in step with used by the caller; nodes must be below kVectorScanMaxNodes.
int CheapestCrossingEdgeVector(const Edges* in, int nOE, const int* used,
                               const std::uint32_t (&usedBits)[kVectorScanMaxNodes / 32]);
