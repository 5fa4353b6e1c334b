#pragma once

#include "graph/edges.h"

namespace mst {

// The portable scan over the edge list itself, what every kernel falls back on when its
// layout's memory cannot be had (grow_tree.h), and the reference the tests hold the others to.

// The index in `in` of the first cheapest edge with exactly one end in the tree that used marks
// (used[k] is 1 for tree nodes, else 0), whatever its measure; -1 when no edge crosses. One
// visit per edge.
[[nodiscard]] int CheapestCrossingEdge(const Edges* in, int nOE, const int* used);

// Prim's step loop over that scan, from the tree used marks (node 0), as every kernel's Grow.
void GrowPortable(const Edges* in, Edges* out, int nOE, int nON, int* used);

}  // namespace mst
