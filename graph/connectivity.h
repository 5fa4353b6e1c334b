#pragma once

#include "graph/edges.h"

namespace mst {

// The lowest 0-based node that cannot be reached from node 0 over the edges in[0..nOE-1],
// nON when every node can, or -1 when the working memory cannot be had.
// Ends must lie in 0..nON-1.
[[nodiscard]] int FirstUnreachableNode(const Edges* in, int nOE, int nON);

}  // namespace mst
