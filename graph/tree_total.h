#pragma once

#include <cstdint>

#include "graph/edges.h"

namespace mst {

// The total measure of records 0..size-1 of a tree list, summed in 64 bits so that it never
// overflows (a tree of up to 2^31 edges of any 32-bit measures).
[[nodiscard]] inline std::int64_t TreeTotal(const Edges* tree, int size) {
  std::int64_t total = 0;
  for (int k = 0; k < size; ++k) {
    total += tree[k].measure;
  }
  return total;
}

}  // namespace mst
