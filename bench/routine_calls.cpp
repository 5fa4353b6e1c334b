#include "bench/routine_calls.h"

#include "bench/plain_routines.h"
#include "mst/kruskal.h"
#include "mst/prim.h"

namespace mst {

void CallPrim(Edges* in, Edges* out, int nOE, int nON, PrimScan) { Prim(in, out, nOE, nON); }
void CallPlainPrim(Edges* in, Edges* out, int nOE, int nON, PrimScan) { PlainPrim(in, out, nOE, nON); }
void CallKruskal(Edges* in, Edges* out, int nOE, int nON, PrimScan) { Kruskal(in, out, nOE, nON); }
void CallPlainKruskal(Edges* in, Edges* out, int nOE, int nON, PrimScan) { PlainKruskal(in, out, nOE, nON); }
void CallPrimScan(Edges* in, Edges* out, int nOE, int nON, PrimScan scan) { PrimWithScan(scan, in, out, nOE, nON); }

}  // namespace mst
