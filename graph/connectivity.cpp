#include "graph/connectivity.h"

#include <cstdlib>

namespace mst {

namespace {

int Root(int* parent, int node) {
  while (parent[node] != node) {
    parent[node] = parent[parent[node]];  // path halving keeps the trees shallow
    node = parent[node];
  }
  return node;
}

}  // namespace

int FirstUnreachableNode(const Edges* in, int nOE, int nON) {
  int* parent = static_cast<int*>(std::malloc(static_cast<std::size_t>(nON) * sizeof(int)));
  if (parent == nullptr) {
    return -1;
  }
  for (int k = 0; k < nON; ++k) {
    parent[k] = k;
  }
  for (int i = 0; i < nOE; ++i) {
    const int a = Root(parent, in[i].node1);
    const int b = Root(parent, in[i].node2);
    if (a != b) {
      parent[a < b ? b : a] = a < b ? a : b;  // the smaller root wins, so node 0 stays a root
    }
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
