// mst-trace: the steps of Prim's and Kruskal's routines on one network file, for people, for
// programs (--json) or as a page that plays them (--page). See kUsage.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "graph/network_loader.h"
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

const char* const kUsage =
    "Usage: mst-trace [--json | --page SVG_FILE] [--names FILE] [--format NAME] [--] NETWORK_FILE\n"
    "Writes the steps of Prim's and Kruskal's routines on the network in NETWORK_FILE (the\n"
    "network file format mst-bench reads, or any format mst-import reads; - reads standard\n"
    "input, ./- a file named -) to standard output, as mst-bench runs them: Prim's call, and\n"
    "the Kruskal call whose tree it reports. Prim: per step the tree's size, how many edges\n"
    "cross, the chosen edge, the node that joins, the runner-up and the running total.\n"
    "Kruskal: per edge in sorted order what the routine did: accepted (the components it\n"
    "joins) or rejected (the cycle it would close), and the running total.\n"
    "\n"
    "  --json           one JSON document instead (its fields: see the README)\n"
    "  --page SVG_FILE  a self-contained HTML page that plays the steps on the drawing in\n"
    "                   SVG_FILE, made by: mst-draw NETWORK_FILE | neato -Tsvg > SVG_FILE\n"
    "                   (scripts/show-steps runs the whole pipeline)\n"
    "  --names FILE     the nodes' names: one line per node, its number, a tab, its name (as\n"
    "                   mst-import --node-map writes); without it NAME.names beside NAME.txt\n"
    "                   is used when there is one. Names appear beside the node numbers\n"
    "  --format NAME    the file's format, when its name does not tell it: network, dimacs,\n"
    "                   mtx, edgelist, csv, metis, pajek or graphml (see mst-import --help)\n"
    "  --help           show this text\n"
    "  --version        show the program's version\n"
    "\n"
    "Exit status: 0 written; 1 a file could not be read or used, or standard output could not\n"
    "be written; 2 bad usage.\n"
    "\n"
    "Example: mst-trace matrix1.txt\n";

bool ReadWhole(const std::string& path, std::string& text, std::string& why) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) {
    why = std::string("cannot open the file (") + std::strerror(errno) + ")";
    return false;
  }
  char buffer[65536];
  std::size_t got;
  errno = 0;
  while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) text.append(buffer, got);
  const bool read = !std::ferror(file);
  const int error = errno;
  std::fclose(file);
  if (!read) why = ReadFailureReason(error);
  return read;
}

}  // namespace

int main(int argc, char** argv) {
  std::string file;
  std::string format;
  std::string svgPath;
  std::string namesPath;
  bool json = false;
  CommandLine line("mst-trace", kUsage);
  line.Flag("--json", json);
  line.File("--page", svgPath);
  line.Exclusive("--json", "--page");
  line.File("--names", namesPath);
  line.Choice("--format", format, FormatNames());
  line.Network(file);
  Network network;
  std::string title;
  if (const int ended = line.Parse(argc, argv); ended >= 0) return ended;
  if (const int ended = ReadNetworkArgument("mst-trace", file, format, network, title); ended >= 0) return ended;

  std::vector<std::string> names;
  if (const int ended = ReadNamesArgument("mst-trace", namesPath, file, network.nON, names); ended >= 0) return ended;

  std::string why;
  std::string svg;
  if (!svgPath.empty() && !ReadWhole(svgPath, svg, why)) {
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
