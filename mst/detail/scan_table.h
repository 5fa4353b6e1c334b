#pragma once

// How Prim's scans work: start here.
//
// One step of Prim's routine visits every edge of the list, keeps those with exactly one end in
// the tree (they cross the cut) and takes the cheapest, the first in the list among equals. The
// step loop is written once (grow_tree.h): it asks a tree object for the step's edge, works out
// the joining node from `used` as the routine's plain reading does, marks it and writes the
// tree record. The scans differ only in their tree object: how it holds membership and scans.
//
// Layout. Apart from the portable scan, which reads the edge records themselves, each call first
// copies the edge list into a layout of its own, in one pass: each field in an array of its own
// with a crossing mark per edge (mark_layout.h), so that one vector load takes one field of 8
// or 16 edges, or per edge a 64-bit mask of its two ends and a 64-bit (measure, index) key
// (pair_layout.h).
//
// Lanes. A vector register holds 8 (AVX2) or 16 (AVX-512) edges' fields, one per lane. A lane
// learns whether its edge crosses in one of two ways:
//   Marks    any node count: a crossing mark per edge, kept in the layout. When a node joins,
//            the next scan compares both ends of every edge with it and flips the marks of the
//            edges it touches, in the same pass that looks for the cheapest crossing edge. No
//            per-node memory is read, so the cost per edge hardly depends on the node count.
//   Pairs64  up to 64 nodes: the edge's pair mask ANDed with the tree's mask, neither 0 nor the
//            whole pair when exactly one end is in.
//
// Tie rule. The Marks kernels visit the blocks from the last to the first, and a lane
// takes an edge when it crosses and its measure is at most the lane's minimum so far; so a lane
// ends with its cheapest crossing edge, the earliest among equals, and an edge of measure
// INT_MAX is still taken over none. Pairs64 and the portable Marks keep the lowest key, which
// is the same edge.
//
// Reduction. At the end of a scan the lanes are combined by the lowest (measure, index) as one
// 64-bit unsigned key, measure's sign bit flipped; "none" is the largest key. The result is the
// first cheapest crossing edge of the whole list, exactly what the portable scan returns.
//
// The table below names every scan: the public queries (mst/prim_scan.h), the choice for a
// processor and size, the tests and the harness all read it. Adding a scan takes a kernel in
// one of the scan_*.cpp files, its enumerator and one row here.

#include "graph/edges.h"
#include "mst/prim_scan.h"

namespace mst {

struct ScanKernel {
  PrimScan scan;
  const char* name;
  InstructionSets needs;  // what the processor must have
  int maxNodes;           // largest node count it handles
  int minNodes;           // below this many nodes it loses to a later row: not chosen
  int minEdges;           // below this many edges its fixed cost per step loses: not chosen
  int (*scanOnce)(const Edges* in, int nOE, int nON, const int* used);
  void (*grow)(const Edges* in, Edges* out, int nOE, int nON, int* used);
};

// Every scan this build holds, in the order of preference (the portable scan last, always
// there); count receives their number.
[[nodiscard]] const ScanKernel* ScanKernels(int& count);

// The row of scan; the portable scan's for a scan this build does not hold.
[[nodiscard]] const ScanKernel& KernelOf(PrimScan scan);

// The row of the scan ChoosePrimScanFor names (mst/prim_scan.h), found in one walk of the table.
[[nodiscard]] const ScanKernel& ChooseKernel(int nON, int nOE, InstructionSets sets);

}  // namespace mst
