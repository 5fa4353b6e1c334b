// mst-trace: the steps of Prim's and Kruskal's routines on one network file, for people, for
// programs (--json) or as a page that plays them (--page). See Usage().
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

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
  return "Usage: mst-trace [--json | --page SVG_FILE] [--names FILE] [IMPORT OPTIONS] [--] NETWORK_FILE\n"
         "Writes the steps of Prim's and Kruskal's routines on the network in NETWORK_FILE\n"
         "(mst-bench's network file format or any format mst-import reads; - reads standard input,\n"
         "./- a file named -) to standard output, as mst-bench runs them: Prim's call, and the\n"
         "Kruskal call whose tree it reports. Prim: per step the tree's size, how many edges cross,\n"
         "the chosen edge, the node that joins, the runner-up and the running total. Kruskal: per\n"
         "edge in sorted order what the routine did: accepted (the components it joins) or\n"
         "rejected (the cycle it would close), and the running total.\n"
         "\n" +
         OptionHelp("--json", "one JSON document instead (its fields: see docs/companions.md)") +
         OptionHelp("--page SVG_FILE",
                    "a self-contained HTML page that plays the steps on the drawing in SVG_FILE, made by: "
                    "mst-draw NETWORK_FILE | neato -Tsvg > SVG_FILE (mst-show-steps runs the whole pipeline)") +
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
  std::string file;
  std::string svgPath;
  std::string namesPath;
  bool json = false;
  CommandLine line("mst-trace", Usage());
  line.Flag("--json", json);
  line.File("--page", svgPath);
  line.Exclusive("--json", "--page");
  line.File("--names", namesPath);
  ImportOptions options;
  AddImportOptions(line, options);
  line.Network(file);
  if (const int ended = line.Parse(argc, argv); ended >= 0) return ended;
  ImportedNetwork imported;
  std::string title;
  if (const int ended = ReadNetworkArgument("mst-trace", file, options, imported, title); ended >= 0) return ended;
  const Network& network = imported.network;
  std::vector<std::string> names;
  if (const int ended = ReadNamesArgument("mst-trace", namesPath, file, imported, names); ended >= 0) return ended;

  std::string why;
  std::string svg;
  if (!svgPath.empty() && !ReadWholeFile(svgPath, svg, why)) {
    std::fprintf(stderr, "mst-trace: %s: %s\n", svgPath.c_str(), why.c_str());
    return kExitUnusableInput;
  }
  StepTrace trace = TraceRoutines(network.edges.data(), static_cast<int>(network.edges.size()), network.nON);
  trace.names = std::move(names);
  std::string text;
  if (!svgPath.empty()) {
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
