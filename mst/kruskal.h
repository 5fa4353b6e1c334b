#pragma once

#include "graph/edges.h"

// Kruskal's routine: sorts the edge list in place with mergeSort, then accepts edges in that
// order whenever they join two different components, writing each, ends as stored, into
// out[counter] until nON - 1 are recorded. Components are tracked with one label per node;
// joining two components relabels the second end's component by scanning all nodes. An edge
// from a node to itself is never recorded. Every call allocates, zero-fills and frees its own
// label array and sorts the whole list, so equal-measure edges flip order from call to call.
// A network that is not connected leaves the rest of out as it was.
void Kruskal(Edges* in, Edges* out, int nOE, int nON);
