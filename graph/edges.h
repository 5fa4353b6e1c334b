#pragma once

#include <cstdint>

namespace mst {

// One undirected, weighted edge. Node numbers are 0-based in memory (1-based in files and
// reports). Which end is node1 is simply the order the file gives them; nothing reorders them.
struct Edges {
  std::int32_t node1;
  std::int32_t node2;
  std::int32_t measure;

  // Writes a whole edge: the reader and both routines store edges through it. The merge sort
  // moves whole records by assignment instead, which copies the same three fields.
  void set(std::int32_t n1, std::int32_t n2, std::int32_t m) {
    node1 = n1;
    node2 = n2;
    measure = m;
  }
};

using Edge = Edges;

}  // namespace mst
