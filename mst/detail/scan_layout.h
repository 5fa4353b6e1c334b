#pragma once

#include <cstdint>

#include "graph/edges.h"

// The table kernel's per-call copy of the edge list: each field in an array of its own, so
// that one vector load takes one field of 8 edges, and tree membership packed into bits (node
// k is bit k % 32 of word k / 32), the table words the kernel loads into a register, up to 256
// nodes. Made once per call, in O(edges): 12 bytes per edge; every step still scans all of it.
struct ScanLayout {
  std::int32_t* node1 = nullptr;
  std::int32_t* node2 = nullptr;
  std::int32_t* measure = nullptr;
  int paddedEdges = 0;                 // nOE rounded up to kScanBlock
  std::uint32_t* treeBits = nullptr;   // at least the table's words, zero beyond the nodes
  void* block = nullptr;               // the one allocation behind all of the above

  // Allocates and fills the layout for in[0..nOE-1] on nON nodes, no node in the tree yet, with
  // at least tableWords words of treeBits (what a table kernel loads). The padding records are
  // (0, 0, INT_MAX): a self-loop, so they never cross the cut. Returns false, with nothing
  // allocated, when the memory cannot be had. One pass over the edges.
  [[nodiscard]] bool Make(const Edges* in, int nOE, int nON, int tableWords);
  void Free();
};

// The layout of a kernel whose table holds kTableWords words, as the step loop
// makes it (grow_tree.h).
template <int kTableWords>
struct TableLayout : ScanLayout {
  [[nodiscard]] bool Make(const Edges* in, int nOE, int nON) { return ScanLayout::Make(in, nOE, nON, kTableWords); }
};

// Edges per block the kernels take at once (four sets of lanes); paddedEdges is a multiple.
constexpr int kScanBlock = 64;
