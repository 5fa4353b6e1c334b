#pragma once

#include "graph/edges.h"

// Prim's routine: grows a tree from node 0, at each step taking the cheapest edge with exactly
// one end in the tree (the first in the edge list among equals, whatever the measure) and
// writing it, ends as stored, into out[counter]. The tree list holds the edges in the order
// their nodes joined. Every call scans the whole edge list at every step and allocates,
// zero-fills and frees its own per-node array. A step that finds no such edge (a network that
// is not connected) ends the routine and leaves the rest of out as it was.
// in: the edge list, read only; out: room for nON records, the first nON - 1 are overwritten.
void Prim(const Edges* in, Edges* out, int nOE, int nON);
