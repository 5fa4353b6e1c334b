#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "graph/network_vectors.h"

// Reading a network kept in one of the formats of the field (import/formats.h names them) or in
// mst-bench's own network file format, into a network mst-bench's routines take. mst-import
// writes the result as a network file; mst-draw, mst-trace and mst-race read through the same
// entry point. Nothing here prints or ends the process.
//
// A reader never guesses. The format comes from options.format, else from the file name's
// extension, else from the content, and only where one reading is possible: a file that starts
// as only one format can (Matrix Market's banner, XML, Pajek's *Vertices, DIMACS's problem
// line), or else whose content exactly one format reads, or that all formats reading it read
// alike. Content that two formats read differently is refused, naming each and the --format that
// picks it.
//
// The rules, whatever the format (mst-bench's own format aside, which keeps its rows as they
// are and whose every word must be accounted for):
// - Nodes are numbered 1..N in order of first appearance in the file, and each keeps its id, or
//   its label where the format has one, as its name. A node a header declares but no line names
//   is a part of its own (so the network is in several parts).
// - A pair listed twice (both directions, or twice in one direction) becomes one edge, at the
//   place of its first listing, with the smaller measure; a self-loop is dropped; both counted.
// - A missing measure is 1, counted. A measure must be a whole number (a decimal whose value is
//   whole, as 2.0, counts as one); with a scale, every measure is multiplied by it and rounded
//   to the nearest whole number (halves away from zero). After that (and after negation for the
//   maximum tree) it must lie in the signed 32-bit range mst-bench reads.
// - The network must be connected, or its largest part is kept when asked for (among parts of
//   equal size, the one met first in the file).
// Anything else is refused with the line (where there is one) and the reason.
//
// Cost: the file's size in memory, then time O(E log E) for E listed edges plus the file's
// length (content that must decide the format may be read by several readers); memory about 32
// bytes per listed edge and one string per node, whatever the file's header announces.
namespace mst {

struct ImportOptions {
  std::string format;                // a format's name (import/formats.h); empty: told as above
  double scale = 0;                  // multiply and round every measure; 0 for none
  bool maximum = false;              // negate every measure: the minimum tree is the input's maximum
  bool largestPart = false;          // keep the largest part instead of refusing several
  std::string weight;                // the GraphML key, CSV column or edge attribute of the measure
  std::vector<std::string> columns;  // CSV: source, target and optionally weight, by header name
  std::string encoding;              // the text's encoding (text/encoding.h names them); empty: UTF-8
  // Lines that start with '#' or '%' where edges are one a line: "" takes them for comments
  // unless one has the shape of the file's edges (then the file is refused as ambiguous);
  // "none" reads every such line as an edge, "skip" every one as a comment.
  std::string comments;       // one of CommentChoices() or empty
  bool decimalComma = false;  // a measure's decimal mark is a comma (1,5), as in ';'-separated files
};

// The values ImportOptions::comments takes besides empty.
[[nodiscard]] std::vector<std::string> CommentChoices();

struct ImportedNetwork {
  Network network;
  std::vector<std::string> names;  // per node (0-based): its id or label in the file
  bool named = false;              // some node's name is not its number: the names say more
  std::string format;              // the format it was read in
  std::string toldBy;              // how that was told: "--format", "its extension", "its content"
  long long listed = 0;            // edges as the file lists them
  long long merged = 0;            // listings merged into an earlier one of the same pair
  long long selfLoops = 0;         // dropped
  long long unmeasured = 0;        // listings without a measure, given 1
  double largestRounding = 0;      // with a scale: the largest rounding error, and where
  std::string roundingAt;          // "line 7" or "edge row 6"
  long long partsLeft = 0;         // with --largest-part: the parts, nodes and edges left out
  long long nodesLeft = 0;
  long long edgesLeft = 0;
  long long comments = 0;          // comment lines passed over
  std::vector<std::string> notes;  // what a format's reader left aside, e.g. DIMACS's source line
};

// Reads the network in text, the whole content of the file named fileName (whose extension may
// tell the format; "" for standard input). On failure returns false with why, one line: "line
// L: reason" where a line is to blame, else the reason.
[[nodiscard]] bool ImportText(std::string_view text, const std::string& fileName, const ImportOptions& options,
                              ImportedNetwork& imported, std::string& why);

// Reads the file at path whole ("-": standard input), then as ImportText. A file that cannot be
// opened or read gives the system's reason.
[[nodiscard]] bool ImportFile(const std::string& path, const ImportOptions& options, ImportedNetwork& imported,
                              std::string& why);

// What a user should know of how the network differs from the file, one sentence each: the
// pairs merged and self-loops dropped, the measures that were missing or rounded, the parts
// left out and what the format's reader noted. Empty when the network is the file as it stands.
[[nodiscard]] std::vector<std::string> ImportNotes(const ImportedNetwork& imported, const ImportOptions& options);

}  // namespace mst
