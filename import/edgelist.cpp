// Edge lists: one edge a line, "u v" or "u v w" (SNAP, KONECT, NetworkX's weighted and plain
// edge lists, igraph's), or "u v {'weight': 4}" (NetworkX's default: a Python dict of the edge's
// attributes). Fields are split at tabs where every line holds one (names may then hold spaces),
// else at blanks, where a name with a blank cannot be told from two names: such lines are
// refused rather than split one way or another. Every edge has the same shape: a file that
// mixes edges with and without a measure is refused, as names with blanks would make one. Told
// from the content, an edge list keeps its comments at the top, as every writer does: '#'
// lines among the edges are LGL's node lines.
#include <algorithm>
#include <vector>

#include "graph/integer_text.h"
#include "import/detail/builder.h"
#include "import/detail/readers.h"
#include "import/detail/text.h"

namespace mst {

namespace {

bool IsComment(std::string_view line) {
  const std::string_view trimmed = Trim(line);
  return !trimmed.empty() && (trimmed[0] == '#' || trimmed[0] == '%');
}

// Reads a Python string literal ('...' or "...", with backslash escapes) at text[k] into value.
bool PythonString(std::string_view text, std::size_t& k, std::string& value) {
  if (k >= text.size() || (text[k] != '\'' && text[k] != '"')) return false;
  const char quote = text[k++];
  value.clear();
  for (; k < text.size(); ++k) {
    if (text[k] == '\\' && k + 1 < text.size()) {
      value += text[++k];
    } else if (text[k] == quote) {
      ++k;
      return true;
    } else {
      value += text[k];
    }
  }
  return false;
}

// Passes one Python value at text[k]: a string, or anything up to the next ',' or '}' outside
// brackets and strings.
bool PythonValue(std::string_view text, std::size_t& k, std::string_view& value, bool& isString) {
  const std::size_t start = k;
  std::string skipped;
  isString = k < text.size() && (text[k] == '\'' || text[k] == '"');
  if (isString) {
    if (!PythonString(text, k, skipped)) return false;
    value = text.substr(start, k - start);
    return true;
  }
  int depth = 0;
  for (; k < text.size(); ++k) {
    const char c = text[k];
    if (c == '\'' || c == '"') {
      if (!PythonString(text, k, skipped)) return false;
      --k;
    } else if (c == '[' || c == '(' || c == '{') {
      ++depth;
    } else if (c == ']' || c == ')' || c == '}') {
      if (depth == 0) break;
      --depth;
    } else if (c == ',' && depth == 0) {
      break;
    }
  }
  value = Trim(text.substr(start, k - start));
  return !value.empty();
}

}  // namespace

bool PythonDict(std::string_view text, std::vector<Attribute>& attributes) {
  attributes.clear();
  std::size_t k = 1;
  const auto blanks = [&] {
    while (k < text.size() && (text[k] == ' ' || text[k] == '\t')) ++k;
  };
  if (text.empty() || text[0] != '{') return false;
  blanks();
  if (k < text.size() && text[k] == '}') return k + 1 == text.size();
  for (;;) {
    Attribute attribute;
    blanks();
    if (!PythonString(text, k, attribute.key)) return false;
    blanks();
    if (k >= text.size() || text[k] != ':') return false;
    ++k;
    blanks();
    if (!PythonValue(text, k, attribute.value, attribute.isString)) return false;
    attributes.push_back(std::move(attribute));
    blanks();
    if (k < text.size() && text[k] == ',') {
      ++k;
      continue;
    }
    return k < text.size() && text[k] == '}' && k + 1 == text.size();
  }
}

namespace {

// The fields of an edge line: 2 ('u v'), 3 ('u v w') or 0 for 'u v {attributes}'.
std::size_t EdgeFields(std::string_view line, bool tabs) {
  const std::vector<std::string_view> fields = tabs ? TabFields(Trim(line)) : Words(line);
  if (fields.size() >= 3 && !fields[2].empty() && fields[2][0] == '{') return 0;
  return fields.size() == 3 && !IsNumber(fields[2]) ? 1 : fields.size();
}

// Whether a line that starts with a comment's mark may be an edge of a file whose edges have
// the shape given (EdgeFields): it has that shape, or its mark is the first letter of a name
// (no blank follows it) and at least one more word follows.
bool MayBeEdge(std::string_view line, bool tabs, std::size_t shape) {
  const std::string_view trimmed = Trim(line);
  if (EdgeFields(trimmed, tabs) == shape) return true;
  // Past a mark that starts a name, two words or more may be an edge whatever the file's shape:
  // names with blanks make the shapes of lines differ.
  return trimmed.size() >= 2 && trimmed[1] != ' ' && trimmed[1] != '\t' && Words(trimmed).size() >= 2;
}

enum class Shape { kPair, kWeighted, kAttributes };

const char* const kShapeNames[] = {"'u v'", "'u v w'", "'u v {attributes}'"};

}  // namespace

bool DictMeasures::Take(const std::vector<Attribute>& attributes, long long line, std::string_view& measure,
                        std::string& why) {
  for (const Attribute& attribute : attributes) {
    if (attribute.key == key) {
      if (attribute.isString) {
        why = AtLine(line) + "the " + key + " " + std::string(attribute.value) + " is text, not a number";
        return false;
      }
      measure = attribute.value;
      ++keyed;
    } else if (!attribute.isString && IsNumber(attribute.value) &&
               std::find(others.begin(), others.end(), attribute.key) == others.end()) {
      others.push_back(attribute.key);
    }
  }
  return true;
}

std::string DictMeasures::Missing() const {
  return "no edge has the attribute '" + key + "'" +
         (others.empty()
              ? std::string()
              : ", but they have " + Listed(others) + (others.size() == 1 ? ", which holds" : ", which hold") +
                    " numbers: " + WeightChoices(others, false));
}

std::string NamesWithBlanks(long long line, std::size_t words, const char* what) {
  return AtLine(line) + std::to_string(words) + " words where " + what +
         ": node names with blanks cannot be told apart in a file split at blanks (save it as CSV or GraphML, "
         "which keep them)";
}

bool ReadEdgeLines(std::string_view text, NetworkBuilder& builder, bool comments, std::string& why) {
  // Lines starting with '#' or '%' are comments unless --comments none says they are edges.
  const std::string& mode = builder.Options().comments;
  comments = comments && mode != "none";
  // Split at tabs where every line holds one. A separator every line holds that is not split at
  // here (commas, semicolons) makes the file CSV.
  bool tabs = true;
  bool commas = true;
  bool semicolons = true;
  bool any = false;
  bool wholeIds = true;  // every edge's two ids are whole numbers: no '#' line can be one of them
  long long marked = 0;
  std::string_view firstEdge;
  std::vector<Attribute> scanned;
  Lines scan(text);
  for (std::string_view line; scan.Next(line);) {
    if (Trim(line).empty()) continue;
    if (comments && IsComment(line)) {
      ++marked;
      continue;
    }
    if (!any) firstEdge = line;
    any = true;
    // NetworkX's attributes aside: from a '{' after a blank whose rest of the line is a dict.
    std::string_view names = line;
    for (std::size_t brace = line.find(" {"); brace != std::string_view::npos; brace = line.find(" {", brace + 1)) {
      if (PythonDict(Trim(line.substr(brace + 1)), scanned)) {
        names = line.substr(0, brace);
        break;
      }
    }
    tabs = tabs && line.find('\t') != std::string_view::npos;
    commas = commas && names.find(',') != std::string_view::npos;
    semicolons = semicolons && names.find(';') != std::string_view::npos;
    const std::vector<std::string_view> words = Words(names);
    long long id = 0;
    wholeIds = wholeIds && words.size() >= 2 && WholeNumber(words[0], id) && WholeNumber(words[1], id);
  }
  if (!any) {
    why = marked > 0 ? "the file lists no edges: each of its " + std::to_string(marked) +
                           " lines starts with '#' or '%', a comment's mark (if they are edges whose first node's "
                           "name starts so, --comments none reads them)"
                     : "the file lists no edges";
    return false;
  }
  if (!tabs && (commas || semicolons)) {
    // Lines that are edges at blanks all the same (two names and a measure or NetworkX's dict)
    // may hold names with the separator: the CSV reading must not stand alone. --format edgelist
    // reads them split at blanks, as asked.
    bool shaped = true;  // two names and a measure, or a dict, on every line
    bool pairs = true;   // or two names at least
    Lines again(text);
    for (std::string_view line; again.Next(line) && pairs;) {
      if (Trim(line).empty() || (comments && IsComment(line))) continue;
      const std::size_t fields = EdgeFields(line, false);
      shaped = shaped && (fields == 0 || (fields == 3 && line.find('{') == std::string_view::npos));
      pairs = fields == 0 || fields == 2 || fields == 3;
    }
    if (builder.Options().format != "edgelist" || !pairs) {
      why = std::string("a ") + (commas ? "comma" : "semicolon") +
            " on every line separates the fields, as in CSV (--format csv reads such files)";
      if (shaped) builder.Recognized();
      return false;
    }
  }
  DictMeasures measures;
  measures.key = builder.Options().weight.empty() ? "weight" : builder.Options().weight;
  Shape shape = Shape::kPair;
  long long first = 0;  // the first edge's line, whose shape every line must have
  long long dicts = 0;
  std::vector<Attribute> attributes;
  Lines lines(text);
  for (std::string_view line; lines.Next(line);) {
    if (Trim(line).empty()) continue;
    if (comments && IsComment(line)) {
      // A marked line with the shape of the edges may be an edge whose first node's name starts
      // with the mark (NetworkX writes a node '#ml' so): refused unless --comments says which.
      if (mode.empty() && !wholeIds && MayBeEdge(line, tabs, EdgeFields(firstEdge, tabs))) {
        why = AtLine(lines.Number()) + Quote(Trim(line)) +
              " starts with a comment's mark yet has the shape of an edge: --comments none reads such lines as "
              "edges (nodes whose names start with '" +
              std::string(1, Trim(line)[0]) + "'), --comments skip as comments";
        return false;
      }
      // Edge lists keep their comments at the top; '#' lines among the edges are LGL's.
      if (first != 0 && builder.ByContent()) {
        why = AtLine(lines.Number()) + "a comment among the edges (--format edgelist reads it as an edge list)";
        return false;
      }
      builder.CountComment();
      continue;
    }
    const long long at = lines.Number();
    const std::vector<std::string_view> fields = tabs ? TabFields(line) : Words(line);
    // NetworkX's attributes: the rest of the line from the field opening them. A name may start
    // with '{' too: the dict is the first such field whose rest of the line is one (or, failing
    // that, the first such field after two names, for the refusal).
    std::size_t dict = fields.size();
    for (std::size_t k = 0; k < fields.size(); ++k) {
      if (fields[k].empty() || fields[k][0] != '{') continue;
      if (dict == fields.size() && k >= 2) dict = k;
      if (PythonDict(Trim(line.substr(static_cast<std::size_t>(fields[k].data() - line.data()))), attributes)) {
        dict = k;
        break;
      }
    }
    const Shape here = dict < fields.size() ? Shape::kAttributes : fields.size() == 3 ? Shape::kWeighted : Shape::kPair;
    if (here == Shape::kAttributes ? dict > 2 : fields.size() > 3) {
      if (tabs) {
        why = AtLine(at) + std::to_string(fields.size()) + " fields where an edge has 2 or 3 ('u v' or 'u v w')";
      } else {
        why = here == Shape::kAttributes ? NamesWithBlanks(at, dict, "2 come before the attributes")
                                         : NamesWithBlanks(at, fields.size(), "an edge has 2 or 3 ('u v' or 'u v w')");
      }
      return false;
    }
    if ((here == Shape::kAttributes ? dict : fields.size()) < 2 || fields[0].empty() || fields[1].empty()) {
      why = AtLine(at) + "an edge needs two node ids ('u v' or 'u v w')";
      return false;
    }
    if (first == 0) {
      first = at;
      shape = here;
    } else if (here != shape) {
      why = AtLine(at) + "an edge " + kShapeNames[static_cast<int>(here)] + " where line " + std::to_string(first) +
            " has " + kShapeNames[static_cast<int>(shape)] +
            ": every edge has a measure, or none does (names with blanks also make this: save such a file as CSV or "
            "GraphML, which keep them)";
      return false;
    }
    std::string_view measure;
    if (here == Shape::kWeighted) {
      measure = fields[2];
    } else if (here == Shape::kAttributes) {
      const std::string_view written = Trim(line.substr(static_cast<std::size_t>(fields[dict].data() - line.data())));
      if (!PythonDict(written, attributes)) {
        why = AtLine(at) + "the attributes " + Quote(written) + " are not a Python dict as NetworkX writes them";
        return false;
      }
      ++dicts;
      if (!measures.Take(attributes, at, measure, why)) return false;
    }
    const int a = builder.NodeByName(fields[0]);
    const int b = builder.NodeByName(fields[1]);
    if (!builder.AddEdge(a, b, measure, at, why)) {
      if (at == first && here == Shape::kWeighted && NamesColumns(fields)) {
        why = AtLine(at) +
              "it names the columns, but an edge list has no header row: delete the line, or save the "
              "file as CSV";
      } else if (here == Shape::kWeighted && !tabs && !IsNumber(measure)) {
        why +=
            "; if node names hold blanks, they cannot be told apart in a file split at blanks (save it as CSV "
            "or GraphML, which keep them)";
      }
      return false;
    }
  }
  if (!builder.Options().weight.empty() && dicts == 0) {
    why = "--weight names an edge attribute, but this edge list has none: its measures are its third column";
    return false;
  }
  // A measure under another name is not taken for none at all: every edge would be 1.
  if (dicts > 0 && measures.keyed == 0 && (!measures.others.empty() || !builder.Options().weight.empty())) {
    why = measures.Missing();
    return false;
  }
  return true;
}

bool ReadEdgelist(std::string_view text, NetworkBuilder& builder, std::string& why) {
  return ReadEdgeLines(text, builder, true, why);
}

}  // namespace mst
