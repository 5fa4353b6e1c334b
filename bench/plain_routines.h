#pragma once

#include "graph/edges.h"

namespace mst {

// The routines' steps read plainly and written the obvious way, with the same results as Prim
// and Kruskal (any measure can be chosen, self-loops skipped): the baseline the harness measures
// against.
void PlainPrim(const Edges* in, Edges* out, int nOE, int nON);
void PlainKruskal(Edges* in, Edges* out, int nOE, int nON);

}  // namespace mst
