#pragma once

#include "graph/edges.h"
#include "mst/prim_scan.h"

namespace mst {

// Prim's routine: grows a tree from node 0, at each step taking the cheapest edge with exactly
// one end in the tree (the first in the edge list among equals, whatever the measure) and
// writing it, ends as stored, into out[counter]. The tree list holds the edges in the order
// their nodes joined. A step that finds no such edge (a network that is not connected) ends
// the routine and leaves the rest of out as it was.
// in: the edge list, read only; out: room for nON records, the first nON - 1 are overwritten.
//
// Cost per call: (nON - 1) x nOE edge visits, one full scan of the edge list per step, plus
// the allocation and zero-filling of its own per-node array and, for every scan but the
// portable one, one copy of the edge list into the scan's own layout, made and freed in the
// call. Nothing is kept between calls. Ends the process, after "ERROR in PRIM : out of
// memory", if the per-node array cannot be had.
void Prim(const Edges* in, Edges* out, int nOE, int nON);

// Prim's routine with the given scan instead of the one chosen for this processor and size
// (tests and the harness compare them). scan must run here and handle nON nodes.
void PrimWithScan(PrimScan scan, const Edges* in, Edges* out, int nOE, int nON);

}  // namespace mst
