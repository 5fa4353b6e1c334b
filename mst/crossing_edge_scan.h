#pragma once

#include "graph/edges.h"
#include "mst/scan_layout.h"

// One step of Prim's routine: the index of the first cheapest edge with exactly one end in the
// tree, or -1 when no edge has. Every scan visits every edge and gives the same answer.

// Portable scan over the edge list in[0..nOE-1]; used[k] is 1 for tree nodes, else 0.
// nOE edge visits.
[[nodiscard]] int CheapestCrossingEdge(const Edges* in, int nOE, const int* used);

// The vector scans over a ScanLayout, by instruction set and by how they read tree membership.
enum class VectorScan {
  kNone,             // no vector scan: use the portable one
  kAvx2Table256,     // AVX2, membership table in a register, up to 256 nodes
  kAvx2Gather,       // AVX2, membership gathered from memory, any node count
  kAvx512Table512,   // AVX-512F, table in one register, up to 512 nodes
  kAvx512Table1024,  // AVX-512F, table in two registers, up to 1024 nodes
  kAvx512Gather,     // AVX-512F, gathered, any node count
};

// Every vector scan, for tests and the harness.
constexpr VectorScan kAllVectorScans[] = {VectorScan::kAvx2Table256, VectorScan::kAvx2Gather,
                                          VectorScan::kAvx512Table512, VectorScan::kAvx512Table1024,
                                          VectorScan::kAvx512Gather};

// True when this build and processor can run scan (x86-64, g++ or clang, the instruction set
// present at run time). kNone is always runnable.
bool VectorScanRuns(VectorScan scan);

// Largest node count scan handles.
int VectorScanMaxNodes(VectorScan scan);

// A short name, e.g. "avx512-table1024".
const char* VectorScanName(VectorScan scan);

// Below this many edges the portable scan is chosen: a vector step costs about 27 ns however
// short the list (blocks of 64 edges, then the lanes' reduction), which the portable scan
// beats on short lists (measured: 10 nodes/22 edges 140 ns a call against 255 ns; even at
// 16/40, ahead from 16/48).
constexpr int kMinVectorScanEdges = 48;

// The fastest runnable scan for networks of nON nodes and nOE edges on this processor, by
// measurement (see the README's Performance section); kNone for the portable scan.
[[nodiscard]] VectorScan ChooseVectorScan(int nON, int nOE);

// Runs scan over the layout once. scan must be runnable and handle the layout's node count.
// paddedEdges edge visits.
[[nodiscard]] int CheapestCrossingEdgeVector(VectorScan scan, const ScanLayout& layout);

// Runs Prim's steps with scan: from the tree that used and layout hold (node 0 at least), each
// step takes the first cheapest crossing edge of in (the edges the layout was made from), joins
// its outside end to used and the layout, and writes it into out[counter], until nON - 1 edges
// are written or none crosses. scan must be runnable and handle nON nodes.
// (nON - 1) x paddedEdges edge visits.
void GrowTreeVector(VectorScan scan, const Edges* in, Edges* out, int nON, int* used, ScanLayout& layout);
