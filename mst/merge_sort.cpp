#include "mst/merge_sort.h"

#include "mst/detail/merge_steps.h"

namespace mst {

void mergeSort(int start, int end, Edges* in) {
  Unobserved unobserved;
  merge_steps::MergeSortSteps(start, end, in, unobserved);
}

void merge(int start, int middle, int end, Edges* in) {
  Unobserved unobserved;
  merge_steps::MergeRuns(start, middle, end, in, unobserved);
}

}  // namespace mst
