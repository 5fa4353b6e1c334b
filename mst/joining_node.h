#pragma once

#include "graph/edges.h"

// The end of Prim's chosen edge that joins the tree: node1 when node2 is already in it, else
// node2. used[k] is 1 for tree nodes, else 0.
inline int JoiningNode(const Edges& chosen, const int* used) {
  return used[chosen.node2] > 0 ? chosen.node1 : chosen.node2;
}
