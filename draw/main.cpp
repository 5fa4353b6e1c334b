// mst-draw: writes a picture (Graphviz DOT, or SVG) of one network file with the trees mst-bench
// reports for it marked. See Usage() below.
#include <cstdio>
#include <string>
#include <vector>

#include "draw/dot_writer.h"
#include "draw/positions_file.h"
#include "draw/svg_writer.h"
#include "draw/tree_marks.h"
#include "tools/command_line.h"
#include "tools/exit_status.h"
#include "tools/network_input.h"
#include "tools/node_names.h"
#include "tools/output_file.h"

using namespace mst;

namespace {

std::string Usage() {
  return "Usage: mst-draw [--svg] [--positions FILE] [--names FILE] [IMPORT OPTIONS] [--] NETWORK_FILE\n"
         "Writes the network in NETWORK_FILE (mst-bench's network file format or any format\n"
         "mst-import reads; - reads standard input, ./- a file named -) as a Graphviz DOT graph\n"
         "(or, with --svg, an SVG picture) to standard output, with the trees mst-bench reports\n"
         "for it marked: Prim's (class prim, blue, P<k> for its k-th edge) and Kruskal's (class\n"
         "kruskal, red, K<k>). mst-draw places every node and label itself: each edge is a\n"
         "straight line, its label (its measure and steps) on or beside it, clear of the nodes\n"
         "and the other labels. Above 300 edges only the tree edges are drawn.\n"
         "\n" +
         OptionHelp("--svg", "write the picture as SVG, drawn by mst-draw itself: no Graphviz needed") +
         OptionHelp("--positions FILE",
                    "pin node k at the k-th \"x y\" point of FILE (from mst-netgen --geometric --positions); "
                    "render with neato") +
         OptionHelp("--names FILE",
                    "label the nodes with their names: one line per node, its number, a tab, its name (as "
                    "mst-import --node-map writes); without it the names the network file holds, or else "
                    "NAME.names beside NAME.txt. With --positions nodes keep their numbers and are named in "
                    "tooltips") +
         CompanionOptionsHelp() +
         "\n"
         "Exit status: 0 the picture was written; 1 a file could not be read or used, or standard\n"
         "output could not be written; 2 bad usage.\n"
         "\n"
         "Examples: mst-draw --svg matrix1.txt > matrix1.svg\n"
         "          mst-draw matrix1.txt | neato -Tpng > matrix1.png\n";
}

}  // namespace

int main(int argc, char** argv) {
  std::string file;
  std::string positionsPath;
  std::string namesPath;
  bool svg = false;
  ImportOptions options;
  CommandLine line("mst-draw", Usage());
  line.Flag("--svg", svg);
  line.File("--positions", positionsPath);
  line.File("--names", namesPath);
  AddImportOptions(line, options);
  line.Network(file);
  if (const int ended = line.Parse(argc, argv); ended >= 0) return ended;
  ImportedNetwork imported;
  std::string title;
  if (const int ended = ReadNetworkArgument("mst-draw", file, options, imported, title); ended >= 0) return ended;
  const Network& network = imported.network;
  std::vector<std::string> names;
  if (const int ended = ReadNamesArgument("mst-draw", namesPath, file, imported, names); ended >= 0) return ended;
  std::vector<Position> positions;
  std::string reason;
  if (!positionsPath.empty() && !ReadPositionsFile(positionsPath, network.nON, positions, reason)) {
    std::fprintf(stderr, "mst-draw: %s: %s\n", positionsPath.c_str(), reason.c_str());
    return kExitUnusableInput;
  }
  const TreeMarks marks = MarkReportedTrees(network.edges.data(), static_cast<int>(network.edges.size()), network.nON);
  const Drawing drawing = NetworkDrawing(title, network, marks, positions, names);
  const auto write = [&drawing, svg](std::FILE* out) {
    if (!svg) return WriteDot(out, drawing);
    const std::string text = SvgDrawing(drawing);
    std::fwrite(text.data(), 1, text.size(), out);
  };
  return WriteOutput("mst-draw", "", write) ? kExitDone : kExitUnusableInput;
}
