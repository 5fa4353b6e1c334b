#include "trace/step_trace.h"

#include <algorithm>
#include <cstdint>
#include <deque>
#include <map>
#include <tuple>

#include "mst/observed.h"

namespace {

bool Crosses(const Edges& e, const std::vector<char>& inTree) {
  return inTree[static_cast<std::size_t>(e.node1)] != inTree[static_cast<std::size_t>(e.node2)];
}

// Prim's steps with the tree and cut each starts from.
void TracePrim(const Edges* in, int nOE, int nON, const PrimObservation& seen, StepTrace& trace) {
  std::vector<char> inTree(static_cast<std::size_t>(nON), 0);
  std::vector<int> joined = {0};
  inTree[0] = 1;
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
        break;
      case KruskalDecision::kSelfLoop:
        break;
    }
    trace.kruskal.push_back(traced);
  }
}

std::string EdgeText(const Edges& e) { return std::to_string(e.node1 + 1) + "-" + std::to_string(e.node2 + 1); }

// Lines of cells, printed with each column as wide as its widest cell; the last column is left
// as it is.
void WriteTable(std::FILE* file, const std::vector<std::vector<std::string>>& lines) {
  std::vector<std::size_t> widths;
  for (const auto& line : lines) {
    widths.resize(std::max(widths.size(), line.size()), 0);
    for (std::size_t c = 0; c + 1 < line.size(); ++c) widths[c] = std::max(widths[c], line[c].size());
  }
  for (const auto& line : lines) {
    std::string text;
    for (std::size_t c = 0; c < line.size(); ++c) {
      if (c + 1 == line.size()) {
        text += line[c];
      } else {
        // Numbers right-aligned, words (the edge, the header's) left-aligned.
        const bool number = !line[c].empty() && line[c].find_first_not_of("0123456789-") == std::string::npos &&
                            line[c].find('-', 1) == std::string::npos;
        const std::string pad(widths[c] - line[c].size(), ' ');
        text += (number ? pad + line[c] : line[c] + pad) + "  ";
      }
    }
    while (!text.empty() && text.back() == ' ') text.pop_back();
    std::fprintf(file, "%s\n", text.c_str());
  }
}

std::string Decision(const StepTrace& trace, const KruskalTraceStep& step) {
  switch (step.decision) {
    case KruskalDecision::kNewComponent:
      return "accepted: a new component, " + std::to_string(step.add);
    case KruskalDecision::kJoinsComponent:
      return "accepted: node " + std::to_string(step.joining + 1) + " joins component " + std::to_string(step.add);
    case KruskalDecision::kMergesComponents:
      return "accepted: merges components " + std::to_string(step.add) + " and " + std::to_string(step.absorbed) +
             "; " + std::to_string(step.add) + " survives";
    case KruskalDecision::kSameComponent: {
      std::string path;
      for (const int r : step.cycle) {
        path += (path.empty() ? "" : ", ") + EdgeText(trace.rows[static_cast<std::size_t>(r)]) + " (row " +
                std::to_string(r + 1) + ")";
      }
      return "rejected: would close a cycle with " + path;
    }
    case KruskalDecision::kSelfLoop:
      return "skipped: a self-loop";
  }
  return "";
}

// How Kruskal's loop ended, in one sentence.
std::string KruskalEnd(const StepTrace& trace) {
  const int nOE = static_cast<int>(trace.rows.size());
  const int examined = static_cast<int>(trace.kruskal.size());
  const int accepted = static_cast<int>(std::count_if(trace.kruskal.begin(), trace.kruskal.end(), [](const auto& s) {
    return s.decision != KruskalDecision::kSameComponent && s.decision != KruskalDecision::kSelfLoop;
  }));
  std::string end = "Kruskal stops after " + std::to_string(examined) + " of " + std::to_string(nOE) +
                    " sorted edges: ";
  end += accepted == trace.nON - 1 ? "the tree is complete with " + std::to_string(accepted) + " edges; "
                                   : "the list is used up with " + std::to_string(accepted) + " edges accepted; ";
  return end + std::to_string(nOE - examined) + " edges are never looked at.";
}

std::string JsonString(const std::string& text) {
  std::string quoted = "\"";
  for (const unsigned char c : text) {
    if (c == '"' || c == '\\') {
      quoted += '\\';
      quoted += static_cast<char>(c);
    } else if (c < 0x20 || c == '<') {  // '<' too, so that the text can stand inside a page's script
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
      quoted += escaped;
    } else {
      quoted += static_cast<char>(c);
    }
  }
  return quoted + "\"";
}

const char* DecisionName(KruskalDecision decision) {
  switch (decision) {
    case KruskalDecision::kNewComponent: return "new-component";
    case KruskalDecision::kJoinsComponent: return "joins-component";
    case KruskalDecision::kMergesComponents: return "merges-components";
    case KruskalDecision::kSameComponent: return "rejected";
    case KruskalDecision::kSelfLoop: return "self-loop";
  }
  return "";
}

std::string OneBased(const std::vector<int>& values) {
  std::string text = "[";
  for (std::size_t k = 0; k < values.size(); ++k) text += (k > 0 ? "," : "") + std::to_string(values[k] + 1);
  return text + "]";
}

std::string RowOrNull(int row) { return row < 0 ? "null" : std::to_string(row + 1); }

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

