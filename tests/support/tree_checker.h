#pragma once

#include <string>

#include "graph/edges.h"

namespace mst {

// An independent check of a routine's result, for tests and the fuzz target; it shares no code
// with either routine.
//
// SpanningTreeFault: "" when tree[0..treeSize) is a spanning tree of the network in
// edges[0..nOE) over nON nodes: exactly nON - 1 records, each one of the network's rows (as a
// multiset: a row is used at most as often as it occurs), no cycle, every node reached. Else a
// short description of the first fault found.
// MinimumSpanningTreeFault: the same, and then minimality by the cycle condition: no row
// outside the tree is cheaper than the dearest tree edge on the tree path between its ends.
// Cost: O(nOE log nOE + nOE x nON) time, O(nOE + nON) memory.
std::string SpanningTreeFault(const Edges* edges, int nOE, int nON, const Edges* tree, int treeSize);
std::string MinimumSpanningTreeFault(const Edges* edges, int nOE, int nON, const Edges* tree, int treeSize);

}  // namespace mst
