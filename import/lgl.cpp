// igraph's LGL files: "# NODE" opens a node's block; each following line "NEIGHBOUR [w]" is an
// edge from that node (igraph writes each edge once, in the block of its first end; nodes with
// no edges to later ones have no block). Names hold no blanks: a line with more words than the
// format has is refused, as it would be split wrongly.
#include <vector>

#include "graph/integer_text.h"
#include "import/detail/builder.h"
#include "import/detail/readers.h"
#include "import/detail/text.h"

namespace mst {

bool ReadLgl(std::string_view text, NetworkBuilder& builder, std::string& why) {
  Lines lines(text);
  int node = -1;
  std::size_t shape = 0;  // the words of the first neighbour line: 1, or 2 with measures
  long long first = 0;
  for (std::string_view line; lines.Next(line);) {
    const std::string_view trimmed = Trim(line);
    if (trimmed.empty()) continue;
    const long long at = lines.Number();
    if (trimmed[0] == '#') {
      // igraph writes "# NODE"; "#x" may as well be a neighbour named so (NetworkX writes such names).
      if (trimmed.size() > 1 && trimmed[1] != ' ' && trimmed[1] != '\t') {
        if (node >= 0) builder.Recognized();  // after a node's line: LGL all the same, whatever reads it else
        why = AtLine(at) + Quote(trimmed) +
              " may open a node's block or be a neighbour whose name starts with '#': LGL writes a node's line '# "
              "NODE', with a blank after '#' (save such names as CSV or GraphML, which keep them)";
        return false;
      }
      const std::vector<std::string_view> words = Words(trimmed.substr(1));
      if (words.size() != 1) {
        why = words.empty() ? AtLine(at) + "a '#' line names no node (LGL's '# NODE')"
                            : NamesWithBlanks(at, words.size(), "'# NODE' has 1");
        // An LGL node line all the same, whose name holds a blank, where neighbours are named
        // by words (SNAP's comments stand above lines of numbers): no other reading stands alone.
        if (!words.empty() && trimmed[1] == ' ') {
          Lines rest(text);
          long long id = 0;
          for (std::string_view other; rest.Next(other);) {
            const std::vector<std::string_view> named = Words(other);
            if (!named.empty() && named[0][0] != '#' && !WholeNumber(named[0], id)) {
              builder.Recognized();
              break;
            }
          }
        }
        return false;
      }
      node = builder.NodeByName(words[0]);
      continue;
    }
    if (node < 0) {
      why = AtLine(at) + "a neighbour before the first '# NODE' line";
      return false;
    }
    const std::vector<std::string_view> words = Words(trimmed);
    // Past a node's line ("# NODE"), the file has LGL's shape: what it cannot read here, no
    // other format's reading may stand alone on.
    if (words.size() > 2) {
      why = NamesWithBlanks(at, words.size(), "a neighbour has 1 or 2 ('NEIGHBOUR [w]')");
      builder.Recognized();
      return false;
    }
    if (first == 0) {
      first = at;
      shape = words.size();
    } else if (words.size() != shape) {
      why = AtLine(at) +
            (words.size() == 1 ? "a neighbour without a measure where line " + std::to_string(first) + " gives one"
                               : "a neighbour with a measure where line " + std::to_string(first) + " gives none") +
            ": every edge has a measure, or none does";
      builder.Recognized();
      return false;
    }
    if (!builder.AddEdge(node, builder.NodeByName(words[0]), words.size() == 2 ? words[1] : std::string_view(), at,
                         why)) {
      return false;
    }
  }
  if (node < 0) {
    why = "no '# NODE' line: not an LGL file";
    return false;
  }
  return true;
}

}  // namespace mst
