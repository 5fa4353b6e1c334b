#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "graph/edges.h"
#include "mst/observer.h"

namespace mst {

// The steps of the two routines on one network, as mst-bench runs them: Prim's single call on
// the list in file order, and the Kruskal call whose tree mst-bench reports. Both come from the
// routines' own steps (mst/observed.h); what a step's state looks like (the cut, a rejected
// edge's cycle) is read from the network and the steps before it. Rows and nodes are 0-based
// here and 1-based in the text and JSON forms.

struct PrimTraceStep {
  std::vector<int> treeNodes;  // the tree before the step, in the order the nodes joined
  int crossing = 0;            // edges with exactly one end in that tree
  int row = -1;                // the chosen edge's file row; -1: none crossed, the routine stopped
  int joining = -1;            // the node that joins
  int runnerUp = -1;           // the cheapest other crossing edge (first in the file among equals), or -1
  std::int64_t total = 0;      // the tree's measure after the step
};

struct KruskalTraceStep {
  int position = 0;  // in the sorted list the call works on
  int row = 0;       // the edge's file row
  KruskalDecision decision = KruskalDecision::kSelfLoop;
  int add = 0;             // the label both ends end with when accepted
  int absorbed = 0;        // the label that vanishes when two components merge
  int joining = -1;        // kJoinsComponent: the end that joins
  std::vector<int> cycle;  // kSameComponent: the rows of the forest's path between the ends
  std::int64_t total = 0;  // the measure of the edges accepted so far, this one included
};

struct StepTrace {
  int nON = 0;
  std::vector<Edges> rows;                // the network in file order
  std::vector<PrimTraceStep> prim;        // one per step, N - 1 on a connected network
  std::vector<int> kruskalOrder;          // file rows in the sorted order of the reported call
  std::vector<KruskalTraceStep> kruskal;  // one per edge examined, in that order
  std::vector<std::string> names;         // per node (0-based) its name, or empty: numbers only
};

// Traces both routines on the network (nOE rows in file order, nON nodes). A sorted record
// stands for the first file row with the same three values not yet taken: identical rows are
// indistinguishable, and equal measures meet the reported call in file order.
// Cost: a Prim and two Kruskal calls, plus, per Prim step, a pass over the edges, and per
// rejected edge a search of the forest.
[[nodiscard]] StepTrace TraceRoutines(const Edges* in, int nOE, int nON);

// What the writers (trace_text.h, trace_json.h and the page) say alike: an edge as
// "first-second" with 1-based ends, or with names as "first name – second name"; a node
// (0-based) as its 1-based number, or with names as "name (number)"; how Kruskal's loop ended,
// in one sentence; and each tree's final measure.
[[nodiscard]] std::string EdgeText(const StepTrace& trace, const Edges& e);
[[nodiscard]] std::string NodeText(const StepTrace& trace, int node);
[[nodiscard]] std::string KruskalEnd(const StepTrace& trace);
[[nodiscard]] std::int64_t PrimTotal(const StepTrace& trace);
[[nodiscard]] std::int64_t KruskalTotal(const StepTrace& trace);

}  // namespace mst
