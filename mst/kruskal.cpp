#include "kruskal.h"

#include <cstdlib>

#include "merge_sort.h"
#include "out_of_memory.h"

void Kruskal(Edges* in, Edges* out, int nOE, int nON) {
  if (nON < 1) {
    return;  // no node to label
  }
  int counter = 0;
  int tmpEdge = 0;  // the last component label issued
  // used[k]: node k's component label, 0 while it belongs to none.
  int* used = static_cast<int*>(std::calloc(static_cast<std::size_t>(nON), sizeof(int)));
  if (used == nullptr) {
    OutOfMemory("KRUSKAL");
  }
  mergeSort(0, nOE - 1, in);
  for (int i = 0; i < nOE && counter < nON - 1; ++i) {
    const int u = in[i].node1;
    const int v = in[i].node2;
    if (u == v) {
      continue;  // a self-loop joins nothing
    }
    if (used[u] == 0 || used[v] == 0) {
      // A new component, or the unlabelled end joins the labelled end's component.
      const int add = (used[u] == 0 && used[v] == 0) ? ++tmpEdge : used[u] + used[v];
      used[u] = add;
      used[v] = add;
      out[counter++].set(in[i].node1, in[i].node2, in[i].measure);
    } else if (used[u] != used[v]) {
      out[counter++].set(in[i].node1, in[i].node2, in[i].measure);
      const int add = used[u];
      const int absorbed = used[v];
      for (int k = 0; k < nON; ++k) {
        if (used[k] == absorbed) {
          used[k] = add;
        }
      }
    }
  }
  std::free(used);
}
