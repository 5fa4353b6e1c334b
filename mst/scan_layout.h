#pragma once

#include <cstdint>

#include "graph/edges.h"

// Prim's per-call working copy of the edge list for the vector scans: each field in an array of
// its own (so a vector load takes one field of 16 edges at once), and tree membership packed
// into bits (node k is bit k % 32 of word k / 32) so that a whole small table fits in a
// register. Built once per call, in O(edges), from the edge list; every step still scans all
// of it.
struct ScanLayout {
  std::int32_t* node1;
  std::int32_t* node2;
  std::int32_t* measure;
  int paddedEdges;  // nOE rounded up to kScanBlock; the padding never crosses the cut
  std::uint32_t* treeBits;  // at least kMinTreeWords words, so table scans load a fixed-size table
  void* block;    // the one allocation behind all of the above
};

// Edges per block the vector scans take at once; paddedEdges is a multiple of it.
constexpr int kScanBlock = 64;

// Words of treeBits always present (1024 nodes), zero beyond the network's own nodes.
constexpr int kMinTreeWords = 32;

// Allocates and fills the layout for in[0..nOE-1] on nON nodes, no node in the tree yet. The
// padding records are (0, 0, INT_MAX): a self-loop, so they never cross the cut. Returns false,
// with nothing allocated, when the memory cannot be had. Costs one pass over the edges.
[[nodiscard]] bool MakeScanLayout(const Edges* in, int nOE, int nON, ScanLayout& layout);

// Frees what MakeScanLayout allocated.
void FreeScanLayout(ScanLayout& layout);

// Marks node as in the tree.
inline void AddToTree(ScanLayout& layout, int node) {
  layout.treeBits[node / 32] |= std::uint32_t{1} << (node % 32);
}
