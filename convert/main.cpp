// mst-import: converts a network kept in one of the formats of the field into the network file
// format mst-bench reads. See Usage(); the rules are in import/network_import.h.
#include <cstdio>
#include <string>

#include "import/formats.h"
#include "tools/command_line.h"
#include "tools/exit_status.h"
#include "tools/network_input.h"
#include "tools/output_file.h"

using namespace mst;

namespace {

// The help text, laid out as help2man reads it for the man page: one usage line, then tagged
// paragraphs (a tag, two blanks, its text), examples a paragraph each.
std::string Usage() {
  std::string formats;
  for (const Format& format : Formats()) {
    formats +=
        OptionHelp(std::string(format.name) + " " + (*format.extensions != '\0' ? format.extensions : "(content)"),
                   format.help, 30);
  }
  const auto rule = [](const std::string& tag, const std::string& text) { return OptionHelp(tag, text); };
  return "Usage: mst-import [OPTION]... [--] INPUT\n"
         "Writes the network in INPUT (- reads standard input) in the network file format mst-bench\n"
         "reads, to standard output or to --output FILE.\n"
         "\n"
         "Formats: by --format NAME, else by the file name's extension, else by the content where\n"
         "only one format reads it (content two formats read differently is refused):\n" +
         formats +
         "\n"
         "Rules, the same for every format:\n" +
         rule("numbering",
              "nodes are numbered 1..N in order of first appearance; a declared node in no edge is a part "
              "of its own") +
         rule("pairs",
              "a pair listed twice (both directions, or twice one way) becomes one edge, where it is first "
              "listed, with the smaller measure; self-loops are dropped; both are counted") +
         rule("measures",
              "a missing measure is 1, counted; measures must be whole numbers (2.0 counts as one) within "
              "-2147483648 to 2147483647; decimals need --scale") +
         rule("parts", "the network must be connected, or --largest-part keeps its largest part") +
         rule("own format", "mst-bench's own format keeps its rows as they are, and must hold nothing after them") +
         rule("names", "names with blanks in a format split at blanks are refused: CSV and GraphML keep them") +
         "\n"
         "Options:\n" +
         OptionHelp("--output FILE", "write to FILE, replaced only when the whole conversion succeeded") +
         OptionHelp("--node-map FILE",
                    "write one line per node: its new number, a tab, its id or label in INPUT (by convention "
                    "NAME.names beside NAME.txt)") +
         ImportOptionsHelp() + HelpAndVersionHelp() +
         "\n"
         "Exit status: 0 converted; 1 the input could not be read or used, or an output not\n"
         "written (nothing is written then); 2 bad usage.\n"
         "\n"
         "Examples:\n"
         "  mst-import USA-road-d.NY.gr --output matrix1.txt\n"
         "\n"
         "  mst-import --largest-part roadNet-CA.txt --output matrix2.txt\n"
         "\n"
         "  mst-import --scale 100 --node-map matrix3.names lesmis.graphml --output matrix3.txt\n";
}

}  // namespace

int main(int argc, char** argv) {
  std::string input, output, nodeMap;
  ImportOptions options;
  CommandLine line("mst-import", Usage());
  line.File("--output", output);
  line.File("--node-map", nodeMap);
  AddImportOptions(line, options);
  line.Network(input);
  if (const int ended = line.Parse(argc, argv); ended >= 0) return ended;
  ImportedNetwork imported;
  std::string title;
  if (const int ended = ReadNetworkArgument("mst-import", input, options, imported, title, ImportReport::kSummary);
      ended >= 0) {
    return ended;
  }
  if (!nodeMap.empty()) {
    const auto writeMap = [&imported](std::FILE* out) {
      for (std::size_t k = 0; k < imported.names.size(); ++k) {
        std::fprintf(out, "%zu\t%s\n", k + 1, imported.names[k].c_str());
      }
    };
    if (!WriteOutput("mst-import", nodeMap, writeMap)) return kExitUnusableInput;
  }
  const Network& network = imported.network;
  const auto write = [&network](std::FILE* out) { WriteNetwork(out, network.edges, network.nON); };
  return WriteOutput("mst-import", output, write) ? kExitDone : kExitUnusableInput;
}
