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
    "Writes the network in NETWORK_FILE (the network file format mst-bench reads; - reads\n"
    "standard input, ./- a file named -) as a Graphviz DOT graph to standard output, with the\n"
    "trees mst-bench reports for it marked: Prim's (class prim, blue, P<k> for its k-th edge)\n"
    "and Kruskal's (class kruskal, red, K<k>).\n"
    "Above 300 edges only the tree edges are drawn.\n"
    "\n"
    "  --positions FILE  pin node k at the k-th \"x y\" point of FILE (from mst-netgen\n"
    "                    --geometric --positions); render with neato\n"
    "  --help            show this text\n"
    "\n"
    "Exit status: 0 the picture was written; 1 a file could not be read or used, or standard\n"
    "output could not be written; 2 bad usage.\n"
    "\n"
    "Example: mst-draw matrix1.txt | dot -Tsvg > matrix1.svg\n";

struct DrawArguments {
  std::string network;
  std::string positions;
};

enum class Parsed { kDraw, kHelp, kBadUsage };

// Reads the words of the command line. On bad usage, why holds what was wrong, in one line.
Parsed ParseArguments(int argc, char** argv, DrawArguments& arguments, std::string& why) {
  bool networkGiven = false;
  bool positionsGiven = false;
  bool optionsEnded = false;  // after "--", a word starting with '-' is a file name
  auto takeNetwork = [&](const std::string& word) {
    if (networkGiven) {
      why = "one network file only, but '" + arguments.network + "' and '" + word + "' were given";
      return false;
    }
    if (word.empty()) {
      why = "the network file name is empty";
      return false;
    }
    arguments.network = word;
    networkGiven = true;
    return true;
  };
  for (int a = 1; a < argc; ++a) {
    const std::string word = argv[a];
    if (optionsEnded || word == "-" || word.empty() || word[0] != '-') {
      if (!takeNetwork(word)) return Parsed::kBadUsage;
    } else if (word == "--") {
      optionsEnded = true;
    } else if (word == "--help") {
      return Parsed::kHelp;
    } else if (word == "--positions" || word.rfind("--positions=", 0) == 0) {
      if (positionsGiven) {
        why = "--positions given twice";
        return Parsed::kBadUsage;
      }
      if (word == "--positions") {
        if (a + 1 >= argc) {
          why = "--positions needs a file name";
          return Parsed::kBadUsage;
        }
        arguments.positions = argv[++a];
      } else {
        arguments.positions = word.substr(std::strlen("--positions="));
      }
      if (arguments.positions.empty()) {
        why = "--positions needs a file name";
        return Parsed::kBadUsage;
      }
      positionsGiven = true;
    } else {
      why = "unknown option '" + word + "'";
      return Parsed::kBadUsage;
    }
  }
  if (!networkGiven) {
    why = "no network file given";
    return Parsed::kBadUsage;
  }
  return Parsed::kDraw;
}

// The one error line for a file mst-draw cannot use; the process then exits with status 1.
int Fail(const std::string& file, const std::string& reason) {
  std::fprintf(stderr, "mst-draw: %s: %s\n", file.c_str(), reason.c_str());
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  DrawArguments arguments;
  std::string why;
  switch (ParseArguments(argc, argv, arguments, why)) {
    case Parsed::kHelp:
      std::fputs(kUsage, stdout);
      return 0;
    case Parsed::kBadUsage:
      std::fprintf(stderr, "mst-draw: %s\n", why.c_str());
      std::fputs(kUsage, stderr);
      return 2;
    case Parsed::kDraw:
      break;
  }

  Network network;
  std::string reason;
  const bool fromInput = arguments.network == "-";
  if (!(fromInput ? LoadNetworkFrom(stdin, network, reason) : LoadNetworkFile(arguments.network, network, reason))) {
    return Fail(fromInput ? "standard input" : arguments.network, reason);
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
  drawing.title = fromInput ? "standard input" : arguments.network;
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
