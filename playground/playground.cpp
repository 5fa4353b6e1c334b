#include "playground/playground.h"

#include <cmath>
#include <vector>

#include "draw/dot_writer.h"
#include "draw/svg_writer.h"
#include "draw/tree_marks.h"
#include "import/formats.h"
#include "import/network_import.h"
#include "race/race_report.h"
#include "text/decimal.h"
#include "text/encoding.h"
#include "text/lines.h"
#include "timing/routine_timing.h"
#include "trace/step_page.h"
#include "trace/step_trace.h"
#include "trace/trace_json.h"

namespace mst {

namespace {

bool OneOf(const std::string& label, const std::string& value, const std::vector<std::string>& choices,
           std::string& why) {
  std::string list;
  for (const std::string& choice : choices) {
    if (choice == value) return true;
    list += (list.empty() ? "" : ", ") + choice;
  }
  why = label + ": '" + value + "' is not one of " + list;
  return false;
}

// The options' lines into the importer's options, refused in the command line's words.
bool ReadOptions(const std::string& text, ImportOptions& options, std::string& why) {
  Lines lines(text);
  for (std::string_view view; lines.Next(view);) {
    const std::string line(view);
    const std::size_t equals = line.find('=');
    const std::string name = line.substr(0, equals);
    const std::string value = equals == std::string::npos ? "" : line.substr(equals + 1);
    const std::string label = "--" + name;
    if (name == "maximum") {
      options.maximum = true;
    } else if (name == "largest-part") {
      options.largestPart = true;
    } else if (name == "decimal-comma") {
      options.decimalComma = true;
    } else if (value.empty()) {
      continue;
    } else if (name == "format") {
      std::vector<std::string> names;
      for (const Format& format : Formats()) names.emplace_back(format.name);
      if (!OneOf(label, value, names, why)) return false;
      options.format = value;
    } else if (name == "encoding") {
      if (!OneOf(label, value, EncodingChoices(), why)) return false;
      options.encoding = value;
    } else if (name == "comments") {
      if (!OneOf(label, value, CommentChoices(), why)) return false;
      options.comments = value;
    } else if (name == "weight") {
      options.weight = value;
    } else if (name == "scale") {
      double scale = 0;
      if (ParseDecimal(value, scale) != Decimal::kNumber || !std::isfinite(scale) || scale <= 0) {
        why = label + ": '" + value + "' is not a number above 0";
        return false;
      }
      options.scale = scale;
    } else if (name == "columns") {
      std::vector<std::string> columns;
      for (std::size_t from = 0;;) {
        const std::size_t comma = value.find(',', from);
        columns.push_back(value.substr(from, comma == std::string::npos ? std::string::npos : comma - from));
        if (comma == std::string::npos) break;
        from = comma + 1;
      }
      bool empty = false;
      for (const std::string& column : columns) empty = empty || column.empty();
      if (columns.size() < 2 || columns.size() > 3 || empty) {
        why = label + " needs two or three column names split at commas";
        return false;
      }
      options.columns = columns;
    }
  }
  return true;
}

// The file read as the companions read it, with the names it holds where they say more than
// the numbers.
bool Import(const std::string& fileName, const std::string& text, const std::string& optionText,
            ImportedNetwork& imported, std::vector<std::string>& names, std::string& message) {
  ImportOptions options;
  if (!ReadOptions(optionText, options, message)) return false;
  if (!ImportText(text, fileName, options, imported, message)) return false;
  for (const std::string& note : ImportNotes(imported, options)) message += (message.empty() ? "" : "\n") + note;
  if (imported.named) names = imported.names;
  return true;
}

}  // namespace

PlaygroundResult RunPlayground(const std::string& fileName, const std::string& text, const std::string& options,
                               bool page) {
  PlaygroundResult result;
  ImportedNetwork imported;
  std::vector<std::string> names;
  if (!Import(fileName, text, options, imported, names, result.message)) return result;
  const Network& network = imported.network;
  const int rows = static_cast<int>(network.edges.size());
  StepTrace trace = TraceRoutines(network.edges.data(), rows, network.nON);
  trace.names = names;
  result.read = true;
  result.traceJson = TraceJson(trace, fileName);
  if (page) {
    const TreeMarks marks = MarkReportedTrees(network.edges.data(), rows, network.nON);
    const Drawing drawing = NetworkDrawing(fileName, network, marks, {}, names);
    std::string why;
    if (!StepPage(trace, fileName, SvgDrawing(drawing), result.page, why)) result.page.clear();
  }
  return result;
}

std::string RacePlayground(const std::string& fileName, const std::string& text, const std::string& options,
                           int repetitions) {
  ImportedNetwork imported;
  std::vector<std::string> names;
  std::string message;
  if (!Import(fileName, text, options, imported, names, message)) return "";
  const Network& network = imported.network;
  TimingPlan plan;
  plan.repetitions = repetitions;
  const std::vector<RoutineTiming> timings = TimeRoutines(network.edges, network.nON, plan);
  const RoutineCounts counts = CountOperations(network.edges, network.nON);
  const int edges = static_cast<int>(network.edges.size());
  return fileName + ": " + std::to_string(network.nON) + " nodes, " + std::to_string(edges) +
         (edges == 1 ? " edge" : " edges") + "; microseconds per call, median of " + std::to_string(repetitions) +
         " repetitions (min to max)\n\n" + RaceTable(timings, counts) + "\n" + Verdict(timings);
}

std::string PlaygroundFormats() {
  std::string json = "[";
  for (const Format& format : Formats()) {
    json += std::string(json.size() > 1 ? "," : "") + "{\"name\":" + JsonString(format.name) +
            ",\"label\":" + JsonString(format.label) + ",\"extensions\":" + JsonString(format.extensions) +
            ",\"refused\":" + (format.refused ? "true" : "false") + "}";
  }
  return json + "]";
}

}  // namespace mst
