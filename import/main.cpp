// mst-import: converts a network kept in one of the formats of the field into the network file
// format mst-bench reads. See kUsage; the rules are in tools/network_formats.h.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "tools/command_line.h"
#include "tools/exit_status.h"
#include "tools/network_formats.h"
#include "tools/network_input.h"
#include "tools/output_file.h"

using namespace mst;

namespace {

const char* const kUsage =
    "Usage: mst-import [--format NAME] [--scale F] [--maximum] [--largest-part] [--output FILE]\n"
    "                  [--node-map FILE] [--columns SOURCE,TARGET[,WEIGHT]] [--] INPUT\n"
    "Writes the network in INPUT (- reads standard input) in the network file format mst-bench\n"
    "reads, to standard output or to --output FILE.\n"
    "\n"
    "Formats (--format NAME, else told by the file name's extension; .txt and others by the\n"
    "first line: two numbers are mst-bench's own format, a # or % line an edge list):\n"
    "  network   .txt        mst-bench's own: 'E N', then 'u v w' rows\n"
    "  dimacs    .gr         DIMACS shortest path: 'p sp N M', then 'a u v w' arcs\n"
    "  mtx       .mtx        Matrix Market coordinate: integer, real or pattern; general or symmetric\n"
    "  edgelist  .edges .edgelist .el .tsv   'u v [w]' rows (SNAP, KONECT, NetworkX), # or %\n"
    "                        comments, node ids any words\n"
    "  csv       .csv        a header naming the source, target and weight columns (source/from/u,\n"
    "                        target/to/v, weight/cost/length/distance...) or --columns; quoted fields\n"
    "  metis     .graph .metis  METIS: 'N M [FMT [NCON]]', then each node's neighbours\n"
    "  pajek     .net .paj   Pajek: *Vertices N with labels, then *Edges, *Arcs or their lists\n"
    "  graphml   .graphml .xml  GraphML (NetworkX, igraph, Gephi, yEd); the measure is the edge\n"
    "                        key named weight (or cost, length, distance), labels the node key label\n"
    "\n"
    "Rules:\n"
    "  - Nodes are numbered 1..N in order of first appearance; a declared node in no edge is a\n"
    "    part of its own.\n"
    "  - A pair listed twice (both directions, or twice one way) becomes one edge, where it is\n"
    "    first listed, with the smaller measure; self-loops are dropped; both are counted on\n"
    "    standard error.\n"
    "  - A missing measure is 1. Measures must be whole numbers (2.0 counts as one) within\n"
    "    -2147483648 to 2147483647; decimals need --scale.\n"
    "  - The network must be connected, or --largest-part keeps its largest part.\n"
    "  - mst-bench's own format keeps its rows as they are (parallel edges, self-loops).\n"
    "\n"
    "  --format NAME     the input's format (above)\n"
    "  --scale F         multiply every measure by F (above 0) and round to the nearest whole\n"
    "                    number; the largest rounding error is reported\n"
    "  --maximum         negate every measure: the minimum spanning tree of the output is the\n"
    "                    maximum spanning tree of the input\n"
    "  --largest-part    keep the largest part (the first met among equals) of a network in\n"
    "                    several parts, and report what was left out\n"
    "  --output FILE     write to FILE, replaced only when the whole conversion succeeded\n"
    "  --node-map FILE   write one line per node: its new number, a tab, its original id or\n"
    "                    label (by convention NAME.names beside NAME.txt)\n"
    "  --columns S,T[,W] CSV: the source, target and weight columns by their header names\n"
    "  --help            show this text\n"
    "  --version         show the program's version\n"
    "\n"
    "Exit status: 0 converted; 1 the input could not be read or used, or an output not written\n"
    "(nothing is written then); 2 bad usage.\n"
    "\n"
    "Examples: mst-import USA-road-d.NY.gr --output matrix1.txt\n"
    "          mst-import --largest-part roadNet-CA.txt > matrix2.txt\n"
    "          mst-import --node-map matrix3.names --scale 100 lesmis.graphml > matrix3.txt\n";

// The column names of --columns, split at commas.
std::vector<std::string> Columns(const std::string& list) {
  std::vector<std::string> columns;
  std::size_t start = 0;
  for (std::size_t comma; (comma = list.find(',', start)) != std::string::npos; start = comma + 1) {
    columns.push_back(list.substr(start, comma - start));
  }
  columns.push_back(list.substr(start));
  return columns;
}

// A name on one line of the node map: tabs and line ends become spaces.
std::string OneLine(std::string name) {
  for (char& c : name) {
    if (c == '\t' || c == '\n' || c == '\r') c = ' ';
  }
  return name;
}

}  // namespace

