#include "merge_sort.h"

#include <cstdlib>

#include "out_of_memory.h"

void mergeSort(int start, int end, Edges* in) {
  if (start >= end) {
    return;  // one record is sorted; an empty range has nothing to sort
  }
  const int middle = start + (end - start) / 2;
  mergeSort(start, middle, in);
  mergeSort(middle + 1, end, in);
  merge(start, middle, end, in);
}

void merge(int start, int middle, int end, Edges* in) {
  const int size = end - start + 1;
  Edges* newEdge = static_cast<Edges*>(std::malloc(static_cast<std::size_t>(size) * sizeof(Edges)));
  if (newEdge == nullptr) {
    OutOfMemory("KRUSKAL");
  }
  int i = start;
  int j = middle + 1;
  for (int k = 0; k < size; ++k) {
    // Strictly less: on equal measures the right run's record is taken first.
    if (j > end || (i <= middle && in[i].measure < in[j].measure)) {
      newEdge[k] = in[i++];
    } else {
      newEdge[k] = in[j++];
    }
  }
  for (int k = 0; k < size; ++k) {
    in[start + k] = newEdge[k];
  }
  std::free(newEdge);
}
