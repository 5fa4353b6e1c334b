// mst-trace: the steps of Prim's and Kruskal's routines on one network file, for people, for
// programs (--json) or as a page that plays them (--page). See Usage().
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "draw/positions_file.h"
#include "draw/svg_writer.h"
#include "draw/tree_marks.h"
#include "graph/whole_file.h"
#include "tools/command_line.h"
#include "tools/exit_status.h"
#include "tools/network_input.h"
#include "tools/node_names.h"
#include "tools/output_file.h"
#include "trace/step_page.h"
#include "trace/step_trace.h"
#include "trace/trace_json.h"
#include "trace/trace_text.h"

using namespace mst;

namespace {

std::string Usage() {
  return "Usage: mst-trace [--json | --page [SVG_FILE]] [--positions FILE] [--names FILE] [IMPORT OPTIONS] [--]\n"
         "                 NETWORK_FILE\n"
         "Writes the steps of Prim's and Kruskal's routines on the network in NETWORK_FILE\n"
         "(mst-bench's network file format or any format mst-import reads; - reads standard input,\n"
         "./- a file named -) to standard output, as mst-bench runs them: Prim's call, and the\n"
         "Kruskal call whose tree it reports. Prim: per step the tree's size, how many edges cross,\n"
         "the chosen edge, the node that joins, the runner-up and the running total. Kruskal: per\n"
         "edge in sorted order what the routine did: accepted (the components it joins) or\n"
         "rejected (the cycle it would close), and the running total.\n"
         "\n" +
         OptionHelp("--json", "one JSON document instead (its fields: see docs/companions.md)") +
         OptionHelp("--page [SVG_FILE]",
                    "a self-contained HTML page that plays the steps on a drawing of the network: mst-draw's "
                    "(as mst-draw --svg draws it), or the one in SVG_FILE, made by mst-draw NETWORK_FILE | neato "
                    "-Tsvg > SVG_FILE or mst-draw --svg") +
         OptionHelp("--positions FILE",
                    "with --page and no SVG_FILE: pin node k at the k-th \"x y\" point of FILE, as mst-draw "
                    "--positions does") +
         OptionHelp("--names FILE",
                    "the nodes' names: one line per node, its number, a tab, its name (as mst-import --node-map "
                    "writes); without it the names the network file holds, or else NAME.names beside NAME.txt. "
                    "Names appear beside the node numbers") +
         CompanionOptionsHelp() +
         "\n"
         "Exit status: 0 written; 1 a file could not be read or used, or standard output could not\n"
         "be written; 2 bad usage.\n"
         "\n"
         "Example: mst-trace matrix1.txt\n";
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> files;
  std::string svgPath;
  std::string namesPath;
  std::string positionsPath;
  bool json = false;
  bool page = false;
  CommandLine line("mst-trace", Usage());
  line.Flag("--json", json);
  line.OptionalFile("--page", svgPath, page);
  line.Exclusive("--json", "--page");
  line.File("--positions", positionsPath);
  line.Exclusive("--json", "--positions");
  line.File("--names", namesPath);
  ImportOptions options;
  AddImportOptions(line, options);
  line.Files(files);
  if (const int ended = line.Parse(argc, argv); ended >= 0) return ended;
  // "--page NETWORK_FILE" draws the network itself: --page's word is then the network.
  if (!svgPath.empty() && files.empty()) std::swap(svgPath, files.emplace_back());
  std::string why;
  if (files.size() != 1) {
    why = files.empty() ? "no network file given"
                        : "one network file only, but '" + files[0] + "' and '" + files[1] + "' were given";
  } else if (!svgPath.empty() && !positionsPath.empty()) {
    why = "--positions and a drawing together: the drawing has placed the nodes already";
  } else if (!page && !positionsPath.empty()) {
    why = "--positions needs --page";
  }
  if (!why.empty()) {
    std::fprintf(stderr, "mst-trace: %s\n%s", why.c_str(), Usage().c_str());
    return kExitBadUsage;
  }
  const std::string& file = files[0];
  ImportedNetwork imported;
  std::string title;
  if (const int ended = ReadNetworkArgument("mst-trace", file, options, imported, title); ended >= 0) return ended;
  const Network& network = imported.network;
  std::vector<std::string> names;
  if (const int ended = ReadNamesArgument("mst-trace", namesPath, file, imported, names); ended >= 0) return ended;

  std::string svg;
  if (!svgPath.empty() && !ReadWholeFile(svgPath, svg, why)) {
    std::fprintf(stderr, "mst-trace: %s: %s\n", svgPath.c_str(), why.c_str());
    return kExitUnusableInput;
  }
  std::vector<Position> positions;
  if (!positionsPath.empty() && !ReadPositionsFile(positionsPath, network.nON, positions, why)) {
    std::fprintf(stderr, "mst-trace: %s: %s\n", positionsPath.c_str(), why.c_str());
    return kExitUnusableInput;
  }
  if (page && svgPath.empty()) {
    const int rows = static_cast<int>(network.edges.size());
    const TreeMarks marks = MarkReportedTrees(network.edges.data(), rows, network.nON);
    svg = SvgDrawing(NetworkDrawing(title, network, marks, positions, names));
  }
  StepTrace trace = TraceRoutines(network.edges.data(), static_cast<int>(network.edges.size()), network.nON);
  trace.names = std::move(names);
  std::string text;
  if (page) {
    if (!StepPage(trace, title, svg, text, why)) {
      std::fprintf(stderr, "mst-trace: %s: %s\n", svgPath.c_str(), why.c_str());
      return kExitUnusableInput;
    }
  } else {
    text = json ? TraceJson(trace, title) : TraceText(trace, title);
  }
  const auto write = [&text](std::FILE* out) { std::fwrite(text.data(), 1, text.size(), out); };
  return WriteOutput("mst-trace", "", write) ? kExitDone : kExitUnusableInput;
}
