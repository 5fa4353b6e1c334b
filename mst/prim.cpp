#include "prim.h"

#include <cstdlib>

#include "out_of_memory.h"

void Prim(const Edges* in, Edges* out, int nOE, int nON) {
  if (nON < 1) {
    return;  // no node to grow from
  }
  int* used = static_cast<int*>(std::calloc(static_cast<std::size_t>(nON), sizeof(int)));
  if (used == nullptr) {
    OutOfMemory("PRIM");
  }
  used[0] = 1;
  for (int counter = 0; counter < nON - 1; ++counter) {
    int minEdge = -1;
    int min = 0;
    for (int i = 0; i < nOE; ++i) {
      const bool crossesCut = used[in[i].node1] + used[in[i].node2] == 1;
      if (crossesCut && (minEdge < 0 || in[i].measure < min)) {
        min = in[i].measure;
        minEdge = i;
      }
    }
    if (minEdge < 0) {
      break;
    }
    const Edges& chosen = in[minEdge];
    if (used[chosen.node2] > 0) {
      used[chosen.node1] = 1;
    } else {
      used[chosen.node2] = 1;
    }
    out[counter].set(chosen.node1, chosen.node2, chosen.measure);
  }
  std::free(used);
}
