#pragma once

#include <cstdint>

#include "graph/edges.h"

namespace mst {

// The Pairs64 kernels' per-call copy of the edge list, for networks of up to 64 nodes: per edge
// the mask of its two ends (bit k for node k) and its key, the measure with its sign bit
// flipped in the high half and the edge's index in the low half, so that the lowest key as an
// unsigned number is the first cheapest edge. With the tree as one 64-bit mask, an edge crosses
// when tree & pair is neither 0 nor pair; a self-loop's pair has one bit and never crosses.
// Made once per call, in O(edges); every step still scans all of it. Lists of up to
// kLocalPairs edges live in the layout itself, longer ones in one allocation.
struct PairLayout {
  static constexpr int kBlock = 16;        // edges per block of the scans; padding: pair 0
  static constexpr int kLocalPairs = 256;  // edges held without an allocation

  std::uint64_t* pairs = nullptr;
  std::uint64_t* keys = nullptr;
  int edges = 0;         // nOE
  int paddedEdges = 0;   // nOE rounded up to kBlock; padding edges never cross
  void* heap = nullptr;  // the allocation behind pairs and keys, if any
  alignas(64) std::uint64_t local[2 * kLocalPairs];

  PairLayout() = default;
  PairLayout(const PairLayout&) = delete;
  PairLayout& operator=(const PairLayout&) = delete;

  // Fills the layout for in[0..nOE-1] on nON <= 64 nodes. Returns false, with nothing
  // allocated, when the memory cannot be had.
  [[nodiscard]] bool Make(const Edges* in, int nOE, int nON);
  void Free();
};

// The key of edge index with the given measure, as above.
inline std::uint64_t PairKey(std::int32_t measure, int index) {
  return (std::uint64_t{static_cast<std::uint32_t>(measure) ^ 0x80000000u} << 32) | static_cast<std::uint32_t>(index);
}

}  // namespace mst
