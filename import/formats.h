#pragma once

#include <string>
#include <string_view>
#include <vector>

// The one registry of network file formats. Each format is one file in import/ (its reader) and
// one row of the table in import/formats.cpp; everything else is made from that table: the
// choices of --format and the paragraphs of --help that list the formats, the format table of
// docs/companions.md (a test keeps it equal), the fuzzer's dispatch and its seeds, and the
// telling of a file's format from its name and content (import/network_import.h).
namespace mst {

class NetworkBuilder;

// How a format is told from a file's content when neither --format nor the extension names it.
enum class Recognition {
  kStart,    // by how the file starts, decisively: no other format starts so
  kReading,  // by reading: when its reader reads the whole file and no format reads it otherwise
  kNever,    // never: its content is another format's too (--format or the extension only)
};

// Which of the options that name things a format takes (others refuse them).
enum FormatOption : unsigned {
  kNamedMeasure = 1,  // --weight: the measure's key, column or attribute
  kNamedColumns = 2,  // --columns: the source, target and weight columns
};

struct Format {
  const char* name;        // as --format takes it
  const char* title;       // in a sentence: "an edge list"
  const char* label;       // in a list of formats: "edge lists" (empty for mst-bench's own)
  const char* extensions;  // space-separated, with the dot, lower case
  const char* help;        // one line for --help and the docs
  const char* example;     // a small file: the docs show it, the fuzzer starts from it
  Recognition recognition;
  // kStart: whether text (a file's content, past a byte-order mark) starts as this format.
  bool (*starts)(std::string_view text);
  // Reads every edge and node of text into builder, or returns false with why (naming the line).
  bool (*read)(std::string_view text, NetworkBuilder& builder, std::string& why);
  unsigned options;      // FormatOption bits
  bool refused = false;  // recognised only, to be refused with a command that converts it
};

// The formats, mst-bench's own first.
[[nodiscard]] const std::vector<Format>& Formats();

// The format named name, or nullptr.
[[nodiscard]] const Format* FormatNamed(std::string_view name);

// The format the extension of path names (case aside), or nullptr: none does, or .txt, whose
// content decides.
[[nodiscard]] const Format* FormatOfExtension(const std::string& path);

// The names --format takes, in the table's order.
[[nodiscard]] std::vector<std::string> FormatNames();

// The formats in prose, as the READMEs list them: "DIMACS, Matrix Market, ... and multiline
// adjacency lists; LEDA, DOT and graph6 are recognised and refused with a command that
// converts them".
[[nodiscard]] std::string FormatsInProse();

}  // namespace mst
