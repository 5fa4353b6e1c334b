#include "mst/merge_sort.h"

#include <cstdlib>
#include <cstring>

#include "mst/out_of_memory.h"

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
  int k = 0;
  while (i <= middle && j <= end) {
    // Strictly less: on equal measures the right run's record is taken first.
    const bool takeLeft = in[i].measure < in[j].measure;
    newEdge[k++] = takeLeft ? in[i] : in[j];
    i += takeLeft ? 1 : 0;
    j += takeLeft ? 0 : 1;
  }
  while (i <= middle) {
    newEdge[k++] = in[i++];
  }
  // What is left of the right run already stands where the merged run ends.
  std::memcpy(in + start, newEdge, static_cast<std::size_t>(k) * sizeof(Edges));
  std::free(newEdge);
}
