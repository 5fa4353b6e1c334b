// mst-draw: writes a Graphviz DOT picture of one network file with the trees mst-bench
// reports for it marked. See Usage below.
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "draw/dot_writer.h"
#include "draw/positions_file.h"
#include "draw/tree_marks.h"
#include "graph/network_vectors.h"

namespace {

const char* const kUsage =
    "Usage: mst-draw [--positions FILE] [--] NETWORK_FILE\n"
    "Writes the network in NETWORK_FILE (the network file format mst-bench reads) as a Graphviz\n"
    "DOT graph to standard output, with the trees mst-bench reports for it marked: Prim's\n"
    "(class prim, blue, P<k> for its k-th edge) and Kruskal's (class kruskal, red, K<k>).\n"
    "Above 300 edges only the tree edges are drawn.\n"
    "\n"
    "  --positions FILE  pin node k at the k-th \"x y\" point of FILE (from mst-netgen\n"
    "                    --geometric --positions); render with neato\n"
    "  --help            show this text\n"
    "\n"
    "Example: mst-draw matrix1.txt | dot -Tsvg > matrix1.svg\n";

struct DrawArguments {
  std::string network;
  std::string positions;
};

enum class Parsed { kDraw, kHelp, kBadUsage };

Parsed ParseArguments(int argc, char** argv, DrawArguments& arguments) {
  bool networkGiven = false;
  bool positionsGiven = false;
  bool optionsEnded = false;  // after "--", a word starting with '-' is a file name
  for (int a = 1; a < argc; ++a) {
    const std::string word = argv[a];
    if (!optionsEnded && word == "--") {
      optionsEnded = true;
      continue;
    }
    if (optionsEnded) {
      if (networkGiven || word.empty()) return Parsed::kBadUsage;
      arguments.network = word;
      networkGiven = true;
      continue;
    }
    if (word == "--help") return Parsed::kHelp;
    if (word == "--positions" || word.rfind("--positions=", 0) == 0) {
      if (positionsGiven) return Parsed::kBadUsage;
      if (word == "--positions") {
        if (a + 1 >= argc) return Parsed::kBadUsage;
        arguments.positions = argv[++a];
      } else {
        arguments.positions = word.substr(std::strlen("--positions="));
      }
      if (arguments.positions.empty()) return Parsed::kBadUsage;
      positionsGiven = true;
    } else if (word.size() > 1 && word[0] == '-') {
      return Parsed::kBadUsage;  // an unknown option
    } else {
      if (networkGiven || word.empty()) return Parsed::kBadUsage;
      arguments.network = word;
      networkGiven = true;
    }
  }
  return networkGiven ? Parsed::kDraw : Parsed::kBadUsage;
}

// The one error line for a file mst-draw cannot use; the process then exits with status 1.
int Fail(const std::string& file, const std::string& reason) {
  std::fprintf(stderr, "mst-draw: %s: %s\n", file.c_str(), reason.c_str());
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  DrawArguments arguments;
  switch (ParseArguments(argc, argv, arguments)) {
    case Parsed::kHelp:
      std::fputs(kUsage, stdout);
      return 0;
    case Parsed::kBadUsage:
      std::fputs(kUsage, stderr);
      return 2;
    case Parsed::kDraw:
      break;
  }

  Network network;
  std::string reason;
  if (!LoadNetworkFile(arguments.network, network, reason)) {
    return Fail(arguments.network, reason);
  }
  const std::vector<Edges>& rows = network.edges;
  const int nOE = static_cast<int>(rows.size());
  const int nON = network.nON;

  std::vector<Position> positions;
  if (!arguments.positions.empty()) {
    std::FILE* points = std::fopen(arguments.positions.c_str(), "r");
    if (points == nullptr) {
      return Fail(arguments.positions, std::string("cannot open the file (") + std::strerror(errno) + ")");
    }
    std::string why;
    const bool read = ReadPositions(points, nON, positions, why);
    std::fclose(points);
    if (!read) {
      return Fail(arguments.positions, why);
    }
  }

  const TreeMarks marks = MarkReportedTrees(rows.data(), nOE, nON);
  Drawing drawing;
  drawing.title = arguments.network;
  drawing.edges = rows.data();
  drawing.nOE = nOE;
  drawing.nON = nON;
  drawing.marks = &marks;
  drawing.positions = arguments.positions.empty() ? nullptr : &positions;
  WriteDot(stdout, drawing);
  if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
    std::fprintf(stderr, "mst-draw: cannot write to standard output\n");
    return 1;
  }
  return 0;
}
