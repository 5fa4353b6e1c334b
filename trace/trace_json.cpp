#include "trace/trace_json.h"

#include <cstdio>
#include <vector>

namespace mst {

namespace {

// Appends printf's text for format and values to text; a text with no values as it is.
void Append(std::string& text, const char* plain) { text += plain; }

template <typename First, typename... Values>
void Append(std::string& text, const char* format, First first, Values... values) {
  const int size = std::snprintf(nullptr, 0, format, first, values...);
  if (size <= 0) return;
  const std::size_t at = text.size();
  text.resize(at + static_cast<std::size_t>(size) + 1);
  std::snprintf(&text[at], static_cast<std::size_t>(size) + 1, format, first, values...);
  text.resize(at + static_cast<std::size_t>(size));
}

}  // namespace

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

namespace {

const char* DecisionName(KruskalDecision decision) {
  switch (decision) {
    case KruskalDecision::kNewComponent:
      return "new-component";
    case KruskalDecision::kJoinsComponent:
      return "joins-component";
    case KruskalDecision::kMergesComponents:
      return "merges-components";
    case KruskalDecision::kSameComponent:
      return "rejected";
    case KruskalDecision::kSelfLoop:
      return "self-loop";
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

std::string TraceJson(const StepTrace& trace, const std::string& title) {
  std::string json;
  const auto add = [&json](const char* format, auto... values) { Append(json, format, values...); };
  const int nOE = static_cast<int>(trace.rows.size());
  add("{\n  \"network\": %s,\n  \"nodes\": %d,\n  \"edges\": %d,\n  \"rows\": [", JsonString(title).c_str(), trace.nON,
      nOE);
  for (int r = 0; r < nOE; ++r) {
    const Edges& e = trace.rows[static_cast<std::size_t>(r)];
    add("%s[%d,%d,%d]", r > 0 ? "," : "", e.node1 + 1, e.node2 + 1, e.measure);
  }
  add("],\n  \"names\": ");
  if (trace.names.empty()) {
    add("null");
  } else {
    for (std::size_t n = 0; n < trace.names.size(); ++n)
      add("%s%s", n > 0 ? "," : "[", JsonString(trace.names[n]).c_str());
    add("]");
  }
  add(",\n  \"prim\": {\n    \"steps\": [");
  for (std::size_t k = 0; k < trace.prim.size(); ++k) {
    const PrimTraceStep& step = trace.prim[k];
    add("%s\n      {\"step\": %d, \"treeNodes\": %s, \"crossing\": %d, \"row\": %s, \"joins\": %s, "
        "\"runnerUp\": %s, \"total\": %lld}",
        k > 0 ? "," : "", static_cast<int>(k + 1), OneBased(step.treeNodes).c_str(), step.crossing,
        RowOrNull(step.row).c_str(), RowOrNull(step.joining).c_str(), RowOrNull(step.runnerUp).c_str(),
        static_cast<long long>(step.total));
  }
  add("\n    ],\n    \"total\": %lld\n  },\n  \"kruskal\": {\n    \"order\": %s,\n    \"steps\": [",
      static_cast<long long>(PrimTotal(trace)), OneBased(trace.kruskalOrder).c_str());
  for (std::size_t k = 0; k < trace.kruskal.size(); ++k) {
    const KruskalTraceStep& step = trace.kruskal[k];
    add("%s\n      {\"step\": %d, \"position\": %d, \"row\": %d, \"total\": %lld, \"decision\": \"%s\"",
        k > 0 ? "," : "", static_cast<int>(k + 1), step.position + 1, step.row + 1, static_cast<long long>(step.total),
        DecisionName(step.decision));
    switch (step.decision) {
      case KruskalDecision::kNewComponent:
        add(", \"label\": %d", step.add);
        break;
      case KruskalDecision::kJoinsComponent:
        add(", \"label\": %d, \"joins\": %d", step.add, step.joining + 1);
        break;
      case KruskalDecision::kMergesComponents:
        add(", \"survives\": %d, \"absorbed\": %d", step.add, step.absorbed);
        break;
      case KruskalDecision::kSameComponent:
        add(", \"label\": %d, \"cycle\": %s", step.add, OneBased(step.cycle).c_str());
        break;
      case KruskalDecision::kSelfLoop:
        break;
    }
    add("}");
  }
  add("\n    ],\n    \"total\": %lld,\n    \"examined\": %d,\n    \"neverExamined\": %d,\n    \"summary\": %s\n  "
      "}\n}\n",
      static_cast<long long>(KruskalTotal(trace)), static_cast<int>(trace.kruskal.size()),
      nOE - static_cast<int>(trace.kruskal.size()), JsonString(KruskalEnd(trace)).c_str());
  return json;
}

}  // namespace mst
