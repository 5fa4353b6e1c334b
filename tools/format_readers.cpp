// The readers of the text formats. Each reads line by line, refuses with the line and the
// reason, and hands what it finds to the builder, which applies the rules common to all.
#include <algorithm>
#include <cctype>
#include <string>

#include "tools/detail/import_builder.h"

namespace mst {
namespace {

std::string Lower(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return lower;
}

bool ReadFailed(const LineReader& lines, std::string& why) {
  if (!lines.Failed()) return false;
  why = "the file cannot be read";
  return true;
}

// The first character of a line that is not blank, or 0.
char FirstNonBlank(const std::string& line) {
  for (const char c : line) {
    if (c != ' ' && c != '\t') return c;
  }
  return 0;
}

// Adds the edge between two declared ids, with the line's measure.
bool AddById(NetworkBuilder& builder, std::string_view a, std::string_view b, std::string_view measure, long long line,
             std::string& why) {
  int x = 0;
  int y = 0;
  if (!builder.NodeById(a, x, why) || !builder.NodeById(b, y, why)) {
    why = AtLine(line) + why;
    return false;
  }
  return builder.AddEdge(x, y, measure, line, why);
}

// A header count: a whole number from 0 up.
bool Count(std::string_view text, long long& count) {
  return WholeNumber(text, count) && count >= 0 && count < INT32_MAX;
}

}  // namespace

bool ReadDimacs(std::FILE* file, NetworkBuilder& builder, std::string& why) {
  LineReader lines(file);
  std::string line;
  long long arcs = -1;
  long long found = 0;
  while (lines.Next(line)) {
    const std::vector<std::string_view> words = Words(line);
    if (words.empty() || words[0] == "c") continue;
    const long long at = lines.Number();
    if (words[0] == "p") {
      long long nodes = 0;
      if (arcs >= 0) {
        why = AtLine(at) + "a second problem line";
        return false;
      }
      if (words.size() != 4 || words[1] != "sp" || !Count(words[2], nodes) || !Count(words[3], arcs)) {
        why = AtLine(at) + "the problem line must read 'p sp NODES ARCS'";
        return false;
      }
      builder.Declare(nodes);
    } else if (words[0] == "a") {
      if (arcs < 0) {
        why = AtLine(at) + "an arc before the problem line 'p sp NODES ARCS'";
        return false;
      }
      if (words.size() != 4) {
        why = AtLine(at) + "an arc must read 'a FROM TO LENGTH'";
        return false;
      }
      if (!AddById(builder, words[1], words[2], words[3], at, why)) return false;
      ++found;
    } else {
      why = AtLine(at) + "'" + std::string(words[0]) + "' starts no DIMACS line (c, p or a)";
      return false;
    }
  }
  if (ReadFailed(lines, why)) return false;
  if (arcs < 0) {
    why = "no problem line 'p sp NODES ARCS'";
    return false;
  }
  if (found != arcs) {
    why = "the problem line announces " + std::to_string(arcs) + " arcs, the file holds " + std::to_string(found);
    return false;
  }
  return builder.Finish(why);
}

bool ReadMtx(std::FILE* file, NetworkBuilder& builder, std::string& why) {
  LineReader lines(file);
  std::string line;
  if (!lines.Next(line)) {
    why = ReadFailed(lines, why) ? why : "the file is empty";
    return false;
  }
  const std::vector<std::string_view> banner = Words(line);
  if (banner.size() != 5 || Lower(banner[0]) != "%%matrixmarket" || Lower(banner[1]) != "matrix") {
    why = AtLine(1) + "not a Matrix Market file: it must start '%%MatrixMarket matrix coordinate FIELD SYMMETRY'";
    return false;
  }
  const std::string layout = Lower(banner[2]);
  const std::string field = Lower(banner[3]);
  const std::string symmetry = Lower(banner[4]);
  if (layout != "coordinate") {
    why = AtLine(1) + "a '" + layout + "' file lists no edges: only coordinate files hold a network";
    return false;
  }
  if (field != "integer" && field != "real" && field != "pattern") {
    why = AtLine(1) + "'" + field + "' entries describe no weighted network (integer, real or pattern)";
    return false;
  }
  if (symmetry != "general" && symmetry != "symmetric") {
    why = AtLine(1) + "a '" + symmetry + "' matrix describes no undirected network (general or symmetric)";
    return false;
  }
  long long entries = -1;
  long long found = 0;
  const std::size_t columns = field == "pattern" ? 2 : 3;
  while (lines.Next(line)) {
    const std::vector<std::string_view> words = Words(line);
    if (words.empty() || words[0][0] == '%') continue;
    const long long at = lines.Number();
    if (entries < 0) {
      long long rows = 0;
      long long cols = 0;
      if (words.size() != 3 || !Count(words[0], rows) || !Count(words[1], cols) || !WholeNumber(words[2], entries) ||
          entries < 0) {
        why = AtLine(at) + "the size line must read 'ROWS COLUMNS ENTRIES'";
        return false;
      }
      if (rows != cols) {
        why = AtLine(at) + "a network needs a square matrix, this one has " + std::to_string(rows) + " rows and " +
              std::to_string(cols) + " columns";
        return false;
      }
      builder.Declare(rows);
      continue;
    }
    if (words.size() != columns) {
      why = AtLine(at) + "an entry must read " + (columns == 2 ? "'ROW COLUMN'" : "'ROW COLUMN VALUE'");
      return false;
    }
    if (!AddById(builder, words[0], words[1], columns == 3 ? words[2] : std::string_view(), at, why)) return false;
    ++found;
  }
  if (ReadFailed(lines, why)) return false;
  if (entries < 0) {
    why = "no size line 'ROWS COLUMNS ENTRIES'";
    return false;
  }
  if (found != entries) {
    why = "the size line announces " + std::to_string(entries) + " entries, the file holds " + std::to_string(found);
    return false;
  }
  return builder.Finish(why);
}

bool ReadEdgelist(std::FILE* file, NetworkBuilder& builder, std::string& why) {
  LineReader lines(file);
  std::string line;
  while (lines.Next(line)) {
    const std::vector<std::string_view> words = Words(line);
    if (words.empty() || words[0][0] == '#' || words[0][0] == '%') continue;
    if (words.size() < 2) {
      why = AtLine(lines.Number()) + "an edge needs two node ids ('u v' or 'u v w')";
      return false;
    }
    const int a = builder.NodeByName(words[0]);
    const int b = builder.NodeByName(words[1]);
    if (!builder.AddEdge(a, b, words.size() > 2 ? words[2] : std::string_view(), lines.Number(), why)) return false;
  }
  if (ReadFailed(lines, why)) return false;
  return builder.Finish(why);
}

namespace {

// Reads one CSV record (RFC 4180: fields in double quotes may hold commas, line ends and
// doubled quotes) starting with line, pulling more lines while a quoted field is open.
bool CsvRecord(LineReader& lines, std::string line, std::vector<std::string>& fields, std::string& why) {
  fields.assign(1, std::string());
  const long long first = lines.Number();
  bool quoted = false;
  for (std::size_t k = 0;; ++k) {
    if (k == line.size()) {
      if (!quoted) return true;
      std::string more;
      if (!lines.Next(more)) {
        why = AtLine(first) + "a quoted field is not closed";
        return false;
      }
      fields.back() += '\n';
      line = std::move(more);
      k = static_cast<std::size_t>(-1);
      continue;
    }
    const char c = line[k];
    if (quoted) {
      if (c == '"' && k + 1 < line.size() && line[k + 1] == '"') {
        fields.back() += '"';
        ++k;
      } else if (c == '"') {
        quoted = false;
      } else {
        fields.back() += c;
      }
    } else if (c == '"' && fields.back().empty()) {
      quoted = true;  // only a field's first character opens quotes
    } else if (c == ',') {
      fields.emplace_back();
    } else {
      fields.back() += c;
    }
  }
}

std::string Trimmed(const std::string& text) {
  const std::size_t start = text.find_first_not_of(" \t");
  if (start == std::string::npos) return "";
  return text.substr(start, text.find_last_not_of(" \t") - start + 1);
}

}  // namespace

bool ReadCsv(std::FILE* file, NetworkBuilder& builder, const std::vector<std::string>& columns, std::string& why) {
  static const char* const kNames[3][10] = {
      {"source", "from", "u", "src", "node1", "start", "a", "from_node", "source_id", nullptr},
      {"target", "to", "v", "dst", "node2", "end", "b", "to_node", "target_id", nullptr},
      {"weight", "cost", "length", "distance", "w", "measure", "value", "len", "dist", nullptr}};
  static const char* const kRoles[3] = {"source", "target", "weight"};
  LineReader lines(file);
  std::string line;
  std::vector<std::string> fields;
  while (lines.Next(line) && Trimmed(line).empty()) {
  }
  if (ReadFailed(lines, why)) return false;
  if (Trimmed(line).empty()) {
    why = "the file is empty: a CSV network needs a header row";
    return false;
  }
  if (!CsvRecord(lines, line, fields, why)) return false;
  const long long headerLine = lines.Number();
  std::size_t at[3] = {SIZE_MAX, SIZE_MAX, SIZE_MAX};
  for (int role = 0; role < 3; ++role) {
    for (std::size_t k = 0; k < fields.size() && at[role] == SIZE_MAX; ++k) {
      const std::string name = Lower(Trimmed(fields[k]));
      if (!columns.empty()) {
        if (role < static_cast<int>(columns.size()) && name == Lower(columns[static_cast<std::size_t>(role)]))
          at[role] = k;
        continue;
      }
      for (const char* const* known = kNames[role]; *known != nullptr; ++known) {
        if (name == *known) at[role] = k;
      }
    }
    const bool needed = role < 2 || (!columns.empty() && columns.size() > 2);
    if (needed && at[role] == SIZE_MAX) {
      why = AtLine(headerLine) + "no " + kRoles[role] + " column in the header" +
            (columns.empty() ? std::string(" (named ") + kNames[role][0] + ", " + kNames[role][1] + ", " +
                                   kNames[role][2] + "...; or give --columns)"
                             : " named '" + columns[static_cast<std::size_t>(role)] + "'");
      return false;
    }
  }
  while (lines.Next(line)) {
    if (Trimmed(line).empty()) continue;
    const long long row = lines.Number();
    if (!CsvRecord(lines, line, fields, why)) return false;
    for (int role = 0; role < 3; ++role) {
      if (at[role] != SIZE_MAX && at[role] >= fields.size()) {
        why = AtLine(row) + "the row has no " + kRoles[role] + " column (" + std::to_string(fields.size()) + " fields)";
        return false;
      }
    }
    const std::string source = Trimmed(fields[at[0]]);
    const std::string target = Trimmed(fields[at[1]]);
    if (source.empty() || target.empty()) {
      why = AtLine(row) + "an empty " + (source.empty() ? "source" : "target");
      return false;
    }
    const int a = builder.NodeByName(source);
    const int b = builder.NodeByName(target);
    const std::string measure = at[2] == SIZE_MAX ? "" : Trimmed(fields[at[2]]);
    if (!builder.AddEdge(a, b, measure, row, why)) return false;
  }
  if (ReadFailed(lines, why)) return false;
  return builder.Finish(why);
}

bool ReadMetis(std::FILE* file, NetworkBuilder& builder, std::string& why) {
  LineReader lines(file);
  std::string line;
  long long nodes = -1;
  long long edges = 0;
  bool edgeWeights = false;
  long long skip = 0;   // numbers before the neighbours on each line: vertex size and weights
  long long node = 0;   // the node whose line comes next, once the header is read
  bool counted = true;  // the header's count is of distinct edges (not of entries, FMT 1xx)
  while (lines.Next(line)) {
    if (FirstNonBlank(line) == '%') continue;
    const std::vector<std::string_view> words = Words(line);
    const long long at = lines.Number();
    if (nodes < 0) {
      if (words.empty()) continue;
      long long format = 0;
      long long constraints = 1;
      if (words.size() < 2 || words.size() > 4 || !Count(words[0], nodes) || !Count(words[1], edges) ||
          (words.size() > 2 && !WholeNumber(words[2], format)) ||
          (words.size() > 3 && !WholeNumber(words[3], constraints))) {
        why = AtLine(at) + "the header must read 'NODES EDGES [FMT [NCON]]'";
        return false;
      }
      const std::string digits = words.size() > 2 ? std::string(words[2]) : "0";
      if (format < 0 || digits.size() > 3 || digits.find_first_not_of("01") != std::string::npos) {
        why = AtLine(at) + "FMT must be up to three digits 0 or 1, not '" + digits + "'";
        return false;
      }
      edgeWeights = format % 10 == 1;
      skip = (format / 10 % 10 == 1 ? constraints : 0) + (format / 100 == 1 ? 1 : 0);
      counted = format / 100 != 1;
      builder.Declare(nodes);
      continue;
    }
    ++node;
    if (node > nodes) {
      if (words.empty()) continue;  // blank lines at the end
      why = AtLine(at) + "more node lines than the header's " + std::to_string(nodes);
      return false;
    }
    const std::size_t per = edgeWeights ? 2 : 1;
    if (words.size() < static_cast<std::size_t>(skip) || (words.size() - static_cast<std::size_t>(skip)) % per != 0) {
      why = AtLine(at) + (edgeWeights ? "neighbours must come in 'NODE WEIGHT' pairs" : "a neighbour is missing");
      return false;
    }
    const std::string self = std::to_string(node);
    for (std::size_t k = static_cast<std::size_t>(skip); k < words.size(); k += per) {
      if (!AddById(builder, self, words[k], edgeWeights ? words[k + 1] : std::string_view(), at, why)) return false;
    }
  }
  if (ReadFailed(lines, why)) return false;
  if (nodes < 0) {
    why = "no header 'NODES EDGES [FMT]'";
    return false;
  }
  if (node < nodes) {
    why = "the header announces " + std::to_string(nodes) + " node lines, the file holds " + std::to_string(node);
    return false;
  }
  return builder.Finish(why, counted ? edges : -1);
}

bool ReadPajek(std::FILE* file, NetworkBuilder& builder, std::string& why) {
  LineReader lines(file);
  std::string line;
  enum { kNone, kVertices, kPairs, kLists } section = kNone;
  while (lines.Next(line)) {
    const std::vector<std::string_view> words = Words(line);
    if (words.empty() || words[0][0] == '%') continue;
    const long long at = lines.Number();
    if (words[0][0] == '*') {
      const std::string keyword = Lower(words[0]);
      if (keyword == "*network") continue;
      if (keyword == "*vertices") {
        long long count = 0;
        if (words.size() < 2 || !Count(words[1], count) || builder.Declared()) {
          why = AtLine(at) + (builder.Declared() ? "a second *Vertices line" : "it must read '*Vertices N'");
          return false;
        }
        builder.Declare(count);
        section = kVertices;
        continue;
      }
      if (!builder.Declared()) {
        why = AtLine(at) + "'" + std::string(words[0]) + "' before '*Vertices N'";
        return false;
      }
      if (keyword == "*edges" || keyword == "*arcs") {
        section = kPairs;
      } else if (keyword == "*edgeslist" || keyword == "*arcslist") {
        section = kLists;
      } else {
        why = AtLine(at) + "the section '" + std::string(words[0]) +
              "' is not read (*Vertices, *Edges, *Arcs, *Edgeslist, *Arcslist)";
        return false;
      }
      continue;
    }
    if (section == kNone) {
      why = AtLine(at) + "a line before '*Vertices N'";
      return false;
    }
    if (section == kVertices) {
      long long id = 0;
      int node = 0;
      if (!builder.NodeById(words[0], node, why)) {
        why = AtLine(at) + why;
        return false;
      }
      WholeNumber(words[0], id);
      // The label: the next word, or the text between double quotes.
      const std::size_t open = line.find('"');
      if (open != std::string::npos) {
        const std::size_t close = line.find('"', open + 1);
        if (close == std::string::npos) {
          why = AtLine(at) + "a label's closing quote is missing";
          return false;
        }
        builder.Label(id, line.substr(open + 1, close - open - 1));
      } else if (words.size() > 1) {
        builder.Label(id, std::string(words[1]));
      }
      continue;
    }
    if (words.size() < 2) {
      why = AtLine(at) + "an edge needs two vertex numbers";
      return false;
    }
    if (section == kPairs) {
      if (!AddById(builder, words[0], words[1], words.size() > 2 ? words[2] : std::string_view(), at, why))
        return false;
    } else {
      for (std::size_t k = 1; k < words.size(); ++k) {
        if (!AddById(builder, words[0], words[k], std::string_view(), at, why)) return false;
      }
    }
  }
  if (ReadFailed(lines, why)) return false;
  if (!builder.Declared()) {
    why = "no '*Vertices N' line";
    return false;
  }
  return builder.Finish(why);
}

}  // namespace mst
