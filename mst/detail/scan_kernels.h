#pragma once

#include "graph/edges.h"
#include "mst/detail/grow_tree.h"

namespace mst {

// Every kernel's two entry points, as the scan table holds them (see scan_table.h):
//   int  ScanOnce...(in, nOE, nON, used)        one step's scan with the tree that used marks
//                                               (used[k] is 1 for tree nodes, else 0): the index
//                                               of the first cheapest crossing edge, or -1;
//   void Grow...(in, out, nOE, nON, used)       all of Prim's steps from node 0 (used[0] is 1).
// A kernel needs the instruction set the table names and at most the table's node count.

int ScanOncePortable(const Edges* in, int nOE, int nON, const int* used);
// GrowPortable: grow_tree.h.
int ScanOncePortablePairs64(const Edges* in, int nOE, int nON, const int* used);
void GrowPortablePairs64(const Edges* in, Edges* out, int nOE, int nON, int* used);
int ScanOncePortableMarks(const Edges* in, int nOE, int nON, const int* used);
void GrowPortableMarks(const Edges* in, Edges* out, int nOE, int nON, int* used);

#ifdef MST_X86_SCANS
// AVX2, eight edges per instruction: crossing marks with ends packed in 16 bits (Marks16, up to
// 65536 nodes) or not.
int ScanOnceAvx2Marks16(const Edges* in, int nOE, int nON, const int* used);
void GrowAvx2Marks16(const Edges* in, Edges* out, int nOE, int nON, int* used);
int ScanOnceAvx2Marks(const Edges* in, int nOE, int nON, const int* used);
void GrowAvx2Marks(const Edges* in, Edges* out, int nOE, int nON, int* used);

// AVX-512F: node-pair masks (eight edges per instruction), crossing marks (sixteen edges per
// instruction) with ends packed in 16 bits (Marks16, up to 65536 nodes) or not.
int ScanOnceAvx512Pairs64(const Edges* in, int nOE, int nON, const int* used);
void GrowAvx512Pairs64(const Edges* in, Edges* out, int nOE, int nON, int* used);
int ScanOnceAvx512Marks16(const Edges* in, int nOE, int nON, const int* used);
void GrowAvx512Marks16(const Edges* in, Edges* out, int nOE, int nON, int* used);
int ScanOnceAvx512Marks(const Edges* in, int nOE, int nON, const int* used);
void GrowAvx512Marks(const Edges* in, Edges* out, int nOE, int nON, int* used);
#endif

}  // namespace mst
