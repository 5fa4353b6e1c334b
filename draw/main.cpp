// mst-draw: writes a Graphviz DOT picture of one network file with the trees mst-bench
// reports for it marked. See Usage below.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "companion/command_line.h"
#include "draw/dot_writer.h"
#include "draw/positions_file.h"
#include "draw/tree_marks.h"

namespace {

const char* const kUsage =
    "Usage: mst-draw [--positions FILE] [--] NETWORK_FILE\n"
    "Writes the network in NETWORK_FILE (the network file format mst-bench reads; - reads\n"
    "standard input, ./- a file named -) as a Graphviz DOT graph to standard output, with the\n"
    "trees mst-bench reports for it marked: Prim's (class prim, blue, P<k> for its k-th edge)\n"
    "and Kruskal's (class kruskal, red, K<k>).\n"
    "Above 300 edges only the tree edges are drawn.\n"
    "\n"
    "  --positions FILE  pin node k at the k-th \"x y\" point of FILE (from mst-netgen\n"
    "                    --geometric --positions); render with neato\n"
    "  --help            show this text\n"
    "  --version         show the program's version\n"
    "\n"
    "Exit status: 0 the picture was written; 1 a file could not be read or used, or standard\n"
    "output could not be written; 2 bad usage.\n"
    "\n"
    "Example: mst-draw matrix1.txt | dot -Tsvg > matrix1.svg\n";

// The one error line for a file mst-draw cannot use; the process then exits with status 1.
int Fail(const std::string& file, const std::string& reason) {
  std::fprintf(stderr, "mst-draw: %s: %s\n", file.c_str(), reason.c_str());
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  CommandLine line;
  Network network;
  std::string title;
  const int ended = StartCompanion(argc, argv, {{"--positions", true}}, "mst-draw", kUsage, line, network, title);
  if (ended >= 0) {
    return ended;
  }
  const std::string positionsPath = line.values.count("--positions") > 0 ? line.values.at("--positions") : "";
  const std::vector<Edges>& rows = network.edges;
  const int nOE = static_cast<int>(rows.size());
  const int nON = network.nON;

  std::vector<Position> positions;
  if (!positionsPath.empty()) {
    std::FILE* points = std::fopen(positionsPath.c_str(), "r");
    if (points == nullptr) {
      return Fail(positionsPath, std::string("cannot open the file (") + std::strerror(errno) + ")");
    }
    std::string reason;
    const bool read = ReadPositions(points, nON, positions, reason);
    std::fclose(points);
    if (!read) {
      return Fail(positionsPath, reason);
    }
  }

  const TreeMarks marks = MarkReportedTrees(rows.data(), nOE, nON);
  Drawing drawing;
  drawing.title = title;
  drawing.edges = rows.data();
  drawing.nOE = nOE;
  drawing.nON = nON;
  drawing.marks = &marks;
  drawing.positions = positionsPath.empty() ? nullptr : &positions;
  WriteDot(stdout, drawing);
  if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
    std::fprintf(stderr, "mst-draw: cannot write to standard output\n");
    return 1;
  }
  return 0;
}