int main(int argc, char** argv) {
  std::string input, format, output, nodeMap, columns;
  ImportOptions options;
  CommandLine line("mst-import", kUsage);
  line.Choice("--format", format, FormatNames());
  line.Positive("--scale", options.scale);
  line.Flag("--maximum", options.maximum);
  line.Flag("--largest-part", options.largestPart);
  line.File("--output", output);
  line.File("--node-map", nodeMap);
  line.File("--columns", columns);
  line.Network(input);
  if (const int ended = line.Parse(argc, argv); ended >= 0) return ended;
  if (!columns.empty()) options.columns = Columns(columns);

  const bool fromInput = input == "-";
  const std::string title = fromInput ? "standard input" : input;
  const auto refuse = [&title](const std::string& reason) {
    std::fprintf(stderr, "mst-import: %s: %s\n", title.c_str(), reason.c_str());
    return kExitUnusableInput;
  };
  std::FILE* file = fromInput ? stdin : std::fopen(input.c_str(), "rb");
  if (file == nullptr) return refuse(std::string("cannot open the file (") + std::strerror(errno) + ")");
  if (!format.empty()) {
    (void)FormatNamed(format, options.format);
  } else if (fromInput) {
    if (file != stdin) std::fclose(file);
    std::fprintf(stderr, "mst-import: standard input: give its format with --format\n%s", kUsage);
    return kExitBadUsage;
  } else {
    std::string firstLine;
    for (int c; (c = std::fgetc(file)) != EOF && c != '\n' && firstLine.size() < 4096;)
      firstLine += static_cast<char>(c);
    std::rewind(file);
    options.format = FormatOfFile(input, firstLine);
  }
  ImportedNetwork imported;
  std::string why;
  const bool read = ImportNetwork(file, options, imported, why);
  if (!fromInput) std::fclose(file);
  if (!read) return refuse(why);

  const Network& network = imported.network;
  std::fprintf(stderr, "mst-import: %s: %d nodes, %d edges from %lld listed", title.c_str(), network.nON,
               static_cast<int>(network.edges.size()), imported.listed);
  std::fprintf(stderr, "; %lld listings of a pair already listed merged (the smaller measure kept)", imported.merged);
  std::fprintf(stderr, "; %lld self-loops dropped\n", imported.selfLoops);
  if (options.scale > 0) {
    std::fprintf(stderr, "mst-import: --scale %g: the largest rounding error is %g", options.scale,
                 imported.largestRounding);
    if (imported.largestRounding > 0) std::fprintf(stderr, " (line %lld)", imported.roundingLine);
    std::fprintf(stderr, "\n");
  }
  if (imported.partsLeft > 0) {
    std::fprintf(stderr, "mst-import: --largest-part: left out %lld other parts, %lld nodes and %lld edges\n",
                 imported.partsLeft, imported.nodesLeft, imported.edgesLeft);
  }
  if (!nodeMap.empty()) {
    const auto writeMap = [&imported](std::FILE* out) {
      for (std::size_t k = 0; k < imported.names.size(); ++k) {
        std::fprintf(out, "%zu\t%s\n", k + 1, OneLine(imported.names[k]).c_str());
      }
    };
    if (!WriteOutput("mst-import", nodeMap, writeMap)) return kExitUnusableInput;
  }
  const auto write = [&network](std::FILE* out) { WriteNetwork(out, network.edges, network.nON); };
  return WriteOutput("mst-import", output, write) ? kExitDone : kExitUnusableInput;
}
