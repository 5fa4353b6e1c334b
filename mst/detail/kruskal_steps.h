#pragma once

#include <cstdlib>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

#include "graph/edges.h"
#include "mst/detail/x86_target.h"
#include "mst/observer.h"
#include "mst/out_of_memory.h"

namespace mst {

// Kruskal's steps, written once over an Observer (mst/observer.h) and a Sort, the merge sort
// made with the same observer: mst/kruskal.cpp makes the timed Kruskal with Unobserved and the
// timed mergeSort, mst/observed.cpp the watched one.

namespace kruskal_steps {

// Gives every node labelled `absorbed` the label `add`, four nodes per step where SSE2 is there
// (every x86-64 processor), without a branch per node elsewhere.
static inline void Relabel(int* used, int nON, int absorbed, int add) {
  int k = 0;
#ifdef __SSE2__
  const __m128i from = _mm_set1_epi32(absorbed);
  const __m128i to = _mm_set1_epi32(add);
  for (; k + 4 <= nON; k += 4) {
    auto* four = reinterpret_cast<__m128i*>(used + k);
    const __m128i labels = _mm_loadu_si128(four);
    const __m128i match = _mm_cmpeq_epi32(labels, from);
    _mm_storeu_si128(four, _mm_or_si128(_mm_and_si128(match, to), _mm_andnot_si128(match, labels)));
  }
#endif
  for (; k < nON; ++k) {
    used[k] = used[k] == absorbed ? add : used[k];
  }
}

// What accepting an edge whose ends have these labels, one of them 0, does.
inline KruskalDecision Accepting(int label1, int label2) {
  return label1 == label2 ? KruskalDecision::kNewComponent : KruskalDecision::kJoinsComponent;
}

// Kruskal's routine (see mst/kruskal.h); sort(nOE, in) sorts the whole list.
template <class Observer, class Sort>
inline void KruskalSteps(Edges* in, Edges* out, int nOE, int nON, Observer& observer, Sort sort) {
  if (nON < 1) {
    return;  // no node to label
  }
  int counter = 0;
  int tmpEdge = 0;  // the last component label issued: a label, despite the routine's name for it
  // used[k]: node k's component label, 0 while it belongs to none (in Prim, the same name holds
  // tree membership).
  int* used = static_cast<int*>(std::calloc(static_cast<std::size_t>(nON), sizeof(int)));
  if (used == nullptr) {
    OutOfMemory("KRUSKAL");
  }
  sort(nOE, in);
  for (int i = 0; i < nOE && counter < nON - 1; ++i) {
    const int u = in[i].node1;
    const int v = in[i].node2;
    if (u == v) {
      observer.KruskalMeets(i, KruskalDecision::kSelfLoop, 0, 0, used);
      continue;  // a self-loop joins nothing
    }
    if (used[u] == 0 || used[v] == 0) {
      // A new component, or the unlabelled end joins the labelled end's component.
      const int add = (used[u] == 0 && used[v] == 0) ? ++tmpEdge : used[u] + used[v];
      observer.KruskalMeets(i, Accepting(used[u], used[v]), add, 0, used);
      used[u] = add;
      used[v] = add;
      out[counter++].set(in[i].node1, in[i].node2, in[i].measure);
    } else if (used[u] != used[v]) {
      out[counter++].set(in[i].node1, in[i].node2, in[i].measure);
      const int add = used[u];
      const int absorbed = used[v];
      observer.KruskalMeets(i, KruskalDecision::kMergesComponents, add, absorbed, used);
      Relabel(used, nON, absorbed, add);
    } else {
      observer.KruskalMeets(i, KruskalDecision::kSameComponent, used[u], 0, used);
    }
  }
  std::free(used);
}

}  // namespace kruskal_steps

}  // namespace mst
