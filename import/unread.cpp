// Formats this program does not read, recognised by how they start so that they are refused
// by their names, with a command that converts them to one it reads, rather than as broken
// edge lists: LEDA (LEDA.GRAPH), Graphviz's DOT and graph6.
#include <cctype>

#include "import/detail/builder.h"
#include "import/detail/readers.h"
#include "import/detail/text.h"

namespace mst {

namespace {

// text past blanks, line ends and C-style comments at its start.
std::string_view PastComments(std::string_view text) {
  for (;;) {
    const std::size_t first = text.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos) return {};
    text.remove_prefix(first);
    if (text.compare(0, 2, "/*") == 0) {
      const std::size_t end = text.find("*/");
      if (end == std::string_view::npos) return {};
      text.remove_prefix(end + 2);
    } else if (text.compare(0, 2, "//") == 0 || text[0] == '#') {
      const std::size_t end = text.find('\n');
      if (end == std::string_view::npos) return {};
      text.remove_prefix(end + 1);
    } else {
      return text;
    }
  }
}

bool Refuse(const char* what, const char* convert, std::string& why) {
  why = std::string(what) + ", which this program does not read: " + convert;
  return false;
}

}  // namespace

bool StartsLeda(std::string_view text) { return Trim(text).compare(0, 10, "LEDA.GRAPH") == 0; }

bool ReadLeda(std::string_view, NetworkBuilder&, std::string& why) {
  return Refuse("a LEDA graph",
                "convert it to GraphML with NetworkX: python3 -c \"import networkx as nx, sys; "
                "nx.write_graphml(nx.read_leda(sys.argv[1]), sys.argv[1] + '.graphml')\" FILE",
                why);
}

bool StartsDot(std::string_view text) {
  std::string_view rest = PastComments(text);
  std::vector<std::string_view> words = Words(rest.substr(0, rest.find_first_of("{\n")));
  if (!words.empty() && Lower(words[0]) == "strict") words.erase(words.begin());
  const std::size_t brace = rest.find('{');
  return !words.empty() && (Lower(words[0]) == "graph" || Lower(words[0]) == "digraph") && words.size() <= 2 &&
         brace != std::string_view::npos && rest.find('\n') > brace;
}

bool ReadDot(std::string_view, NetworkBuilder&, std::string& why) {
  return Refuse("a Graphviz DOT file",
                "convert it to GML with Graphviz's gv2gml (gv2gml FILE > FILE.gml; an edge's measure must then be "
                "its weight)",
                why);
}

bool StartsGraph6(std::string_view text) {
  if (text.compare(0, 10, ">>graph6<<") == 0 || text.compare(0, 11, ">>sparse6<<") == 0) return true;
  return false;
}

bool ReadGraph6(std::string_view, NetworkBuilder&, std::string& why) {
  return Refuse("a graph6 or sparse6 file (edges without measures)",
                "convert it to an edge list with NetworkX: python3 -c \"import networkx as nx, sys; "
                "nx.write_edgelist(nx.read_graph6(sys.argv[1]), sys.argv[1] + '.edgelist', data=False)\" FILE "
                "(nx.read_sparse6 for sparse6)",
                why);
}

}  // namespace mst
