// Pajek .net files: "*Vertices N" (a second number, as two-mode networks give, is ignored), then
// optional vertex lines 'ID "label" [x y [z]] [attributes]', then sections "*Edges" and "*Arcs"
// ('u v [w] [attributes]') or their lists "*Edgeslist" and "*Arcslist" ('u v1 v2 ...'). "%"
// starts a comment; keywords are case-insensitive. NetworkX quotes labels that hold a blank
// but writes a quote inside one as it is: the label then ends at the quote that is followed by
// the end of the line or a number (the x coordinate).
#include <vector>

#include "graph/integer_text.h"
#include "import/detail/builder.h"
#include "import/detail/readers.h"
#include "import/detail/text.h"

namespace mst {

namespace {

// The label of a vertex line, whose id ends at offset from: a quoted label (see above), or the
// next word; empty when the line has none.
std::string VertexLabel(std::string_view line, std::size_t from, bool& unclosed) {
  unclosed = false;
  const std::string_view rest = Trim(line.substr(from));
  if (rest.empty()) return "";
  if (rest[0] != '"') return std::string(Words(rest)[0]);
  for (std::size_t close = rest.find('"', 1); close != std::string_view::npos; close = rest.find('"', close + 1)) {
    const std::string_view after = rest.substr(close + 1);
    const std::vector<std::string_view> words = Words(after);
    if (words.empty() || ((after[0] == ' ' || after[0] == '\t') && IsNumber(words[0]))) {
      return std::string(rest.substr(1, close - 1));
    }
  }
  // No quote so placed: the last quote ends it, if there is one.
  const std::size_t last = rest.rfind('"');
  if (last == 0) {
    unclosed = true;
    return "";
  }
  return std::string(rest.substr(1, last - 1));
}

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

}  // namespace

bool StartsPajek(std::string_view text) {
  Lines lines(text);
  for (std::string_view line; lines.Next(line);) {
    const std::string_view trimmed = Trim(line);
    if (trimmed.empty() || trimmed[0] == '%') continue;
    return trimmed[0] == '*';
  }
  return false;
}

bool ReadPajek(std::string_view text, NetworkBuilder& builder, std::string& why) {
  Lines lines(text);
  enum { kNone, kVertices, kPairs, kLists } section = kNone;
  for (std::string_view line; lines.Next(line);) {
    const std::vector<std::string_view> words = Words(line);
    if (words.empty() || words[0][0] == '%') continue;
    const long long at = lines.Number();
    if (words[0][0] == '*') {
      const std::string keyword = Lower(words[0]);
      if (keyword == "*network") continue;
      if (keyword == "*vertices") {
        long long count = 0;
        if (builder.Declared()) {
          why = AtLine(at) + "a second *Vertices line";
          return false;
        }
        if (words.size() < 2 || !WholeNumber(words[1], count, 0, INT32_MAX - 1)) {
          why = AtLine(at) + "it must read '*Vertices N'";
          return false;
        }
        builder.Declare(count);
        section = kVertices;
        continue;
      }
      if (!builder.Declared()) {
        why = AtLine(at) + Quote(words[0]) + " before '*Vertices N'";
        return false;
      }
      if (keyword == "*edges" || keyword == "*arcs") {
        section = kPairs;
      } else if (keyword == "*edgeslist" || keyword == "*arcslist") {
        section = kLists;
      } else {
        why = AtLine(at) + "the section " + Quote(words[0]) +
              " is not read (*Vertices, *Edges, *Arcs, *Edgeslist, *Arcslist)";
        return false;
      }
      continue;
    }
    if (section == kNone) {
      why = AtLine(at) + "a line before '*Vertices N'";
      return false;
    }
    if (section == kVertices) {
      int node = 0;
      if (!builder.NodeById(words[0], node, why)) {
        why = AtLine(at) + why;
        return false;
      }
      long long id = 0;
      (void)WholeNumber(words[0], id);
      bool unclosed = false;
      std::string label =
          VertexLabel(line, static_cast<std::size_t>(words[0].data() - line.data()) + words[0].size(), unclosed);
      if (unclosed) {
        why = AtLine(at) + "a label's closing quote is missing";
        return false;
      }
      if (!label.empty()) builder.Label(id, std::move(label));
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
  if (!builder.Declared()) {
    why = "no '*Vertices N' line";
    return false;
  }
  return true;
}

}  // namespace mst
