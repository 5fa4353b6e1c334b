// Matrix Market files: the banner "%%MatrixMarket matrix LAYOUT FIELD SYMMETRY", "%" comments,
// a size line, then the entries. Coordinate files list "i j [value]" entries (pattern files have
// no value: every edge is 1), each an edge, an explicit zero included; array files (SciPy's
// mmwrite of a dense matrix) list every value column by column, the lower triangle only where
// symmetric, and a zero there is no edge. Keywords are case-insensitive. A network needs a
// square matrix of integer, real or pattern values, general or symmetric.
#include <climits>
#include <string>
#include <vector>

#include "graph/integer_text.h"
#include "import/detail/builder.h"
#include "import/detail/readers.h"
#include "import/detail/text.h"

namespace mst {

namespace {

// Whether an array's value is zero (no edge): 0, -0, 0.0, 0.000e+00.
bool IsZero(std::string_view value) {
  double number = 1;
  return ParseDecimal(value, number) == Decimal::kNumber && number == 0;
}

}  // namespace

bool StartsMtx(std::string_view text) { return Lower(text.substr(0, 14)) == "%%matrixmarket"; }

bool ReadMtx(std::string_view text, NetworkBuilder& builder, std::string& why) {
  Lines lines(text);
  std::string_view line;
  if (!lines.Next(line)) {
    why = "the file is empty";
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
  if (layout != "coordinate" && layout != "array") {
    why = AtLine(1) + "the layout " + Quote(layout) + " is neither 'coordinate' nor 'array'";
    return false;
  }
  if (field != "integer" && field != "real" && (field != "pattern" || layout == "array")) {
    why = AtLine(1) + Quote(field) + " entries describe no weighted network (integer, real" +
          (layout == "array" ? ")" : " or pattern)");
    return false;
  }
  if (symmetry != "general" && symmetry != "symmetric") {
    why = AtLine(1) + "a " + Quote(symmetry) + " matrix describes no undirected network (general or symmetric)";
    return false;
  }
  const bool array = layout == "array";
  const bool symmetric = symmetry == "symmetric";
  long long entries = -1;  // announced (coordinate), or due (array)
  long long n = 0;         // the matrix's order
  long long found = 0;
  long long row = 0;  // array files: the next value's place, 0-based
  long long col = 0;
  const std::size_t columns = field == "pattern" ? 2 : 3;
  for (; lines.Next(line);) {
    const std::vector<std::string_view> words = Words(line);
    if (words.empty() || words[0][0] == '%') continue;
    const long long at = lines.Number();
    if (entries < 0) {
      long long rows = 0;
      long long cols = 0;
      if (words.size() != (array ? 2u : 3u) || !WholeNumber(words[0], rows, 0, INT32_MAX - 1) ||
          !WholeNumber(words[1], cols, 0, INT32_MAX - 1) || (!array && !WholeNumber(words[2], entries, 0, LLONG_MAX))) {
        entries = -1;
        why = AtLine(at) +
              (array ? "the size line must read 'ROWS COLUMNS'" : "the size line must read 'ROWS COLUMNS ENTRIES'");
        return false;
      }
      if (rows != cols) {
        why = AtLine(at) + "a network needs a square matrix, this one has " + std::to_string(rows) + " rows and " +
              std::to_string(cols) + " columns";
        return false;
      }
      n = rows;
      if (array) entries = symmetric ? n * (n + 1) / 2 : n * n;
      builder.Declare(n);
      continue;
    }
    if (array) {
      if (words.size() != 1) {
        why = AtLine(at) + "an array entry is one value";
        return false;
      }
      if (found == entries) {
        why = AtLine(at) + "more values than the " + std::to_string(entries) + " a " + std::to_string(n) + " by " +
              std::to_string(n) + (symmetric ? " symmetric" : "") + " array holds";
        return false;
      }
      // Column by column; in symmetric files each column from the diagonal down.
      const long long i = row;
      const long long j = col;
      if (++row == n) {
        ++col;
        row = symmetric ? col : 0;
      }
      ++found;
      if (IsZero(words[0])) continue;
      int x = 0;
      int y = 0;
      if (!builder.NodeById(std::to_string(i + 1), x, why) || !builder.NodeById(std::to_string(j + 1), y, why)) {
        why = AtLine(at) + why;
        return false;
      }
      if (!builder.AddEdge(x, y, words[0], at, why)) return false;
      continue;
    }
    if (words.size() != columns) {
      why = AtLine(at) + "an entry must read " + (columns == 2 ? "'ROW COLUMN'" : "'ROW COLUMN VALUE'");
      return false;
    }
    int x = 0;
    int y = 0;
    if (!builder.NodeById(words[0], x, why) || !builder.NodeById(words[1], y, why)) {
      why = AtLine(at) + why;
      return false;
    }
    if (!builder.AddEdge(x, y, columns == 3 ? words[2] : std::string_view(), at, why)) return false;
    ++found;
  }
  if (entries < 0) {
    why = std::string("no size line '") + (array ? "ROWS COLUMNS'" : "ROWS COLUMNS ENTRIES'");
    return false;
  }
  if (found != entries) {
    why = (array ? "a " + std::to_string(n) + " by " + std::to_string(n) + (symmetric ? " symmetric" : "") +
                       " array holds " + std::to_string(entries) + " values, the file "
                 : "the size line announces " + std::to_string(entries) + " entries, the file holds ") +
          std::to_string(found);
    return false;
  }
  return true;
}

}  // namespace mst
