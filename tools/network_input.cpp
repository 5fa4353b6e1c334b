#include "tools/network_input.h"

#include <cstdio>

#include "import/formats.h"
#include "text/encoding.h"
#include "tools/command_line.h"
#include "tools/exit_status.h"

namespace mst {

void AddImportOptions(CommandLine& line, ImportOptions& options) {
  line.Choice("--format", options.format, FormatNames());
  line.Text("--weight", options.weight, "a name");
  line.List("--columns", options.columns, 2, 3, "two or three column names split at commas");
  line.Positive("--scale", options.scale);
  line.Flag("--maximum", options.maximum);
  line.Flag("--largest-part", options.largestPart);
  line.Choice("--encoding", options.encoding, EncodingChoices());
  line.Choice("--comments", options.comments, CommentChoices());
  line.Flag("--decimal-comma", options.decimalComma);
}

std::string CompanionOptionsHelp() {
  return "\nImport options (the network file is read as mst-import reads it):\n" + ImportOptionsHelp() + "\n" +
         HelpAndVersionHelp();
}

std::string ImportOptionsHelp() {
  std::string names;
  const std::vector<std::string> formats = FormatNames();
  for (std::size_t k = 0; k < formats.size(); ++k) {
    names += (k == 0 ? "" : k + 1 == formats.size() ? " or " : ", ") + formats[k];
  }
  return OptionHelp("--format NAME", "the file's format: " + names +
                                         "; else told by its extension, else by its content where only one format "
                                         "reads it (mst-import --help lists them)") +
         OptionHelp("--weight NAME", "the GraphML key, CSV column or edge attribute that holds the measures") +
         OptionHelp("--columns S,T[,W]", "CSV: the source, target and weight columns by their header names") +
         OptionHelp("--scale F",
                    "multiply every measure by F (above 0) and round it to the nearest whole number; the largest "
                    "rounding error is reported") +
         OptionHelp("--maximum", "negate every measure: the minimum spanning tree is then the file's maximum one") +
         OptionHelp("--largest-part",
                    "keep the largest part (the first met among equals) of a network in several parts, and report "
                    "what was left out") +
         OptionHelp("--encoding NAME",
                    "the text's encoding: utf-8 (the default), cp1252 (Windows-1252, as Excel saves CSV), latin1 "
                    "(ISO-8859-1) or utf-16") +
         OptionHelp("--comments HOW",
                    "edge lists: none reads lines starting with # or % as edges (nodes named so), skip as comments; "
                    "by default such a line that has the shape of an edge is refused") +
         OptionHelp("--decimal-comma", "a measure's decimal mark is a comma (1,5), as ';'-separated files write it");
}

int ReadNetworkArgument(const char* program, const std::string& file, const ImportOptions& options,
                        ImportedNetwork& imported, std::string& title, ImportReport report) {
  title = file == "-" ? "standard input" : file;
  std::string why;
  if (!ImportFile(file, options, imported, why)) {
    std::fprintf(stderr, "%s: %s: %s\n", program, title.c_str(), why.c_str());
    return kExitUnusableInput;
  }
  if (report == ImportReport::kSummary) {
    const int edges = static_cast<int>(imported.network.edges.size());
    std::fprintf(stderr, "%s: %s: read as %s (told by %s): %d nodes, %d %s from %lld listed\n", program, title.c_str(),
                 imported.format.c_str(), imported.toldBy.c_str(), imported.network.nON, edges,
                 edges == 1 ? "edge" : "edges", imported.listed);
  }
  for (const std::string& note : ImportNotes(imported, options)) {
    std::fprintf(stderr, "%s: %s: %s\n", program, title.c_str(), note.c_str());
  }
  return -1;
}

}  // namespace mst
