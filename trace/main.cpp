// mst-trace: the steps of Prim's and Kruskal's routines on one network file, for people, for
// programs (--json) or as a page that plays them (--page). See kUsage.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

#include "companion/command_line.h"
#include "graph/network_loader.h"
#include "trace/step_page.h"
#include "trace/step_trace.h"
#include "trace/trace_json.h"
#include "trace/trace_text.h"

namespace {

const char* const kUsage =
    "Usage: mst-trace [--json | --page SVG_FILE] [--] NETWORK_FILE\n"
    "Writes the steps of Prim's and Kruskal's routines on the network in NETWORK_FILE (the\n"
    "network file format mst-bench reads; - reads standard input, ./- a file named -) to\n"
    "standard output, as mst-bench runs them: Prim's call, and the Kruskal call whose tree it\n"
    "reports. Prim: per step the tree's size, how many edges cross, the chosen edge, the node\n"
    "that joins and the runner-up. Kruskal: per edge in sorted order what the routine did:\n"
    "accepted (the components it joins) or rejected (the cycle it would close).\n"
    "\n"
    "  --json           one JSON document instead (its fields: see the README)\n"
    "  --page SVG_FILE  a self-contained HTML page that plays the steps on the drawing in\n"
    "                   SVG_FILE, made by: mst-draw NETWORK_FILE | neato -Tsvg > SVG_FILE\n"
    "                   (scripts/show-steps runs the whole pipeline)\n"
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
  CommandLine line;
  Network network;
  std::string title;
  const int ended = StartCompanion(argc, argv, {{"--json", false, "--page"}, {"--page", true}}, "mst-trace", kUsage,
                                   line, network, title);
  if (ended >= 0) {
    return ended;
  }
  std::string why;
  std::string svg;
  const bool page = line.values.count("--page") > 0;
  if (page && !ReadWhole(line.values.at("--page"), svg, why)) {
    std::fprintf(stderr, "mst-trace: %s: %s\n", line.values.at("--page").c_str(), why.c_str());
    return 1;
  }
  const StepTrace trace = TraceRoutines(network.edges.data(), static_cast<int>(network.edges.size()), network.nON);
  if (page) {
    if (!WriteStepPage(stdout, trace, title, svg, why)) {
      std::fprintf(stderr, "mst-trace: %s: %s\n", line.values.at("--page").c_str(), why.c_str());
      return 1;
    }
  } else {
    const std::string text = line.Has("--json") ? TraceJson(trace, title) : TraceText(trace, title);
    std::fwrite(text.data(), 1, text.size(), stdout);
  }
  if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
    std::fprintf(stderr, "mst-trace: cannot write to standard output\n");
    return 1;
  }
  return 0;
}
