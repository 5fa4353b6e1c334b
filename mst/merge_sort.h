#pragma once

#include "graph/edges.h"

namespace mst {

// Sorts records start..end (both inclusive) of in by non-decreasing measure: a top-down merge
// sort that always runs in full. On equal measures the right run's record goes first, so every
// sort reverses the relative order of equal-measure edges; sorting twice restores it.
// An empty range (end < start) is left alone.
// Cost for n = end - start + 1: n - 1 merges, each allocating and freeing its own scratch
// array, about n log2 n comparisons at most, and up to 2 n log2 n record moves (each merge
// copies its records into the scratch array and back, but leaves the right run's last records
// in place once the left run is used up, so a sorted list costs fewer); out of memory ends the process after
// "ERROR in KRUSKAL : out of memory".
// The steps are written once in mst/detail/merge_steps.h (see mst/observer.h).
void mergeSort(int start, int end, Edges* in);

// Given sorted runs start..middle and middle+1..end, rearranges start..end into one sorted run,
// through a scratch array of end - start + 1 records that it allocates and frees. Records are
// copied into the scratch array until one run is used up; the rest of the left run follows
// them, and the rest of the right run, which already stands where the merged run ends, is left
// in place; then the scratch array's records are copied back.
void merge(int start, int middle, int end, Edges* in);

}  // namespace mst
