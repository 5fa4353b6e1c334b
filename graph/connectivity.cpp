#include "graph/connectivity.h"

#include <cstdlib>

#include "graph/union_find.h"

namespace mst {

int FirstUnreachableNode(const Edges* in, int nOE, int nON) {
  int* parent = static_cast<int*>(std::malloc(static_cast<std::size_t>(nON) * sizeof(int)));
  if (parent == nullptr) {
    return -1;
  }
  for (int k = 0; k < nON; ++k) {
    parent[k] = k;
  }
  for (int i = 0; i < nOE; ++i) {
    (void)Join(parent, in[i].node1, in[i].node2);  // the lower root wins, so node 0 stays a root
  }
  int first = nON;
  for (int k = 1; k < nON; ++k) {
    if (Root(parent, k) != 0) {
      first = k;
      break;
    }
  }
  std::free(parent);
  return first;
}

}  // namespace mst
