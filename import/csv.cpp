// CSV and other delimited text: fields separated by commas, semicolons (spreadsheets in many
// languages) or tabs, quoted as RFC 4180 has it (a field in double quotes may hold the
// separator, line ends and doubled quotes). The separator is the one every row splits at into
// the same number of fields; tabs where they do and commas or semicolons do too (names hold
// commas, hardly ever tabs). The first row is a header when it names the source and target
// columns (source/from/..., target/to/..., weight/cost/...), or the columns --columns or
// --weight name; without one, the columns are source, target and optionally the measure.
#include <vector>

#include "import/detail/builder.h"
#include "import/detail/readers.h"
#include "import/detail/text.h"

namespace mst {

namespace {

using Record = CsvRecord;

}  // namespace

namespace {

// Splits text into records at separator, one at a time: visit(record) is called for each (the
// same record, its fields reused) and returns false to stop. Blank lines are skipped. False
// with why for a record that breaks RFC 4180's quoting. Costs one record's size in memory.
template <typename Visit>
bool EachRecord(std::string_view text, char separator, Visit visit, std::string& why) {
  Lines lines(text);
  Record record;
  for (std::string_view line; lines.Next(line);) {
    if (Trim(line).empty()) continue;
    record.line = lines.Number();
    std::size_t count = 1;  // fields in use: record.fields keeps its strings' room from row to row
    if (record.fields.empty()) record.fields.emplace_back();
    record.fields[0].clear();
    std::string* field = &record.fields[0];
    const auto next = [&] {
      if (record.fields.size() == count) record.fields.emplace_back();
      field = &record.fields[count++];
      field->clear();
    };
    bool quoted = false;
    bool closed = false;  // a quoted field has closed: only the separator may follow
    for (std::size_t k = 0;; ++k) {
      if (k == line.size()) {
        if (!quoted) break;
        if (!lines.Next(line)) {
          why = AtLine(record.line) + "a quoted field is not closed";
          return false;
        }
        *field += '\n';
        k = static_cast<std::size_t>(-1);
        continue;
      }
      const char c = line[k];
      if (quoted) {
        if (c == '"' && k + 1 < line.size() && line[k + 1] == '"') {
          *field += '"';
          ++k;
        } else if (c == '"') {
          quoted = false;
          closed = true;
        } else {
          *field += c;
        }
      } else if (c == separator) {
        next();
        closed = false;
      } else if (closed && c != ' ' && c != '\r') {
        why = AtLine(lines.Number()) + "text after a quoted field's closing quote (a field that starts with a quote " +
              "must be all in quotes, its own quotes doubled)";
        return false;
      } else if (c == '"' && Trim(*field).empty()) {
        field->clear();
        quoted = true;  // only a field's first character opens quotes; elsewhere a quote is a quote
      } else if (!closed) {
        *field += c;
      }
    }
    record.fields.resize(count);
    if (!visit(static_cast<const Record&>(record))) return true;
  }
  return true;
}

}  // namespace

bool CsvRecords(std::string_view text, char separator, std::vector<CsvRecord>& records, std::string& why) {
  records.clear();
  return EachRecord(
      text, separator,
      [&records](const Record& record) {
        records.push_back(record);
        return true;
      },
      why);
}

namespace {

std::string Field(const std::string& field) { return std::string(Trim(field)); }

bool IsMeasure(const std::string& field) { return IsNumber(Trim(field)); }

const char* const kSeparatorNames[] = {"commas", "semicolons", "tabs"};

}  // namespace

bool ReadCsv(std::string_view text, NetworkBuilder& builder, std::string& why) {
  const ImportOptions& options = builder.Options();
  // The separator: the one of , ; tab at which every row splits into the same number (2 or more)
  // of fields. Two that do are refused: the file could mean either.
  static const char kSeparators[] = {',', ';', '\t'};
  Record first;  // the first record, and the second (a header's telling looks at it)
  Record second;
  std::size_t count = 0;  // the records
  int chosen = -1;
  std::string firstWhy;
  int broken = -1;  // a separator on every line whose split broke on quotes
  std::string brokenWhy;
  // A separator the first row lacks splits no row in two: such a split of the whole file is not
  // made.
  std::string_view firstRow;
  for (Lines lines(text); lines.Next(firstRow) && Trim(firstRow).empty();) {
  }
  for (int s = 0; s < 3; ++s) {
    std::string reason;
    if (firstRow.find(kSeparators[s]) == std::string_view::npos && firstRow.find('"') == std::string_view::npos) {
      continue;
    }
    Record head;
    Record next;
    Record ragged;  // the first record whose field count differs from the first's
    std::size_t rows = 0;
    const bool split = EachRecord(
        text, kSeparators[s],
        [&](const Record& record) {
          if (rows == 0) head = record;
          if (rows == 1) next = record;
          ++rows;
          if (record.fields.size() != head.fields.size() && ragged.fields.empty()) ragged = record;
          return ragged.fields.empty();
        },
        reason);
    // A separator on every line whose split breaks (on quotes, or into rows of other lengths) may
    // be the file's own all the same, with names that hold quotes or the other separator (edge
    // lists write names as they are).
    const auto mayBeBroken = [&](const std::string& how) {
      bool everyLine = true;
      Lines lines(text);
      for (std::string_view line; lines.Next(line) && everyLine;) {
        everyLine = Trim(line).empty() || line.find(kSeparators[s]) != std::string_view::npos;
      }
      if (everyLine && broken < 0) {
        broken = s;
        brokenWhy = how;
      }
    };
    if (!split) {
      if (firstWhy.empty() && text.find(kSeparators[s]) != std::string_view::npos) firstWhy = reason;
      mayBeBroken(reason.substr(reason.find(": ") + 2));
      continue;
    }
    if (rows == 0) {
      why = "the file is empty";
      return false;
    }
    if (head.fields.size() < 2 || !ragged.fields.empty()) {
      if (firstWhy.empty() && head.fields.size() >= 2) {
        firstWhy = AtLine(ragged.line) + std::to_string(ragged.fields.size()) + " fields where line " +
                   std::to_string(head.line) + " has " + std::to_string(head.fields.size()) + " (separated by " +
                   kSeparatorNames[s] + ")";
      }
      if (!ragged.fields.empty()) mayBeBroken("they split rows into fields of other counts");
      continue;
    }
    // Tabs and commas (or semicolons) both splitting every row: names hold commas far more often
    // than tabs, so the tabs separate (as csv.writer with a tab delimiter writes such names).
    if (chosen >= 0 && kSeparators[s] != '\t') {
      why = std::string("every row splits alike at ") + kSeparatorNames[chosen] + " and at " + kSeparatorNames[s] +
            ": the separator cannot be told";
      builder.Recognized();  // delimited text all the same: an edge list's reading must not stand alone
      return false;
    }
    chosen = s;
    first = std::move(head);
    second = std::move(next);
    count = rows;
  }
  if (chosen < 0) {
    why = !firstWhy.empty() ? firstWhy : "no commas, semicolons or tabs separate the fields";
    return false;
  }
  if (broken >= 0 && options.format != "csv") {
    why = std::string("every row splits at ") + kSeparatorNames[chosen] + ", but " + kSeparatorNames[broken] +
          " stand on every line too, where " + brokenWhy + ": names may hold " + kSeparatorNames[chosen] +
          ", which cannot be told apart from the separator (save the file as CSV with its names in quotes, or as "
          "GraphML)";
    builder.Recognized();
    return false;
  }
  const char separator = kSeparators[chosen];
  // The header, and which column is which.
  const std::vector<std::string>& names = first.fields;
  std::size_t column[3] = {SIZE_MAX, SIZE_MAX, SIZE_MAX};
  static const char* const kRoles[3] = {"source", "target", "weight"};
  std::vector<std::string> wanted = options.columns;
  if (wanted.size() > 2 && !options.weight.empty()) {
    why = "--columns names the weight column already: leave out --weight";
    return false;
  }
  if (!options.weight.empty()) {
    wanted.resize(2);
    wanted.push_back(options.weight);
  }
  std::vector<std::string_view> firstViews(names.begin(), names.end());
  const bool header =
      !wanted.empty() || NamesColumns(firstViews) || [&] {  // a weight column by name where the others are not named
        for (const std::string& f : names) {
          if (RoleOfName(f) == Role::kWeight) return true;
        }
        return false;
      }();
  if (header) {
    for (int role = 0; role < 3; ++role) {
      const bool byOption = role < static_cast<int>(wanted.size()) && !wanted[static_cast<std::size_t>(role)].empty();
      for (std::size_t k = 0; k < names.size() && column[role] == SIZE_MAX; ++k) {
        if (byOption ? Lower(Trim(names[k])) == Lower(wanted[static_cast<std::size_t>(role)])
                     : RoleOfName(names[k]) == static_cast<Role>(role)) {
          column[role] = k;
        }
      }
      if (column[role] == SIZE_MAX && (role < 2 || byOption)) {
        why = AtLine(first.line) + "no " + kRoles[role] + " column in the header " +
              (byOption ? "named '" + wanted[static_cast<std::size_t>(role)] + "'"
                        : std::string("(named ") + RoleExamples(static_cast<Role>(role)) + "; or give --columns)");
        return false;
      }
    }
  } else if (names.size() > 3) {
    why = AtLine(first.line) + std::to_string(names.size()) +
          " fields and no header row naming the source, target and weight columns (or give --columns)";
    return false;
  } else {
    column[0] = 0;
    column[1] = 1;
    column[2] = names.size() == 3 ? 2 : SIZE_MAX;
    const bool digits = names.size() == 3 && names[2].find_first_of("0123456789") != std::string::npos;
    if (column[2] != SIZE_MAX && !digits && count > 1 && IsMeasure(second.fields[2])) {
      why = AtLine(first.line) + "it looks like a header row, but names no source and target columns (" +
            RoleExamples(Role::kSource) + "; " + RoleExamples(Role::kTarget) + "): give --columns";
      return false;
    }
  }
  // Unless --format says CSV (an extension may be wrong), two fields whose second always ends in a number after a blank
  // may be 'u v w' lines split at blanks whose names hold the separator (igraph's NCOL, NetworkX's edge lists write
  // names as they are).
  if (builder.Options().format != "csv" && !header) {
    bool trailing = names.size() == 2;
    // Or every row splits at blanks into as many words as an edge has (2 or 3), a field holding a
    // blank: 'u v [w]' lines whose names hold the separator.
    std::size_t words = 0;
    bool blanks = false;
    std::string joined;
    if (!EachRecord(
            text, separator,
            [&](const Record& record) {
              if (trailing) {
                const std::string_view field = Trim(record.fields[1]);
                const std::size_t blank = field.find_last_of(" \t");
                trailing = blank != std::string_view::npos && IsNumber(field.substr(blank + 1));
              }
              joined.clear();
              for (std::size_t f = 0; f < record.fields.size(); ++f) {
                const std::string& field = record.fields[f];
                joined += field;
                joined += separator;
                // A blank inside a field, or just before a separator ("X ;Y": a name may start with ';').
                blanks =
                    blanks || Trim(field).find_first_of(" \t") != std::string_view::npos ||
                    (f + 1 < record.fields.size() && !field.empty() && (field.back() == ' ' || field.back() == '\t'));
              }
              const std::vector<std::string_view> split = Words(joined);
              // As 'u v w', the third word is a measure.
              const std::size_t here = split.size() == 3 && !IsNumber(split[2]) ? SIZE_MAX : split.size();
              words = words == 0 || words == here ? here : SIZE_MAX;
              return true;
            },
            why)) {
      return false;
    }
    // Two fields, one holding a blank: 'u v' lines whose names hold blanks and the separator
    // read as well.
    if (trailing || (blanks && (words == 2 || words == 3 || names.size() == 2))) {
      builder.Recognized();  // CSV's shape all the same: the other reading does not stand alone
      why = AtLine(first.line) +
            (trailing                   ? "every row's second field ends in a number after a blank"
             : words == 2 || words == 3 ? "every row splits at blanks into " + std::to_string(words) + " words"
                                        : std::string("two fields a row, one holding a blank")) +
            ": the lines may be 'u v [w]' edges split at blanks whose names hold " + kSeparatorNames[chosen] +
            " (--format csv reads them split at " + kSeparatorNames[chosen] +
            ", --format edgelist split at blanks; names with blanks cannot be told apart in a file split at blanks: "
            "save it as CSV or GraphML, which keep them)";
      return false;
    }
  }
  // Without a weight column, a column of numbers may be the measure under another name: every
  // edge would silently be 1.
  if (header && column[2] == SIZE_MAX) {
    // Which other named columns hold numbers on every row after the header.
    std::vector<bool> numbers(names.size(), count > 1);
    std::size_t row = 0;
    if (!EachRecord(
            text, separator,
            [&](const Record& record) {
              if (row++ == 0) return true;
              for (std::size_t k = 0; k < names.size(); ++k) numbers[k] = numbers[k] && IsMeasure(record.fields[k]);
              return true;
            },
            why)) {
      return false;
    }
    std::vector<std::string> numeric;
    for (std::size_t k = 0; k < names.size(); ++k) {
      if (k != column[0] && k != column[1] && !Trim(names[k]).empty() && numbers[k]) numeric.push_back(Field(names[k]));
    }
    if (!numeric.empty()) {
      why = AtLine(first.line) + "no weight column (named " + RoleExamples(Role::kWeight) + "), but " +
            Listed(numeric) + (numeric.size() == 1 ? " holds" : " hold") + " numbers: " + WeightChoices(numeric, true);
      return false;
    }
  }
  std::size_t row = 0;
  bool added = true;
  if (!EachRecord(
          text, separator,
          [&](const Record& record) {
            if (row++ == 0 && header) return true;
            const std::string source = Field(record.fields[column[0]]);
            const std::string target = Field(record.fields[column[1]]);
            if (source.empty() || target.empty()) {
              why = AtLine(record.line) + "an empty " + (source.empty() ? "source" : "target");
              return added = false;
            }
            const std::string measure = column[2] == SIZE_MAX ? "" : Field(record.fields[column[2]]);
            const int a = builder.NodeByName(source);  // the source first: nodes are numbered as met
            const int b = builder.NodeByName(target);
            return added = builder.AddEdge(a, b, measure, record.line, why);
          },
          why) ||
      !added) {
    return false;
  }
  if (header && count == 1) {
    why = "the file holds a header row and no edges";
    return false;
  }
  return true;
}

}  // namespace mst
