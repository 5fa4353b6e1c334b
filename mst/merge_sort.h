#pragma once

#include "graph/edges.h"

// Sorts records start..end (both inclusive) of in by non-decreasing measure: a top-down merge
// sort that always runs in full. On equal measures the right run's record goes first, so every
// sort reverses the relative order of equal-measure edges; sorting twice restores it.
// An empty range (end < start) is left alone.
// Cost: n log2 n record moves for n = end - start + 1, whatever the order, and n - 1 merges,
// each allocating and freeing its own scratch array; out of memory ends the process after
// "ERROR in KRUSKAL : out of memory".
void mergeSort(int start, int end, Edges* in);

// Given sorted runs start..middle and middle+1..end, rearranges start..end into one sorted run,
// through a scratch array of its own that it allocates and frees. Cost: end - start + 1 record
// copies into the scratch array and back (what remains of the right run stays in place).
void merge(int start, int middle, int end, Edges* in);
