// Adjacency lists as NetworkX writes them. write_adjlist: a line per node, its name and then
// its later neighbours, blank-separated, no measures. write_multiline_adjlist: a node's line
// "NAME COUNT", then COUNT lines "NEIGHBOUR {'weight': 17}" (or "NEIGHBOUR" without data).
// Both open with NetworkX's three comment lines ("#" and the program, "# GMT" and the date,
// "#" and the graph's name), passed over, which tell the format from the content; the layout
// is then the one that reads the lines. Any other line starting with '#' may be a node
// named so (NetworkX writes '#ml' at a line's start): refused unless --comments says which.
// Names are split at blanks, so a name with a blank cannot be told from two: in a plain list
// every node heads a line of its own and once, and a neighbour that heads none (a piece of
// such a name) is refused. A file that reads both ways is refused naming both formats.
#include <algorithm>
#include <unordered_map>
#include <vector>

#include "graph/integer_text.h"
#include "import/detail/builder.h"
#include "import/detail/readers.h"
#include "import/detail/text.h"

namespace mst {

namespace {

struct Line {
  long long number;
  std::string_view text;  // trimmed
};

// The lines that are data: NetworkX's header passed over, comments as --comments says.
bool DataLines(std::string_view text, const ImportOptions& options, std::vector<Line>& data, std::string& why) {
  std::vector<Line> all;
  Lines lines(text);
  for (std::string_view line; lines.Next(line);) {
    if (!Trim(line).empty()) all.push_back({lines.Number(), Trim(line)});
  }
  std::size_t first = 0;
  if (all.size() >= 3 && all[0].text[0] == '#' && all[1].text.compare(0, 6, "# GMT ") == 0 && all[2].text[0] == '#') {
    first = 3;
  }
  data.clear();
  for (std::size_t k = first; k < all.size(); ++k) {
    if (all[k].text[0] == '#' && options.comments != "none") {
      if (options.comments == "skip") continue;
      why = AtLine(all[k].number) + Quote(all[k].text) +
            " starts with a comment's mark, yet a node's line may start so (NetworkX writes a node '#ml' so): "
            "--comments none reads it as a node's line, --comments skip as a comment";
      return false;
    }
    data.push_back(all[k]);
  }
  if (data.empty()) {
    why = "the file lists no nodes";
    return false;
  }
  return true;
}

// Whether the lines have the multiline layout: "NAME COUNT", then COUNT lines, to the end.
bool Multiline(const std::vector<Line>& data) {
  for (std::size_t k = 0; k < data.size();) {
    const std::vector<std::string_view> words = Words(data[k].text);
    long long count = 0;
    if (words.size() != 2 || !WholeNumber(words[1], count, 0, static_cast<long long>(data.size()))) return false;
    k += 1 + static_cast<std::size_t>(count);
    if (k > data.size()) return false;
  }
  return true;
}

// Whether the plain layout reads the lines: every node heads one line, every neighbour heads
// one, and no line holds a dict of attributes.
bool PlainFits(const std::vector<Line>& data) {
  std::unordered_map<std::string_view, int> heads;
  for (const Line& line : data) {
    if (!heads.emplace(Words(line.text)[0], 0).second || line.text.find('{') != std::string_view::npos) return false;
  }
  for (const Line& line : data) {
    const std::vector<std::string_view> words = Words(line.text);
    for (std::size_t k = 1; k < words.size(); ++k) {
      if (heads.count(words[k]) == 0) return false;
    }
  }
  return true;
}

// Reads the plain layout, or returns false with why.
bool Plain(const std::vector<Line>& data, NetworkBuilder& builder, std::string& why) {
  std::unordered_map<std::string_view, long long> heads;  // name -> its line
  for (const Line& line : data) {
    const std::string_view head = Words(line.text)[0];
    if (!heads.emplace(head, line.number).second) {
      why = AtLine(line.number) + "the node " + Quote(head) + " heads a second line (line " +
            std::to_string(heads[head]) +
            " is its first): names with blanks cannot be told apart in a file split at blanks (save it as CSV or "
            "GraphML, which keep them)";
      return false;
    }
    (void)builder.NodeByName(head);
  }
  for (const Line& line : data) {
    const std::vector<std::string_view> words = Words(line.text);
    for (std::size_t k = 1; k < words.size(); ++k) {
      if (words[k][0] == '{') {
        why = AtLine(line.number) +
              "a dict of attributes, which write_multiline_adjlist writes: --format multiline-adjlist reads it";
        return false;
      }
      if (heads.count(words[k]) == 0) {
        why = AtLine(line.number) + "the neighbour " + Quote(words[k]) +
              " heads no line, as every node of write_adjlist's does: node names with blanks cannot be told apart "
              "in a file split at blanks (save it as CSV or GraphML, which keep them)";
        return false;
      }
      if (!builder.AddEdge(builder.NodeByName(words[0]), builder.NodeByName(words[k]), {}, line.number, why)) {
        return false;
      }
    }
  }
  return true;
}

}  // namespace

bool StartsAdjlist(std::string_view text) {
  Lines lines(text);
  std::string_view line[3];
  for (std::string_view& each : line) {
    if (!lines.Next(each)) return false;
  }
  return !line[0].empty() && line[0][0] == '#' && line[1].compare(0, 6, "# GMT ") == 0 && !line[2].empty() &&
         line[2][0] == '#';
}

bool ReadAdjlist(std::string_view text, NetworkBuilder& builder, std::string& why) {
  std::vector<Line> data;
  if (!DataLines(text, builder.Options(), data, why)) return false;
  // Both layouts share NetworkX's header and the extension: a file the multiline layout reads and
  // the plain one cannot is multiline; one both read is refused, unless --format adjlist.
  if (builder.Options().format != "adjlist" && Multiline(data)) {
    if (!PlainFits(data)) return ReadMultilineAdjlist(text, builder, why);
    why =
        "the lines read as a multiline adjacency list too ('NAME COUNT', then COUNT neighbours): --format "
        "multiline-adjlist reads them so, --format adjlist as a plain one";
    return false;
  }
  return Plain(data, builder, why);
}

bool ReadMultilineAdjlist(std::string_view text, NetworkBuilder& builder, std::string& why) {
  std::vector<Line> data;
  if (!DataLines(text, builder.Options(), data, why)) return false;
  DictMeasures measures;
  measures.key = builder.Options().weight.empty() ? "weight" : builder.Options().weight;
  std::vector<Attribute> attributes;
  for (std::size_t k = 0; k < data.size();) {
    const std::vector<std::string_view> words = Words(data[k].text);
    long long count = 0;
    if (words.size() != 2 || !WholeNumber(words[1], count, 0, static_cast<long long>(data.size() - k - 1))) {
      why = words.size() > 2 ? NamesWithBlanks(data[k].number, words.size(), "a node's line has 2 ('NAME COUNT')")
                             : AtLine(data[k].number) +
                                   "a node's line must read 'NAME COUNT', COUNT the neighbour lines that follow";
      return false;
    }
    const int node = builder.NodeByName(words[0]);
    for (long long n = 1; n <= count; ++n) {
      const Line& line = data[k + static_cast<std::size_t>(n)];
      // NetworkX's dict follows the name after a blank (a name may start with '{' itself).
      std::size_t brace = std::string_view::npos;
      for (std::size_t at = line.text.find(" {"); at != std::string_view::npos; at = line.text.find(" {", at + 1)) {
        if (PythonDict(Trim(line.text.substr(at + 1)), attributes)) {
          brace = at + 1;
          break;
        }
      }
      const std::vector<std::string_view> names = Words(line.text.substr(0, brace));
      if (names.size() != 1) {
        why = NamesWithBlanks(line.number, names.size(), "a neighbour's line names 1");
        return false;
      }
      std::string_view measure;
      if (brace != std::string_view::npos) {
        if (!PythonDict(Trim(line.text.substr(brace)), attributes)) {
          why = AtLine(line.number) + "the attributes " + Quote(line.text.substr(brace)) +
                " are not a Python dict as NetworkX writes them";
          return false;
        }
        if (!measures.Take(attributes, line.number, measure, why)) return false;
      }
      if (!builder.AddEdge(node, builder.NodeByName(names[0]), measure, line.number, why)) return false;
    }
    k += 1 + static_cast<std::size_t>(count);
  }
  if (measures.keyed == 0 && (!measures.others.empty() || !builder.Options().weight.empty())) {
    why = measures.Missing();
    return false;
  }
  return true;
}

}  // namespace mst
