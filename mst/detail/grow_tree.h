#pragma once

#include "graph/edges.h"
#include "mst/detail/scan_portable.h"
#include "mst/detail/x86_target.h"
#include "mst/observer.h"

namespace mst {

// The end of Prim's chosen edge that joins the tree: node1 when node2 is already in it, else
// node2. used[k] is 1 for tree nodes, else 0.
MST_ALWAYS_INLINE int JoiningNode(const Edges& chosen, const int* used) {
  return used[chosen.node2] > 0 ? chosen.node1 : chosen.node2;
}

// Prim's step loop, the one every scan runs. A Tree keeps its own record of tree membership
// beside used and offers:
//   int CheapestCrossingEdge()  the index in `in` of the first cheapest edge with exactly one
//                               end in the tree, or -1 when none has;
//   void Join(int node, int edge)  node is now in the tree, joined by edge (an index in `in`),
//                               or marked as in the tree from the start when edge is -1.
// From the tree that used and tree hold (node 0 at least), each step takes the scan's edge,
// joins its outside end to used and tree, and writes the edge, ends as stored, into
// out[counter], until nON - 1 edges are written or no edge crosses. The observer sees each
// step's scan (mst/observer.h); the timed routines pass Unobserved.
template <class Tree, class Observer>
MST_ALWAYS_INLINE void GrowTree(const Edges* in, Edges* out, int nON, int* used, Tree& tree, Observer& observer) {
  for (int counter = 0; counter < nON - 1; ++counter) {
    const int minEdge = tree.CheapestCrossingEdge();
    observer.PrimStep(minEdge, used);
    if (minEdge < 0) {
      break;  // no edge leaves the tree: the network is not connected
    }
    const int joining = JoiningNode(in[minEdge], used);
    used[joining] = 1;
    tree.Join(joining, minEdge);
    out[counter].set(in[minEdge].node1, in[minEdge].node2, in[minEdge].measure);
  }
}

// The two entry points every kernel gives the scan table, for a Tree built on a Layout:
//   Layout: bool Make(const Edges* in, int nOE, int nON), void Free(), the copy of the edge
//           list the tree scans (made and freed within the call);
//   Tree:   constructed from the layout with no node in the tree, then as for GrowTree.
// ScanOnceWith marks the nodes used marks and scans once; GrowWith runs the step loop from
// node 0. Both use the portable scan when the layout's memory cannot be had.
template <class Layout, class Tree>
MST_ALWAYS_INLINE int ScanOnceWith(const Edges* in, int nOE, int nON, const int* used) {
  Layout layout;
  if (!layout.Make(in, nOE, nON)) {
    return CheapestCrossingEdge(in, nOE, used);
  }
  Tree tree(layout);
  for (int k = 0; k < nON; ++k) {
    if (used[k] != 0) {
      tree.Join(k, -1);
    }
  }
  const int answer = tree.CheapestCrossingEdge();
  layout.Free();
  return answer;
}

template <class Layout, class Tree>
MST_ALWAYS_INLINE void GrowWith(const Edges* in, Edges* out, int nOE, int nON, int* used) {
  Layout layout;
  if (!layout.Make(in, nOE, nON)) {
    GrowPortable(in, out, nOE, nON, used);
    return;
  }
  Tree tree(layout);
  tree.Join(0, -1);
  Unobserved unobserved;
  GrowTree(in, out, nON, used, tree, unobserved);
  layout.Free();
}

}  // namespace mst
