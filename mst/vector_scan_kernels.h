#pragma once

#include "graph/edges.h"
#include "mst/scan_layout.h"

// The vector scans, one per instruction set and way of reading tree membership. Each returns
// the index of the first cheapest edge of the layout with exactly one end in the tree, or -1,
// exactly as CheapestCrossingEdge would on the edge list. Callers check the processor first
// (crossing_edge_scan.h); the Table kernels also need every node below their table's size.
//
// How they keep the portable scan's answer: each lane sees the edges whose index is its lane
// number modulo the vector width, visited from the last block to the first, and takes an edge
// when it crosses and its measure is at most the lane's minimum so far. A lane thus ends with
// its cheapest crossing edge, the earliest among equals, and an edge of measure INT_MAX is
// still taken over "none". The lanes are then combined by (measure, index).

// Each Scan kernel has a Grow twin that runs all of Prim's steps from the layout's tree (used
// and layout.treeBits in step, node 0 in the tree) to the tree list, with the membership
// table kept in registers between steps.

// AVX2, eight edges per instruction. Table: membership of up to 256 nodes held in one register.
// Gather: membership words gathered from memory, any node count.
int ScanAvx2Table256(const ScanLayout& layout);
int ScanAvx2Gather(const ScanLayout& layout);
void GrowAvx2Table256(const Edges* in, Edges* out, int nON, int* used, ScanLayout& layout);
void GrowAvx2Gather(const Edges* in, Edges* out, int nON, int* used, ScanLayout& layout);

// AVX-512F, sixteen edges per instruction. Tables of 512 and 1024 nodes held in one and two
// registers; Gather for any node count.
int ScanAvx512Table512(const ScanLayout& layout);
int ScanAvx512Table1024(const ScanLayout& layout);
int ScanAvx512Gather(const ScanLayout& layout);
void GrowAvx512Table512(const Edges* in, Edges* out, int nON, int* used, ScanLayout& layout);
void GrowAvx512Table1024(const Edges* in, Edges* out, int nON, int* used, ScanLayout& layout);
void GrowAvx512Gather(const Edges* in, Edges* out, int nON, int* used, ScanLayout& layout);
