#pragma once

#include "graph/edges.h"
#include "mst/prim_scan.h"

namespace mst {

// The routines the harness and mst-versus-plain time, each called the same way: the list, the
// tree list, their counts, and for Prim's per-scan runs the scan it is held to (the others
// ignore it). Plain* are the baseline readings of bench/plain_routines.h.
using RoutineCall = void (*)(Edges* in, Edges* out, int nOE, int nON, PrimScan scan);

void CallPrim(Edges* in, Edges* out, int nOE, int nON, PrimScan scan);
void CallPlainPrim(Edges* in, Edges* out, int nOE, int nON, PrimScan scan);
void CallKruskal(Edges* in, Edges* out, int nOE, int nON, PrimScan scan);
void CallPlainKruskal(Edges* in, Edges* out, int nOE, int nON, PrimScan scan);
void CallPrimScan(Edges* in, Edges* out, int nOE, int nON, PrimScan scan);

}  // namespace mst
