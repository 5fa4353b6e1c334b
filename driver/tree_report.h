#pragma once

#include "graph/edges.h"

namespace mst {

// Prints records 0..size-1 of the tree list in, between two lines of 48 hyphens: one row per
// edge, "%d\t%d\t%d" with 1-based ends and the measure, then a blank line and
// "Total Measure\t" with the sum of the measures (summed in 64 bits, so it never overflows).
void PrintEdge(const Edges* in, int size);

}  // namespace mst
