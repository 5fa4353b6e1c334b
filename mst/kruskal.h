#pragma once

#include "graph/edges.h"

namespace mst {

// Kruskal's routine: sorts the edge list in place with mergeSort, then accepts edges in that
// order whenever they join two different components, writing each, ends as stored, into
// out[counter] until nON - 1 are recorded. Components are tracked with one label per node;
// joining two components relabels the second end's component by scanning all nodes. An edge
// from a node to itself is never recorded. Every call allocates, zero-fills and frees its own
// label array and sorts the whole list, so equal-measure edges flip order from call to call.
// A network that is not connected leaves the rest of out as it was.
//
// Cost per call: one full mergeSort of the nOE records (up to 2 nOE log2 nOE record moves,
// nOE - 1 scratch allocations; mst/merge_sort.h), the allocation and zero-filling of the nON labels, up to nOE edge
// visits, and one scan of all nON labels per join of two components (up to nON - 2 scans).
// Nothing is kept between calls. Ends the process, after "ERROR in KRUSKAL : out of memory",
// if its working memory cannot be had.
// The steps are written once in mst/detail/kruskal_steps.h, where the companions watch them
// (mst/observer.h); this is them with no observer.
void Kruskal(Edges* in, Edges* out, int nOE, int nON);

}  // namespace mst
