// Adjacency matrices: N rows of N measures, as numpy.savetxt, spreadsheets and pandas write
// them. Row i, column j holds the measure of the edge between nodes i and j; a blank or a zero
// means no edge (NetworkX's from_numpy_array reads a matrix so). Fields are split at commas,
// semicolons or tabs (quotes read as CSV has them) or else at blanks. The nodes may be named by
// a header row, by a first column, or by both (pandas's to_csv of to_pandas_adjacency: an empty
// corner field, then the names), in the same order; a header of numbers counts only as the
// names 0..N-1 or 1..N of 3 nodes or more, so that an edge list is not taken for a matrix. Each pair is read from
// both of its entries: equal, one edge; different, two listings of one pair, merged by the
// builder's rule (the smaller measure); a diagonal entry is a self-loop.
#include <algorithm>
#include <cmath>
#include <set>
#include <vector>

#include "import/detail/builder.h"
#include "import/detail/readers.h"
#include "import/detail/text.h"

namespace mst {

namespace {

// The rows of text split at separator (0: at blanks), or false with why.
bool Rows(std::string_view text, char separator, std::vector<CsvRecord>& rows, std::string& why) {
  if (separator != 0) return CsvRecords(text, separator, rows, why);
  rows.clear();
  Lines lines(text);
  for (std::string_view line; lines.Next(line);) {
    if (Trim(line).empty()) continue;
    CsvRecord row{lines.Number(), {}};
    for (const std::string_view word : Words(line)) row.fields.emplace_back(word);
    rows.push_back(std::move(row));
  }
  return true;
}

// Whether a field is a matrix entry: a number, or blank (no edge).
bool IsEntry(const std::string& field) {
  const std::string_view trimmed = Trim(field);
  return trimmed.empty() || IsNumber(trimmed);
}

bool AllEntries(const std::vector<std::string>& fields, std::size_t from) {
  return std::all_of(fields.begin() + static_cast<std::ptrdiff_t>(from), fields.end(), IsEntry);
}

// Whether names are the numbers 0..N-1 or 1..N, in order: the header pandas writes for a matrix
// of numbered nodes.
bool CountsUp(const std::vector<std::string>& names, std::size_t from) {
  if (names.size() < from + 3) return false;  // "0 1" starts too many edge lists
  for (const int start : {0, 1}) {
    bool counts = true;
    for (std::size_t k = from; k < names.size() && counts; ++k) {
      counts = Trim(names[k]) == std::to_string(static_cast<std::size_t>(start) + k - from);
    }
    if (counts) return true;
  }
  return false;
}

// Whether an entry means an edge: neither blank nor zero.
bool IsEdge(std::string_view entry) {
  if (entry.empty()) return false;
  for (const char c : entry) {
    if (c >= '1' && c <= '9') return true;
    if (c == 'e' || c == 'E') return false;  // 0.0e+00: the exponent of a zero
  }
  // No digit but zeros before any exponent: a zero, or a word such as inf or nan (an edge, which
  // the builder refuses as no finite number).
  return entry.find_first_of("0123456789") == std::string_view::npos;
}

}  // namespace

namespace {

// Finds the layout and reads the matrix into builder, or (builder null) only finds the layout.
bool Matrix(std::string_view text, NetworkBuilder* builder, std::string& why) {
  // numpy.savetxt's header, where one is asked for, is '#' lines at the top.
  Lines top(text);
  std::size_t skipped = 0;
  for (std::string_view line; top.Next(line);) {
    const std::string_view trimmed = Trim(line);
    if (!trimmed.empty() && trimmed[0] != '#') break;
    skipped = static_cast<std::size_t>(line.data() + line.size() - text.data());
  }
  const std::string_view body = text.substr(std::min(text.size(), skipped));
  // A matrix has about as many fields a row as rows: a file with far fewer fields in its first
  // row than it has rows is none, found without splitting it (a road network has millions).
  std::string_view first;  // the first row
  {
    Lines counted(body);
    long long rows = 0;
    std::size_t widest = 0;  // the first row's fields at the separator that gives most (quotes only add)
    for (std::string_view line; counted.Next(line);) {
      if (Trim(line).empty()) continue;
      if (rows++ == 0) {
        first = line;
        widest = Words(first).size();
        for (const char separator : {',', ';', '\t'}) {
          widest = std::max<std::size_t>(
              widest, 1 + static_cast<std::size_t>(std::count(first.begin(), first.end(), separator)));
        }
      }
      if (static_cast<long long>(widest) + 1 < rows) break;  // enough rows counted to tell
    }
    // Counting stops past the rows the first row allows, so the count is told as a bound then.
    const bool tooMany = static_cast<long long>(widest) + 1 < rows;
    if (rows < 2 || tooMany) {
      why = "not an adjacency matrix: " + (tooMany ? "more than " + std::to_string(widest + 1) : std::to_string(rows)) +
            " rows of " + std::to_string(widest) +
            " fields, where a matrix of N nodes has N rows of N measures (with a row and a column of names, or not)";
      return false;
    }
  }
  const long long offset = [&] {
    long long lines = 0;
    Lines counted(text.substr(0, skipped));
    for (std::string_view line; counted.Next(line);) ++lines;
    return lines;
  }();
  // The separator: the first of , ; tab at which every row has the same count of 2 or more
  // fields; else blanks.
  std::vector<CsvRecord> rows;
  bool split = false;
  for (const char separator : {',', ';', '\t', '\0'}) {
    std::string reason;
    if (separator != '\0' && first.find(separator) == std::string_view::npos) continue;  // no split of it
    if (!Rows(body, separator, rows, reason) || rows.empty()) continue;
    const std::size_t width = rows[0].fields.size();
    const bool even =
        std::all_of(rows.begin(), rows.end(), [&](const CsvRecord& r) { return r.fields.size() == width; });
    // A header row one shorter than the rows: pandas without the corner field.
    const bool shortHeader =
        rows.size() > 1 && width + 1 == rows[1].fields.size() &&
        std::all_of(rows.begin() + 1, rows.end(), [&](const CsvRecord& r) { return r.fields.size() == width + 1; });
    if (width >= 2 && (even || shortHeader)) {
      split = true;
      break;
    }
  }
  if (!split) {
    why = "the rows do not all have the same number of fields: not an adjacency matrix";
    return false;
  }
  for (CsvRecord& row : rows) row.line += offset;
  // Which layout: the entries alone, names in a header row, in a first column, or both.
  const std::size_t count = rows.size();
  const std::size_t width = rows.back().fields.size();
  const bool even = rows[0].fields.size() == width;  // else the header row lacks the corner field
  const auto entries = [&](std::size_t firstRow, std::size_t firstColumn) {
    for (std::size_t r = firstRow; r < count; ++r) {
      if (!AllEntries(rows[r].fields, firstColumn)) return false;
    }
    return true;
  };
  // Whether the diagonal of the square whose top left cell is (row, column) holds only blanks and
  // zeros: a matrix of a network without self-loops, as its writers write one.
  const auto plainDiagonal = [&](std::size_t row, std::size_t column, std::size_t size) {
    for (std::size_t k = 0; k < size; ++k) {
      if (IsEdge(Trim(rows[row + k].fields[column + k]))) return false;
    }
    return true;
  };
  // Whether the first row from field 1 and the first column from row 1 give one list of distinct
  // names (a corner field first): pandas's layout, whose names may be numbers in any order.
  const auto namedBothWays = [&] {
    if (!even || width != count || count < 3) return false;
    std::set<std::string_view> distinct;
    for (std::size_t k = 1; k < count; ++k) {
      const std::string_view name = Trim(rows[0].fields[k]);
      if (name.empty() || name != Trim(rows[k].fields[0]) || !distinct.insert(name).second) return false;
    }
    return entries(1, 1);
  };
  const std::string_view corner = Trim(rows[0].fields[0]);
  const auto blankDiagonal = [&] {  // beyond the corner, read as a matrix of measures
    for (std::size_t k = 1; k < count; ++k) {
      if (!Trim(rows[k].fields[k]).empty()) return false;
    }
    return true;
  };
  std::size_t n = 0;
  bool header = false;
  bool column = false;
  if (namedBothWays() && (!IsEntry(std::string(corner)) || (corner.empty() && (!entries(0, 0) || !blankDiagonal())))) {
    // A corner that is a label or blank (pandas), where a matrix of measures would hold a
    // measure: unless blank too is every other diagonal entry, when both readings stand.
    n = count - 1;
    header = column = true;
  } else if (namedBothWays() && corner.empty() && entries(0, 0)) {
    why = AtLine(rows[0].line) +
          "the first row and column may name the nodes or hold measures (the diagonal is blank): write 0 on the "
          "diagonal, or a word such as 'node' in the corner field if they are names";
    return false;
  } else if (even && width == count && entries(1, 1) && !AllEntries(rows[0].fields, 1)) {
    n = count - 1;  // names both ways that disagree: refused below, naming the row
    header = column = true;
  } else if (even && width == count && entries(0, 0)) {
    n = count;
  } else if (even && width == count - 1 && entries(1, 0) &&
             (!AllEntries(rows[0].fields, 0) || CountsUp(rows[0].fields, 0) || plainDiagonal(1, 0, width))) {
    n = width;  // names in a header row alone (pandas's index=False)
    header = true;
  } else if (!even && width == count && entries(1, 1) && rows[0].fields.size() + 1 == width) {
    n = count - 1;  // a header without the corner field, and names first on every row
    header = column = true;
  } else if (even && width == count + 1 && entries(0, 1) &&
             (std::none_of(rows.begin(), rows.end(), [](const CsvRecord& r) { return IsEntry(r.fields[0]); }) ||
              CountsUp(
                  [&] {
                    std::vector<std::string> first;
                    for (const CsvRecord& r : rows) first.push_back(r.fields[0]);
                    return first;
                  }(),
                  0) ||
              plainDiagonal(0, 1, count))) {
    n = count;  // names first on every row alone (pandas's header=False)
    column = true;
  } else {
    why = "not an adjacency matrix: " + std::to_string(count) + " rows of " + std::to_string(width) +
          " fields, where a matrix of N nodes has N rows of N measures (with a row and a column of names, or not)";
    return false;
  }
  // The names: the header's and the first column's must agree.
  std::vector<std::string> names(n);
  std::set<std::string> seen;
  for (std::size_t k = 0; k < n; ++k) {
    const std::vector<std::string>& head = rows[0].fields;
    const std::string fromHeader = header ? std::string(Trim(head[head.size() == n ? k : k + 1])) : std::string();
    const std::string fromColumn = column ? std::string(Trim(rows[k + (header ? 1 : 0)].fields[0])) : std::string();
    if (header && column && fromHeader != fromColumn) {
      why = AtLine(rows[k + 1].line) + "the row's name " + Quote(fromColumn) + " is not column " +
            std::to_string(k + 1) + "'s, " + Quote(fromHeader) +
            ": the rows and columns must name the nodes in one order";
      return false;
    }
    names[k] = header ? fromHeader : column ? fromColumn : std::to_string(k + 1);
    if (names[k].empty()) {
      why = AtLine(header ? rows[0].line : rows[k].line) + "node " + std::to_string(k + 1) + " has an empty name";
      return false;
    }
    if (!seen.insert(names[k]).second) {
      why = AtLine(header ? rows[0].line : rows[k].line) + "the name " + Quote(names[k]) + " is given twice";
      return false;
    }
  }
  if (builder == nullptr) return true;
  std::vector<int> node(n);
  for (std::size_t k = 0; k < n; ++k) node[k] = builder->NodeByName(names[k]);
  const std::size_t firstRow = header ? 1 : 0;
  const std::size_t firstColumn = column ? 1 : 0;
  const auto at = [&](std::size_t i, std::size_t j) { return Trim(rows[firstRow + i].fields[firstColumn + j]); };
  for (std::size_t i = 0; i < n; ++i) {
    for (std::size_t j = i; j < n; ++j) {
      const std::string_view upper = at(i, j);
      const std::string_view lower = at(j, i);
      const long long line = rows[firstRow + i].line;
      if (IsEdge(upper) && !builder->AddEdge(node[i], node[j], upper, line, why)) return false;
      if (j != i && IsEdge(lower) && (!IsEdge(upper) || upper != lower) &&
          !builder->AddEdge(node[j], node[i], lower, rows[firstRow + j].line, why)) {
        return false;
      }
    }
  }
  return true;
}

}  // namespace

bool MatrixShaped(std::string_view text) {
  std::string why;
  return Matrix(text, nullptr, why);
}

bool ReadMatrix(std::string_view text, NetworkBuilder& builder, std::string& why) {
  return Matrix(text, &builder, why);
}

}  // namespace mst
