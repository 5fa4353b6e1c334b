#include "mst/kruskal.h"

#include "mst/detail/kruskal_steps.h"
#include "mst/merge_sort.h"

namespace mst {

void Kruskal(Edges* in, Edges* out, int nOE, int nON) {
  Unobserved unobserved;
  kruskal_steps::KruskalSteps(in, out, nOE, nON, unobserved,
                              [](int edges, Edges* list) { mergeSort(0, edges - 1, list); });
}

}  // namespace mst
