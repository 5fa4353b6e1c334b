#include "mst/detail/pair_layout.h"

#include <climits>
#include <cstdint>
#include <cstdlib>

#include "mst/detail/cache_lines.h"

namespace mst {

bool PairLayout::Make(const Edges* in, int nOE, int nON) {
  (void)nON;  // every node number is below 64
  const long long paddedWide = (static_cast<long long>(nOE) + kBlock - 1) / kBlock * kBlock;
  if (paddedWide > INT_MAX) {
    return false;  // edge indices must stay ints
  }
  const int padded = static_cast<int>(paddedWide);
  if (padded <= kLocalPairs) {
    pairs = local;
    keys = local + kLocalPairs;
  } else {
    const std::size_t bytes = kCacheLine + 2 * static_cast<std::size_t>(padded) * sizeof(std::uint64_t);
    heap = std::malloc(bytes);
    if (heap == nullptr) {
      return false;
    }
    pairs = reinterpret_cast<std::uint64_t*>(FirstLine(heap));
    keys = pairs + padded;
  }
  edges = nOE;
  paddedEdges = padded;
  for (int i = 0; i < nOE; ++i) {
    pairs[i] = (std::uint64_t{1} << in[i].node1) | (std::uint64_t{1} << in[i].node2);
    keys[i] = PairKey(in[i].measure, i);
  }
  for (int i = nOE; i < padded; ++i) {
    pairs[i] = 0;
    keys[i] = ~std::uint64_t{0};
  }
  return true;
}

void PairLayout::Free() {
  std::free(heap);
  heap = nullptr;
  pairs = keys = nullptr;
  edges = paddedEdges = 0;
}

}  // namespace mst
