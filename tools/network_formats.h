#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "graph/network_vectors.h"

// Reading a network kept in one of the formats of the field (DIMACS, Matrix Market, edge lists,
// CSV, METIS, Pajek, GraphML) or in mst-bench's own network file format, into a network
// mst-bench's routines take. mst-import writes the result as a network file; mst-draw,
// mst-trace and mst-race read these files directly through the same reader.
//
// The rules, whatever the format:
// - Nodes are numbered 1..N in order of first appearance in the file, and each keeps its
//   original id, or its label where the format has one. A node a header declares but no line
//   names is a part of its own (so the network is in several parts).
// - A pair listed twice (both directions, or twice in one direction) becomes one edge, at the
//   place of its first listing, with the smaller measure; a self-loop is dropped; both counted.
// - A missing measure is 1. A measure must be a whole number (a decimal whose value is whole,
//   as 2.0, counts as one); with a scale, every measure is multiplied by it and rounded to the
//   nearest whole number (halves away from zero). After that (and after negation for the
//   maximum tree) it must lie in the signed 32-bit range mst-bench reads.
// - The network must be connected, or its largest part is kept when asked for (among parts of
//   equal size, the one met first in the file).
// Anything else is refused with the line (where there is one) and the reason.
//
// Cost: time O(E log E) for E listed edges plus the file's length; memory about 32 bytes per
// listed edge and one string per node, whatever the file's header announces.
namespace mst {

enum class NetworkFormat { kNetwork, kDimacs, kMtx, kEdgelist, kCsv, kMetis, kPajek, kGraphml };

// The one table of formats, in the order --help lists them.
struct FormatEntry {
  NetworkFormat format;
  const char* name;        // as --format takes it
  const char* extensions;  // space-separated, with the dot, as the format is told from a name
  const char* what;        // one line for --help
};
[[nodiscard]] const std::vector<FormatEntry>& NetworkFormats();

// The format named name, or false.
[[nodiscard]] bool FormatNamed(const std::string& name, NetworkFormat& format);

// The format of a file by its name's extension (case-insensitive). ".txt" and names without a
// known extension: by the first line that is not blank: two whole numbers and nothing else, as
// mst-bench's header, make the network file format; a first character '#' or '%' makes an
// edge list; else the network file format (whose reader then says what is wrong).
[[nodiscard]] NetworkFormat FormatOfFile(const std::string& path, const std::string& firstLine);

struct ImportOptions {
  NetworkFormat format = NetworkFormat::kNetwork;
  double scale = 0;                  // multiply and round every measure; 0 for none
  bool maximum = false;              // negate every measure: the minimum tree is the input's maximum
  bool largestPart = false;          // keep the largest part instead of refusing several
  std::vector<std::string> columns;  // CSV: source, target and optionally weight by name
};

struct ImportedNetwork {
  Network network;
  std::vector<std::string> names;  // per node (0-based): the original id or label
  long long listed = 0;            // edges as the file lists them
  long long merged = 0;            // listings merged into an earlier one of the same pair
  long long selfLoops = 0;         // dropped
  double largestRounding = 0;      // with a scale: the largest rounding error, and its line
  long long roundingLine = 0;
  long long partsLeft = 0;  // with --largest-part: the parts, nodes and edges left out
  long long nodesLeft = 0;
  long long edgesLeft = 0;
};

// Reads one network from file as options say. On failure returns false with why, one line:
// "line L: reason" where a line is to blame, else the reason.
[[nodiscard]] bool ImportNetwork(std::FILE* file, const ImportOptions& options, ImportedNetwork& imported,
                                 std::string& why);

}  // namespace mst
