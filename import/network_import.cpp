#include "import/network_import.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <memory>
#include <utility>

#include "graph/integer_text.h"
#include "graph/whole_file.h"
#include "import/detail/builder.h"
#include "import/detail/readers.h"
#include "import/detail/text.h"
#include "import/formats.h"
#include "import/names.h"
#include "text/encoding.h"

namespace mst {

namespace {

// One format's attempt at the text: its own imported network and builder.
struct Reading {
  const Format* format = nullptr;
  ImportedNetwork imported;
  std::unique_ptr<NetworkBuilder> builder;
  std::string why;
  bool read = false;
};

std::unique_ptr<Reading> Read(const Format& format, std::string_view text, const ImportOptions& options, bool byContent,
                              bool measuring = false) {
  auto reading = std::make_unique<Reading>();
  reading->format = &format;
  reading->builder = std::make_unique<NetworkBuilder>(options, reading->imported);
  if (byContent) reading->builder->SetByContent();
  reading->builder->TextSize(text.size());
  if (measuring) reading->builder->SetMeasuring();
  reading->read = format.read(text, *reading->builder, reading->why);
  if (reading->read) (void)reading->builder->Merge();
  // Refused for a measure out of range: the --scale that brings every measure within it, found
  // by reading the file again without refusing any.
  if (!reading->read && !measuring && reading->builder->OutOfRange()) {
    const std::size_t advice = reading->why.find(" (--scale ");
    const std::unique_ptr<Reading> measured = Read(format, text, options, byContent, true);
    const double scale = options.scale > 0 ? options.scale : 1;
    const double largest = measured->builder->LargestMeasure() * scale;
    if (advice != std::string::npos && largest < 1e300) {
      int digits = 1;
      while (largest / std::pow(10.0, digits) > 2147483647.0) ++digits;
      char advised[32];
      std::snprintf(advised, sizeof advised, "%g", scale / std::pow(10.0, digits));
      reading->why = reading->why.substr(0, advice) + " (--scale " + advised +
                     " brings every measure within it, rounded; the largest rounding error is reported)";
    }
  }
  return reading;
}

// The formats the content shows, read: one that starts as only it can, else every reading one
// whose reader reads all of the text, with alike readings kept once.
std::vector<std::unique_ptr<Reading>> Candidates(std::string_view text, const ImportOptions& options,
                                                 const Format* except = nullptr) {
  std::vector<std::unique_ptr<Reading>> readings;
  for (const Format& format : Formats()) {
    if (&format != except && format.recognition == Recognition::kStart && format.starts(text)) {
      readings.push_back(Read(format, text, options, true));
      return readings;
    }
  }
  for (const Format& format : Formats()) {
    if (&format == except || format.recognition != Recognition::kReading) continue;
    std::unique_ptr<Reading> reading = Read(format, text, options, true);
    // A reading refused for a measure (out of range, not whole) took the text for its format, as
    // does a matrix whose measures cannot be used: another format's reading must not stand alone.
    if (!reading->read && !reading->builder->MeasureRefused() &&
        !(std::string_view(format.name) == "matrix" && MatrixShaped(text))) {
      continue;
    }
    bool alike = false;
    for (const auto& other : readings) alike = alike || other->builder->SameAs(*reading->builder);
    if (!alike) readings.push_back(std::move(reading));
  }
  return readings;
}

// The reading format the text most resembles, for the refusal of a text no format reads:
// mst-bench's own where it starts with two whole numbers; LGL where it starts with a '#' line
// and another comes after a line that is not one (edge lists keep their comments at the top);
// CSV where its first line holds a comma or semicolon; else an edge list.
const Format& Resembled(std::string_view text) {
  Lines lines(text);
  std::string_view first;
  while (lines.Next(first) && Trim(first).empty()) {
  }
  const std::vector<std::string_view> words = Words(first);
  long long number = 0;
  const char* name = "edgelist";
  if (words.size() == 2 && WholeNumber(words[0], number) && WholeNumber(words[1], number)) {
    name = "network";
  } else if (!words.empty() && words[0][0] == '#') {
    bool data = false;
    for (std::string_view line; lines.Next(line);) {
      const std::string_view trimmed = Trim(line);
      if (trimmed.empty()) continue;
      if (trimmed[0] != '#') {
        data = true;
      } else if (data) {
        name = "lgl";
        break;
      }
    }
  } else if (first.find_first_of(",;") != std::string_view::npos || NamesColumns(TabFields(first))) {
    name = "csv";  // separated by commas or semicolons, or a header row of tab-separated names
  }
  return *FormatNamed(name);
}

// "an edge list of 4 edges", for hints ("an adjacency matrix" where the reading failed).
std::string Described(const Reading& reading) {
  if (!reading.read) return reading.format->title;
  const long long listed = reading.imported.listed;
  return std::string(reading.format->title) + " of " + std::to_string(listed) + (listed == 1 ? " edge" : " edges");
}

// Refuses what the format does not take of the options that name things.
bool TakesOptions(const Format& format, const ImportOptions& options, std::string& why) {
  if (!options.weight.empty() && (format.options & kNamedMeasure) == 0) {
    why = std::string("--weight names a measure's key, column or attribute; ") + format.title + " has none";
    return false;
  }
  if (!options.columns.empty() && (format.options & kNamedColumns) == 0) {
    why = std::string("--columns names the columns of a CSV file; ") + format.title + " has none";
    return false;
  }
  return true;
}

// The choices of --comments and what each does to a line starting with # or %.
constexpr std::pair<const char*, const char*> kCommentChoices[] = {{"none", "lines starting with # or % are edges"},
                                                                   {"skip", "they are comments"}};

}  // namespace

std::vector<std::string> CommentChoices() {
  std::vector<std::string> names;
  for (const auto& [name, meaning] : kCommentChoices) names.emplace_back(name);
  return names;
}

bool ImportText(std::string_view text, const std::string& fileName, const ImportOptions& options,
                ImportedNetwork& imported, std::string& why) {
  imported = ImportedNetwork();
  Encoding encoding = Encoding::kUtf8;
  if (!options.encoding.empty() && !EncodingNamed(options.encoding, encoding)) {
    why = "no encoding is named '" + options.encoding + "' (--encoding takes " + EncodingNames() + ")";
    return false;
  }
  const bool sixteen = encoding == Encoding::kUtf16 || MarkOf(text) == ByteOrderMark::kUtf16LittleEndian ||
                       MarkOf(text) == ByteOrderMark::kUtf16BigEndian;
  if (const std::size_t nul = sixteen ? std::string_view::npos : FirstNul(text); nul != std::string_view::npos) {
    why = "binary content at byte " + std::to_string(nul) + " (a NUL byte, which no text file holds)";
    return false;
  }
  std::string converted;
  if (!ToUtf8(text, encoding, converted, text, why)) return false;
  const std::vector<std::string> comments = CommentChoices();
  if (!options.comments.empty() && std::find(comments.begin(), comments.end(), options.comments) == comments.end()) {
    why = "--comments takes";
    for (const auto& [name, meaning] : kCommentChoices) {
      why += std::string(name == kCommentChoices[0].first ? " " : " or ") + name + " (" + meaning + ")";
    }
    return false;
  }
  if (Trim(text).empty()) {
    why = "the file is empty";
    return false;
  }
  const Format* format = nullptr;
  std::string toldBy;
  if (!options.format.empty()) {
    format = FormatNamed(options.format);
    toldBy = "--format";
    if (format == nullptr) {
      why = "no format is named '" + options.format + "'";
      return false;
    }
  } else if ((format = FormatOfExtension(fileName)) != nullptr) {
    toldBy = "its extension";
  }
  std::unique_ptr<Reading> chosen;
  bool content = format == nullptr;
  if (format != nullptr) {
    if (!TakesOptions(*format, options, why)) return false;
    chosen = Read(*format, text, options, false);
    // A file named as a table (.csv, .tsv, an edge list's extension) may hold an adjacency matrix,
    // as numpy and pandas save one. Content with a matrix's layout that the named format reads
    // otherwise is refused naming both; where the named format cannot read it, the content
    // decides, as for a file without an extension.
    const Format* matrix = FormatNamed("matrix");
    if (toldBy == "its extension" && format != matrix && MatrixShaped(text)) {
      std::unique_ptr<Reading> square = Read(*matrix, text, options, true);
      if (chosen->read && (!square->read || !chosen->builder->SameAs(*square->builder))) {
        why = "the content reads as " + Described(*chosen) + " (--format " + format->name + ") and as " +
              Described(*square) + " (--format matrix), differently: give its format";
        return false;
      }
      content = !chosen->read;
    }
    if (!chosen->read && !content) {
      why = chosen->why;
      // mst-bench's own format asked for, and content another format reads: most likely an edge
      // list whose first line looked like a header.
      // Likewise a file whose extension names a format its content is not, where the content
      // reads as exactly one other.
      std::vector<std::unique_ptr<Reading>> others = format == FormatNamed("network") || toldBy == "its extension"
                                                         ? Candidates(text, options, format)
                                                         : std::vector<std::unique_ptr<Reading>>();
      if (others.size() == 1 && others[0]->read) {
        why += (format == FormatNamed("network") ? "; it looks like " : " (it reads as ") + Described(*others[0]) +
               (format == FormatNamed("network") ? ": use --format " : ": --format ") + others[0]->format->name +
               (format == FormatNamed("network") ? "" : " reads it)");
      }
      return false;
    }
  }
  if (content) {
    toldBy = "its content";
    std::vector<std::unique_ptr<Reading>> readings = Candidates(text, options);
    if (readings.size() > 1) {
      why = "the format cannot be told from the content, which reads as ";
      for (std::size_t k = 0; k < readings.size(); ++k) {
        why += std::string(k == 0                     ? ""
                           : k + 1 == readings.size() ? " and as "
                                                      : ", as ") +
               Described(*readings[k]) + " (--format " + readings[k]->format->name + ")";
      }
      why += ", differently: give its format";
      return false;
    }
    if (readings.empty() || !readings[0]->read) {
      const Format& resembled = readings.empty() ? Resembled(text) : *readings[0]->format;
      std::unique_ptr<Reading> failed =
          readings.empty() ? Read(resembled, text, options, true) : std::move(readings[0]);
      why = failed->why;
      if (&resembled != FormatNamed("network")) {
        why += " (read as " + std::string(resembled.title) + ", as its content suggests; --format names another)";
      }
      return false;
    }
    chosen = std::move(readings[0]);
    if (!TakesOptions(*chosen->format, options, why)) return false;
  }
  if (!chosen->builder->Finish(why)) return false;
  imported = std::move(chosen->imported);
  imported.format = chosen->format->name;
  imported.toldBy = toldBy;
  for (std::size_t k = 0; k < imported.names.size(); ++k) {
    std::string shown = DisplayName(imported.names[k]);
    imported.names[k] = shown.empty() ? std::to_string(k + 1) : std::move(shown);
  }
  return true;
}

bool ImportFile(const std::string& path, const ImportOptions& options, ImportedNetwork& imported, std::string& why) {
  std::string text;
  const bool fromInput = path == "-";
  // UTF-16 without a byte-order mark is full of NUL bytes; other text holds none.
  Encoding encoding = Encoding::kUtf8;
  const Content content =
      EncodingNamed(options.encoding, encoding) && encoding == Encoding::kUtf16 ? Content::kAny : Content::kText;
  if (!(fromInput ? ReadWhole(stdin, text, why, content) : ReadWholeFile(path, text, why, content))) {
    return false;
  }
  return ImportText(text, fromInput ? std::string() : path, options, imported, why);
}

std::vector<std::string> ImportNotes(const ImportedNetwork& imported, const ImportOptions& options) {
  std::vector<std::string> notes;
  const auto count = [](long long n, const char* one, const char* many) {
    return std::to_string(n) + " " + (n == 1 ? one : many);
  };
  if (imported.merged > 0) {
    notes.push_back(count(imported.merged, "listing", "listings") +
                    " of a pair already listed merged into its first (the smaller measure kept)");
  }
  if (imported.selfLoops > 0) notes.push_back(count(imported.selfLoops, "self-loop", "self-loops") + " dropped");
  if (imported.unmeasured > 0 && imported.unmeasured == imported.listed) {
    notes.push_back("the file gives no measures: every edge has measure 1");
  } else if (imported.unmeasured > 0) {
    notes.push_back(count(imported.unmeasured, "edge", "edges") + " of the " + std::to_string(imported.listed) +
                    " listed " + (imported.unmeasured == 1 ? "has" : "have") + " no measure and took 1");
  }
  if (options.scale > 0) {
    char error[64];
    std::snprintf(error, sizeof error, "%g", imported.largestRounding);
    char scale[64];
    std::snprintf(scale, sizeof scale, "%g", options.scale);
    notes.push_back(std::string("--scale ") + scale + ": the largest rounding error is " + error +
                    (imported.largestRounding > 0 ? " (" + imported.roundingAt + ")" : ""));
  }
  if (imported.partsLeft > 0) {
    notes.push_back("--largest-part: left out " + count(imported.partsLeft, "other part", "other parts") + ", " +
                    count(imported.nodesLeft, "node", "nodes") + " and " + count(imported.edgesLeft, "edge", "edges"));
  }
  if (imported.comments > 0) {
    notes.push_back(count(imported.comments, "comment line", "comment lines") + " passed over");
  }
  for (const std::string& note : imported.notes) notes.push_back(note);
  return notes;
}

}  // namespace mst
