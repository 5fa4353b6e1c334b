#include "bench/plain_routines.h"

#include <cstdlib>

namespace mst {

namespace {

void PlainMerge(int start, int middle, int end, Edges* in) {
  const int size = end - start + 1;
  Edges* newEdge = static_cast<Edges*>(std::malloc(static_cast<std::size_t>(size) * sizeof(Edges)));
  int i = start;
  int j = middle + 1;
  for (int k = 0; k < size; ++k) {
    if (j > end || (i <= middle && in[i].measure < in[j].measure)) {
      newEdge[k].set(in[i].node1, in[i].node2, in[i].measure);
      ++i;
    } else {
      newEdge[k].set(in[j].node1, in[j].node2, in[j].measure);
      ++j;
    }
  }
  for (int k = 0; k < size; ++k) {
    in[start + k].set(newEdge[k].node1, newEdge[k].node2, newEdge[k].measure);
  }
  std::free(newEdge);
}

void PlainMergeSort(int start, int end, Edges* in) {
  if (start >= end) {
    return;
  }
  const int middle = (start + end) / 2;
  PlainMergeSort(start, middle, in);
  PlainMergeSort(middle + 1, end, in);
  PlainMerge(start, middle, end, in);
}

}  // namespace

void PlainPrim(const Edges* in, Edges* out, int nOE, int nON) {
  int* used = static_cast<int*>(std::calloc(static_cast<std::size_t>(nON), sizeof(int)));
  used[0] = 1;
  for (int counter = 0; counter < nON - 1; ++counter) {
    int minEdge = -1;
    int min = 0;
    for (int i = 0; i < nOE; ++i) {
      if (used[in[i].node1] + used[in[i].node2] == 1 && (minEdge < 0 || in[i].measure < min)) {
        min = in[i].measure;
        minEdge = i;
      }
    }
    if (minEdge < 0) {
      break;
    }
    if (used[in[minEdge].node2] > 0) {
      used[in[minEdge].node1] = 1;
    } else {
      used[in[minEdge].node2] = 1;
    }
    out[counter].set(in[minEdge].node1, in[minEdge].node2, in[minEdge].measure);
  }
  std::free(used);
}

void PlainKruskal(Edges* in, Edges* out, int nOE, int nON) {
  int counter = 0;
  int tmpEdge = 0;
  int* used = static_cast<int*>(std::calloc(static_cast<std::size_t>(nON), sizeof(int)));
  PlainMergeSort(0, nOE - 1, in);
  for (int i = 0; i < nOE && counter < nON - 1; ++i) {
    const int u = in[i].node1;
    const int v = in[i].node2;
    if (u == v) {
      continue;
    }
    if (used[u] == 0 || used[v] == 0) {
      int add = 0;
      if (used[u] == 0 && used[v] == 0) {
        add = ++tmpEdge;
      } else {
        add = used[u] + used[v];
      }
      used[u] = add;
      used[v] = add;
      out[counter].set(u, v, in[i].measure);
      ++counter;
    } else if (used[u] != used[v]) {
      out[counter].set(u, v, in[i].measure);
      ++counter;
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

}  // namespace mst
