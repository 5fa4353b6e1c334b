#pragma once

#include "graph/edges.h"

// Sorts records start..end (both inclusive) of in by non-decreasing measure: a top-down merge
// sort that always runs in full. On equal measures the right run's record goes first, so every
// sort reverses the relative order of equal-measure edges; sorting twice restores it.
// An empty range (end < start) is left alone.
void mergeSort(int start, int end, Edges* in);

// Given sorted runs start..middle and middle+1..end, rearranges start..end into one sorted run,
// through a scratch array of its own that it allocates and frees.
void merge(int start, int middle, int end, Edges* in);
