// The scans in plain C++: the portable loop over the edge list, Pairs64 over node-pair masks
// for networks of up to 64 nodes, and Marks over crossing marks for any node count.
#include "mst/detail/scan_portable.h"

#include <climits>
#include <cstdint>

#include "mst/detail/grow_tree.h"
#include "mst/detail/mark_layout.h"
#include "mst/detail/pair_layout.h"
#include "mst/detail/scan_kernels.h"

namespace mst {

int CheapestCrossingEdge(const Edges* in, int nOE, const int* used) {
  // The plain loop, branches and all: across the 20000 identical calls of a timed run the
  // branch predictor learns much of the pattern, and measured side by side this beat a
  // branch-free loop of conditional moves on networks up to a few hundred nodes.
  int minEdge = -1;
  int min = INT_MAX;
  for (int i = 0; i < nOE; ++i) {
    // Strictly less: among equals the first in the list stays. The second test matters only
    // for an edge of measure INT_MAX while none has been taken.
    if (used[in[i].node1] + used[in[i].node2] == 1 && (in[i].measure < min || minEdge < 0)) {
      min = in[i].measure;
      minEdge = i;
    }
  }
  return minEdge;
}

namespace {

// Membership is used itself: nothing to keep beside it.
struct PortableTree {
  const Edges* in;
  int nOE;
  const int* used;
  int CheapestCrossingEdge() const { return mst::CheapestCrossingEdge(in, nOE, used); }
  void Join(int, int) {}
};

// The tree as one 64-bit mask; the scan keeps two running minimum keys (even and odd edges),
// so that each compare-and-select waits only for the one two edges before, and takes the
// lower at the end.
struct PortablePairsTree {
  const PairLayout& layout;
  std::uint64_t mask = 0;

  explicit PortablePairsTree(const PairLayout& pairLayout) : layout(pairLayout) {}

  int CheapestCrossingEdge() const {
    constexpr std::uint64_t kNone = ~std::uint64_t{0};
    std::uint64_t even = kNone;
    std::uint64_t odd = kNone;
    for (int i = 0; i < layout.edges; i += 2) {  // the padding makes an odd count even
      const std::uint64_t inTree0 = mask & layout.pairs[i];
      const std::uint64_t key0 = inTree0 != 0 && inTree0 != layout.pairs[i] ? layout.keys[i] : kNone;
      even = key0 < even ? key0 : even;
      const std::uint64_t inTree1 = mask & layout.pairs[i + 1];
      const std::uint64_t key1 = inTree1 != 0 && inTree1 != layout.pairs[i + 1] ? layout.keys[i + 1] : kNone;
      odd = key1 < odd ? key1 : odd;
    }
    const std::uint64_t lowest = even < odd ? even : odd;
    return lowest == kNone ? -1 : static_cast<int>(static_cast<std::uint32_t>(lowest));
  }
  // The pair mask of a crossing edge adds just its outside end: one load instead of the joining
  // node's round trip through used.
  void Join(int node, int edge) { mask |= edge >= 0 ? layout.pairs[edge] : std::uint64_t{1} << node; }
};

// The tree as one crossing mark per edge, a word of 0 or all ones (mark_layout.h): each scan
// flips the marks of the edges at the node that joined since the last scan and keeps the
// lowest (measure, index) key of a crossing edge, in four running minima so that each compare
// waits only for the one four edges before.
struct PortableMarksTree {
  MarkLayout& layout;
  int pending = -1;  // the node that joined since the last scan; -1 (no node) when none has

  explicit PortableMarksTree(MarkLayout& markLayout) : layout(markLayout) {}

  // The key of edge i (PairKey) when its mark, flipped for node joined and stored, is set; else
  // kNone. Branch-free: whether an edge crosses follows no pattern a predictor could learn.
  static std::uint64_t KeyIfCrossing(const MarkLayout& layout, int i, int joined) {
    const std::uint32_t flips = (layout.node1[i] == joined ? ~0u : 0u) ^ (layout.node2[i] == joined ? ~0u : 0u);
    const std::uint32_t mark = layout.marks[i] ^ flips;
    layout.marks[i] = mark;
    const auto notCrossing = ~static_cast<std::uint64_t>(static_cast<std::int64_t>(static_cast<std::int32_t>(mark)));
    return PairKey(layout.measure[i], i) | notCrossing;
  }

  int CheapestCrossingEdge() {
    constexpr std::uint64_t kNone = ~std::uint64_t{0};
    const int joined = pending;
    pending = -1;
    std::uint64_t lowest0 = kNone;  // four minima in registers (an array would live in memory)
    std::uint64_t lowest1 = kNone;
    std::uint64_t lowest2 = kNone;
    std::uint64_t lowest3 = kNone;
    for (int i = 0; i < layout.paddedEdges; i += 4) {  // the padding makes the count a multiple of 4
      const std::uint64_t key0 = KeyIfCrossing(layout, i, joined);
      const std::uint64_t key1 = KeyIfCrossing(layout, i + 1, joined);
      const std::uint64_t key2 = KeyIfCrossing(layout, i + 2, joined);
      const std::uint64_t key3 = KeyIfCrossing(layout, i + 3, joined);
      lowest0 = key0 < lowest0 ? key0 : lowest0;
      lowest1 = key1 < lowest1 ? key1 : lowest1;
      lowest2 = key2 < lowest2 ? key2 : lowest2;
      lowest3 = key3 < lowest3 ? key3 : lowest3;
    }
    const std::uint64_t low01 = lowest0 < lowest1 ? lowest0 : lowest1;
    const std::uint64_t low23 = lowest2 < lowest3 ? lowest2 : lowest3;
    const std::uint64_t low = low01 < low23 ? low01 : low23;
    return low == kNone ? -1 : static_cast<int>(static_cast<std::uint32_t>(low));
  }

  // The step loop joins one node between scans (a scan from a tree of several nodes sets the
  // marks from used instead: ScanOnceMarked).
  void Join(int node, int) { pending = node; }
};

}  // namespace

int ScanOncePortableMarks(const Edges* in, int nOE, int, const int* used) {
  return ScanOnceMarked<PortableMarksTree, true>(in, nOE, used);
}

void GrowPortableMarks(const Edges* in, Edges* out, int nOE, int nON, int* used) {
  GrowWith<MarkLayoutOf<true>, PortableMarksTree>(in, out, nOE, nON, used);
}

int ScanOncePortable(const Edges* in, int nOE, int nON, const int* used) {
  (void)nON;
  return CheapestCrossingEdge(in, nOE, used);
}

void GrowPortable(const Edges* in, Edges* out, int nOE, int nON, int* used) {
  PortableTree tree{in, nOE, used};
  Unobserved unobserved;
  GrowTree(in, out, nON, used, tree, unobserved);
}

int ScanOncePortablePairs64(const Edges* in, int nOE, int nON, const int* used) {
  return ScanOnceWith<PairLayout, PortablePairsTree>(in, nOE, nON, used);
}

void GrowPortablePairs64(const Edges* in, Edges* out, int nOE, int nON, int* used) {
  GrowWith<PairLayout, PortablePairsTree>(in, out, nOE, nON, used);
}

}  // namespace mst
