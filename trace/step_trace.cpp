#include "trace/step_trace.h"

#include <algorithm>
#include <cstdint>
#include <deque>

#include "mst/observed.h"

namespace mst {

namespace {

bool Crosses(const Edges& e, const std::vector<char>& inTree) {
  return inTree[static_cast<std::size_t>(e.node1)] != inTree[static_cast<std::size_t>(e.node2)];
}

// Prim's steps with the tree and cut each starts from.
void TracePrim(const Edges* in, int nOE, int nON, const PrimObservation& seen, StepTrace& trace) {
  std::vector<char> inTree(static_cast<std::size_t>(nON), 0);
  std::vector<int> joined = {0};
  inTree[0] = 1;
  std::int64_t total = 0;
  for (const PrimStepSeen& step : seen.steps) {
    PrimTraceStep traced;
    traced.treeNodes = joined;
    traced.row = step.edge;
    traced.joining = step.joining;
    for (int r = 0; r < nOE; ++r) {
      if (!Crosses(in[r], inTree)) continue;
      ++traced.crossing;
      const bool cheaper = traced.runnerUp < 0 || in[r].measure < in[traced.runnerUp].measure;
      if (r != step.edge && cheaper) traced.runnerUp = r;
    }
    if (step.edge >= 0) total += in[step.edge].measure;
    traced.total = total;
    trace.prim.push_back(traced);
    if (step.edge < 0) break;
    inTree[static_cast<std::size_t>(step.joining)] = 1;
    joined.push_back(step.joining);
  }
}

// The rows of the path between from and to in the forest (adjacency: node -> (neighbour, row)).
std::vector<int> ForestPath(const std::vector<std::vector<std::pair<int, int>>>& forest, int from, int to) {
  std::vector<int> viaRow(forest.size(), -1), previous(forest.size(), -1);
  std::vector<char> seen(forest.size(), 0);
  std::deque<int> queue = {from};
  seen[static_cast<std::size_t>(from)] = 1;
  while (!queue.empty() && seen[static_cast<std::size_t>(to)] == 0) {
    const int node = queue.front();
    queue.pop_front();
    for (const auto& [next, row] : forest[static_cast<std::size_t>(node)]) {
      if (seen[static_cast<std::size_t>(next)] != 0) continue;
      seen[static_cast<std::size_t>(next)] = 1;
      previous[static_cast<std::size_t>(next)] = node;
      viaRow[static_cast<std::size_t>(next)] = row;
      queue.push_back(next);
    }
  }
  std::vector<int> path;
  for (int node = to; node != from && previous[static_cast<std::size_t>(node)] >= 0;
       node = previous[static_cast<std::size_t>(node)]) {
    path.push_back(viaRow[static_cast<std::size_t>(node)]);
  }
  std::reverse(path.begin(), path.end());
  return path;
}

// The reported Kruskal call's steps, each sorted record tied to its file row.
void TraceKruskal(const Edges* in, int nON, const ReportedTrees& trees, StepTrace& trace) {
  trace.kruskalOrder = trees.kruskalOrder;
  const KruskalObservation& seen = trees.kruskal;
  std::vector<std::vector<std::pair<int, int>>> forest(static_cast<std::size_t>(nON));
  std::int64_t total = 0;
  for (const KruskalStepSeen& step : seen.steps) {
    KruskalTraceStep traced;
    traced.position = step.position;
    traced.row = trace.kruskalOrder[static_cast<std::size_t>(step.position)];
    traced.decision = step.decision;
    traced.add = step.add;
    traced.absorbed = step.absorbed;
    const Edges& e = in[traced.row];
    switch (step.decision) {
      case KruskalDecision::kSameComponent:
        traced.cycle = ForestPath(forest, e.node1, e.node2);
        break;
      case KruskalDecision::kJoinsComponent:
      case KruskalDecision::kNewComponent:
      case KruskalDecision::kMergesComponents:
        if (step.decision == KruskalDecision::kJoinsComponent) {
          // The end in no component yet: the one with no forest edge so far.
          traced.joining = forest[static_cast<std::size_t>(e.node1)].empty() ? e.node1 : e.node2;
        }
        forest[static_cast<std::size_t>(e.node1)].push_back({e.node2, traced.row});
        forest[static_cast<std::size_t>(e.node2)].push_back({e.node1, traced.row});
        total += e.measure;
        break;
      case KruskalDecision::kSelfLoop:
        break;
    }
    traced.total = total;
    trace.kruskal.push_back(traced);
  }
}

}  // namespace

StepTrace TraceRoutines(const Edges* in, int nOE, int nON) {
  StepTrace trace;
  trace.nON = nON;
  trace.rows.assign(in, in + nOE);
  const ReportedTrees trees = ObserveReportedTrees(in, nOE, nON);
  TracePrim(in, nOE, nON, trees.prim, trace);
  TraceKruskal(in, nON, trees, trace);
  return trace;
}

std::string EdgeText(const StepTrace& trace, const Edges& e) {
  if (!trace.names.empty()) {
    return trace.names[static_cast<std::size_t>(e.node1)] + " \xE2\x80\x93 " +
           trace.names[static_cast<std::size_t>(e.node2)];
  }
  return std::to_string(e.node1 + 1) + "-" + std::to_string(e.node2 + 1);
}

std::string NodeText(const StepTrace& trace, int node) {
  const std::string number = std::to_string(node + 1);
  return trace.names.empty() ? number : trace.names[static_cast<std::size_t>(node)] + " (" + number + ")";
}

std::int64_t PrimTotal(const StepTrace& trace) { return trace.prim.empty() ? 0 : trace.prim.back().total; }

std::int64_t KruskalTotal(const StepTrace& trace) { return trace.kruskal.empty() ? 0 : trace.kruskal.back().total; }

// How Kruskal's loop ended, in one sentence.
std::string KruskalEnd(const StepTrace& trace) {
  const int nOE = static_cast<int>(trace.rows.size());
  const int examined = static_cast<int>(trace.kruskal.size());
  const int accepted = static_cast<int>(std::count_if(trace.kruskal.begin(), trace.kruskal.end(), [](const auto& s) {
    return s.decision != KruskalDecision::kSameComponent && s.decision != KruskalDecision::kSelfLoop;
  }));
  std::string end =
      "Kruskal stops after " + std::to_string(examined) + " of " + std::to_string(nOE) + " sorted edges: ";
  end += accepted == trace.nON - 1 ? "the tree is complete with " + std::to_string(accepted) + " edges; "
                                   : "the list is used up with " + std::to_string(accepted) + " edges accepted; ";
  return end + std::to_string(nOE - examined) + " edges are never looked at.";
}

}  // namespace mst
