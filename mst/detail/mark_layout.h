#pragma once

#include <cstdint>

#include "graph/edges.h"
#include "mst/detail/grow_tree.h"

namespace mst {

// The Marks kernels' per-call copy of the edge list, for any node count: each field in an array
// of its own, so that one vector load takes one field of 8 or 16 edges, and beside them one
// crossing mark per edge, set while
// exactly one of its ends is in the tree. The marks replace a membership table: when a node
// joins, every edge with that node at one end flips its mark (an edge with both ends there, a
// self-loop, does not), and the scan that looks for the cheapest crossing edge makes those
// flips for the node that joined before it, in the same pass, by comparing both ends of each
// edge with that one node. So a step reads the list once, touches no per-node memory, and
// costs the same per edge whatever the node count.
//
// Marks come in one of two forms, chosen by the kernel: a 16-bit mask per 16 edges (bit k for
// edge first + k; AVX-512, whose compares give such masks), or a 32-bit word per edge, 0 or all
// ones (AVX2 and plain C++, whose compares give such lanes). Up to 65536 nodes a kernel may
// also pack both ends into one word, node1 | node2 << 16, to read 4 bytes per edge less.
//
// Memory per edge: 12 bytes of fields (8 with packed ends) and 1/8 byte (masks) or 4 bytes
// (words) of marks, padded to whole blocks of 64 edges, made once per call in one allocation
// and one pass; every step still scans all of it.
struct MarkLayout {
  std::int32_t* node1 = nullptr;  // both null when the ends are packed
  std::int32_t* node2 = nullptr;
  std::uint32_t* ends = nullptr;  // packed: node1 | node2 << 16, for up to 65536 nodes
  std::int32_t* measure = nullptr;
  std::uint32_t* marks = nullptr;  // masks (uint16_t, read through masks()) or words
  int edges = 0;                   // nOE
  int paddedEdges = 0;             // nOE rounded up to kBlock
  bool wordPerEdge = false;
  void* block = nullptr;  // the one allocation behind all of the above

  static constexpr int kBlock = 64;  // edges per round of the kernels; padding: (0, 0, INT_MAX)

  // Allocates and fills the layout for in[0..nOE-1] with every mark clear (no node in the
  // tree). Returns false, with nothing allocated, when the memory cannot be had.
  [[nodiscard]] bool Make(const Edges* in, int nOE, bool wordsPerEdge, bool packEnds = false);
  // Sets the marks from a tree that used marks (used[k] is 1 for tree nodes, else 0).
  void MarkFrom(const int* used);
  void Free();

  std::uint16_t* masks() const { return reinterpret_cast<std::uint16_t*>(marks); }
};

// The layout as a kernel of one form makes it (grow_tree.h).
template <bool kWordPerEdge, bool kPackEnds = false>
struct MarkLayoutOf : MarkLayout {
  [[nodiscard]] bool Make(const Edges* in, int nOE, int /*nON*/) {
    return MarkLayout::Make(in, nOE, kWordPerEdge, kPackEnds);
  }
};

// One step's scan for a Marks tree (constructed from the layout, nothing pending) from the tree
// that used marks: the marks are set from used directly rather than by one flip pass per tree
// node. Falls back on the portable scan when the layout's memory cannot be had.
template <class Tree, bool kWordPerEdge, bool kPackEnds = false>
MST_ALWAYS_INLINE int ScanOnceMarked(const Edges* in, int nOE, const int* used) {
  MarkLayoutOf<kWordPerEdge, kPackEnds> layout;
  if (!layout.Make(in, nOE, 0)) {
    return CheapestCrossingEdge(in, nOE, used);
  }
  layout.MarkFrom(used);
  Tree tree(layout);
  const int answer = tree.CheapestCrossingEdge();
  layout.Free();
  return answer;
}

}  // namespace mst
