#include "trace/trace_text.h"

#include <algorithm>
#include <vector>

namespace mst {

namespace {

// The columns a cell takes: its characters, UTF-8 continuation bytes not counted.
std::size_t Width(const std::string& cell) {
  return static_cast<std::size_t>(
      std::count_if(cell.begin(), cell.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0u) != 0x80u; }));
}

// Lines of cells, printed with each column as wide as its widest cell; the last column is left
// as it is.
std::string Table(const std::vector<std::vector<std::string>>& lines) {
  std::string table;
  std::vector<std::size_t> widths;
  for (const auto& line : lines) {
    widths.resize(std::max(widths.size(), line.size()), 0);
    for (std::size_t c = 0; c + 1 < line.size(); ++c) widths[c] = std::max(widths[c], Width(line[c]));
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
        const std::string pad(widths[c] - Width(line[c]), ' ');
        text += (number ? pad + line[c] : line[c] + pad) + "  ";
      }
    }
    while (!text.empty() && text.back() == ' ') text.pop_back();
    table += text + "\n";
  }
  return table;
}

std::string Decision(const StepTrace& trace, const KruskalTraceStep& step) {
  switch (step.decision) {
    case KruskalDecision::kNewComponent:
      return "accepted: a new component, " + std::to_string(step.add);
    case KruskalDecision::kJoinsComponent:
      return "accepted: node " + NodeText(trace, step.joining) + " joins component " + std::to_string(step.add);
    case KruskalDecision::kMergesComponents:
      return "accepted: merges components " + std::to_string(step.add) + " and " + std::to_string(step.absorbed) +
             "; " + std::to_string(step.add) + " survives";
    case KruskalDecision::kSameComponent: {
      std::string path;
      for (const int r : step.cycle) {
        path += (path.empty() ? "" : ", ") + EdgeText(trace, trace.rows[static_cast<std::size_t>(r)]) + " (row " +
                std::to_string(r + 1) + ")";
      }
      return "rejected: would close a cycle with " + path;
    }
    case KruskalDecision::kSelfLoop:
      return "skipped: a self-loop";
  }
  return "";
}

}  // namespace

std::string TraceText(const StepTrace& trace, const std::string& title) {
  const int nOE = static_cast<int>(trace.rows.size());
  std::string text = "Prim's routine on " + title + " (" + std::to_string(trace.nON) + " nodes, " +
                     std::to_string(nOE) + (nOE == 1 ? " edge" : " edges") + "): the tree grows from node " +
                     NodeText(trace, 0) +
                     ", taking at each step\n"
                     "the cheapest edge that crosses from the tree to the rest (the first in the file among equals);\n"
                     "total: the tree's measure after the step\n\n";
  std::vector<std::vector<std::string>> lines = {
      {"step", "tree nodes", "crossing", "row", "edge", "measure", "total", "joins", "runner-up"}};
  for (std::size_t k = 0; k < trace.prim.size(); ++k) {
    const PrimTraceStep& step = trace.prim[k];
    if (step.row < 0) {
      lines.push_back({std::to_string(k + 1), std::to_string(step.treeNodes.size()), "0", "", "", "",
                       std::to_string(step.total), "",
                       "no edge crosses: the network is not connected, and the routine stops"});
      continue;
    }
    const Edges& chosen = trace.rows[static_cast<std::size_t>(step.row)];
    std::string runnerUp = "none";
    if (step.runnerUp >= 0) {
      const Edges& second = trace.rows[static_cast<std::size_t>(step.runnerUp)];
      runnerUp = "row " + std::to_string(step.runnerUp + 1) + ": " + EdgeText(trace, second) + ", measure " +
                 std::to_string(second.measure);
    }
    lines.push_back({std::to_string(k + 1), std::to_string(step.treeNodes.size()), std::to_string(step.crossing),
                     std::to_string(step.row + 1), EdgeText(trace, chosen), std::to_string(chosen.measure),
                     std::to_string(step.total), NodeText(trace, step.joining), runnerUp});
  }
  text += Table(lines);
  text += "\nPrim's tree: " + std::to_string(PrimTotal(trace)) + " in total\n";
  text += "\nKruskal's routine on " + title +
          ", the call mst-bench reports: the edges in sorted order (equal\n"
          "measures in file order), each accepted when it joins two components, else rejected;\n"
          "total: the measure of the edges accepted so far\n\n";
  lines = {{"step", "row", "edge", "measure", "total", "decision"}};
  for (std::size_t k = 0; k < trace.kruskal.size(); ++k) {
    const KruskalTraceStep& step = trace.kruskal[k];
    const Edges& e = trace.rows[static_cast<std::size_t>(step.row)];
    lines.push_back({std::to_string(k + 1), std::to_string(step.row + 1), EdgeText(trace, e), std::to_string(e.measure),
                     std::to_string(step.total), Decision(trace, step)});
  }
  text += Table(lines);
  return text + "\n" + KruskalEnd(trace) + "\nKruskal's tree: " + std::to_string(KruskalTotal(trace)) + " in total\n";
}

}  // namespace mst