void WriteTraceText(std::FILE* file, const StepTrace& trace, const std::string& title) {
  const int nOE = static_cast<int>(trace.rows.size());
  std::fprintf(file, "Prim's routine on %s (%d nodes, %d edges): the tree grows from node 1, taking at each step\n"
                     "the cheapest edge that crosses from the tree to the rest (the first in the file among equals)\n\n",
               title.c_str(), trace.nON, nOE);
  std::vector<std::vector<std::string>> lines = {
      {"step", "tree nodes", "crossing", "row", "edge", "measure", "joins", "runner-up"}};
  for (std::size_t k = 0; k < trace.prim.size(); ++k) {
    const PrimTraceStep& step = trace.prim[k];
    if (step.row < 0) {
      lines.push_back({std::to_string(k + 1), std::to_string(step.treeNodes.size()), "0", "", "", "", "",
                       "no edge crosses: the network is not connected, and the routine stops"});
      continue;
    }
    const Edges& chosen = trace.rows[static_cast<std::size_t>(step.row)];
    std::string runnerUp = "none";
    if (step.runnerUp >= 0) {
      const Edges& second = trace.rows[static_cast<std::size_t>(step.runnerUp)];
      runnerUp = "row " + std::to_string(step.runnerUp + 1) + ": " + EdgeText(second) + ", measure " +
                 std::to_string(second.measure);
    }
    lines.push_back({std::to_string(k + 1), std::to_string(step.treeNodes.size()), std::to_string(step.crossing),
                     std::to_string(step.row + 1), EdgeText(chosen), std::to_string(chosen.measure),
                     std::to_string(step.joining + 1), runnerUp});
  }
  WriteTable(file, lines);

  std::fprintf(file, "\nKruskal's routine on %s, the call mst-bench reports: the edges in sorted order (equal\n"
                     "measures in file order), each accepted when it joins two components, else rejected\n\n",
               title.c_str());
  lines = {{"step", "row", "edge", "measure", "decision"}};
  for (std::size_t k = 0; k < trace.kruskal.size(); ++k) {
    const KruskalTraceStep& step = trace.kruskal[k];
    const Edges& e = trace.rows[static_cast<std::size_t>(step.row)];
    lines.push_back({std::to_string(k + 1), std::to_string(step.row + 1), EdgeText(e), std::to_string(e.measure),
                     Decision(trace, step)});
  }
  WriteTable(file, lines);
  std::fprintf(file, "\n%s\n", KruskalEnd(trace).c_str());
}

void WriteTraceJson(std::FILE* file, const StepTrace& trace, const std::string& title) {
  const int nOE = static_cast<int>(trace.rows.size());
  std::fprintf(file, "{\n  \"network\": %s,\n  \"nodes\": %d,\n  \"edges\": %d,\n  \"rows\": [", JsonString(title).c_str(),
               trace.nON, nOE);
  for (int r = 0; r < nOE; ++r) {
    const Edges& e = trace.rows[static_cast<std::size_t>(r)];
    std::fprintf(file, "%s[%d,%d,%d]", r > 0 ? "," : "", e.node1 + 1, e.node2 + 1, e.measure);
  }
  std::fprintf(file, "],\n  \"prim\": {\n    \"steps\": [");
  for (std::size_t k = 0; k < trace.prim.size(); ++k) {
    const PrimTraceStep& step = trace.prim[k];
    std::fprintf(file, "%s\n      {\"step\": %d, \"treeNodes\": %s, \"crossing\": %d, \"row\": %s, \"joins\": %s, "
                       "\"runnerUp\": %s}",
                 k > 0 ? "," : "", static_cast<int>(k + 1), OneBased(step.treeNodes).c_str(), step.crossing,
                 RowOrNull(step.row).c_str(), RowOrNull(step.joining).c_str(), RowOrNull(step.runnerUp).c_str());
  }
  std::fprintf(file, "\n    ]\n  },\n  \"kruskal\": {\n    \"order\": %s,\n    \"steps\": [",
               OneBased(trace.kruskalOrder).c_str());
  for (std::size_t k = 0; k < trace.kruskal.size(); ++k) {
    const KruskalTraceStep& step = trace.kruskal[k];
    std::fprintf(file, "%s\n      {\"step\": %d, \"position\": %d, \"row\": %d, \"decision\": \"%s\"", k > 0 ? "," : "",
                 static_cast<int>(k + 1), step.position + 1, step.row + 1, DecisionName(step.decision));
    switch (step.decision) {
      case KruskalDecision::kNewComponent:
        std::fprintf(file, ", \"label\": %d", step.add);
        break;
      case KruskalDecision::kJoinsComponent:
        std::fprintf(file, ", \"label\": %d, \"joins\": %d", step.add, step.joining + 1);
        break;
      case KruskalDecision::kMergesComponents:
        std::fprintf(file, ", \"survives\": %d, \"absorbed\": %d", step.add, step.absorbed);
        break;
      case KruskalDecision::kSameComponent:
        std::fprintf(file, ", \"label\": %d, \"cycle\": %s", step.add, OneBased(step.cycle).c_str());
        break;
      case KruskalDecision::kSelfLoop:
        break;
    }
    std::fprintf(file, "}");
  }
  std::fprintf(file, "\n    ],\n    \"examined\": %d,\n    \"neverExamined\": %d,\n    \"summary\": %s\n  }\n}\n",
               static_cast<int>(trace.kruskal.size()), nOE - static_cast<int>(trace.kruskal.size()),
               JsonString(KruskalEnd(trace)).c_str());
}
