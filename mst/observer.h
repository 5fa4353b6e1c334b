#pragma once

namespace mst {

// How the routines are watched at work, at no cost to the timed runs.
//
// Prim's step loop (mst/detail/grow_tree.h), Kruskal's routine (mst/detail/kruskal_steps.h) and
// the merge sort (mst/detail/merge_steps.h) are written once, as templates over an Observer that
// they tell what they do as they do it. The routines mst-bench times are those templates made
// with Unobserved below: its hooks are empty and inlined, so they compile to nothing and the
// timed routines are, instruction for instruction, what they would be without hooks. The
// companions (step traces, operation counts) make the same templates with an observer of their
// own through mst/observed.h, in a library that mst-bench does not link.
//
// The hooks an Observer offers, in the order a call makes them:
//
//   Prim, once per step's scan of the whole edge list:
//     void PrimStep(int minEdge, const int* used)
//       the scan chose in[minEdge] (-1: no edge crosses, and the routine stops); used still
//       marks the tree before the step (1 in the tree, else 0).
//
//   The merge sort, as it works (Kruskal's first part):
//     void SortScratch(int records)   one merge allocated its scratch array of that many records
//     void SortCompare()              two measures were compared
//     void SortMove(int records)      that many records were copied (into scratch or back)
//
//   Kruskal, once per edge of the sorted list it examines (the loop stops after the last):
//     void KruskalMeets(int i, KruskalDecision decision, int add, int absorbed, const int* used)
//       in[i] met with the labels used holds before the decision is carried out; add is the
//       label both ends end with (accepted), the ends' common label (kSameComponent) or 0
//       (kSelfLoop); absorbed is the label that vanishes (kMergesComponents), else 0.
//
// Hooks take plain values, so an observer can count, record or ignore each.

// What Kruskal's routine did with one edge.
enum class KruskalDecision {
  kNewComponent,      // both ends in no component: accepted, a new label for both
  kJoinsComponent,    // one end in a component: accepted, the other end joins it
  kMergesComponents,  // ends in two components: accepted, the second end's is relabelled
  kSameComponent,     // ends already connected: rejected, it would close a cycle
  kSelfLoop,          // an edge from a node to itself: skipped
};

// The observer of the timed routines: sees nothing, costs nothing.
struct Unobserved {
  void PrimStep(int, const int*) {}
  void SortScratch(int) {}
  void SortCompare() {}
  void SortMove(int) {}
  void KruskalMeets(int, KruskalDecision, int, int, const int*) {}
};

}  // namespace mst
