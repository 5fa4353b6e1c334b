// DIMACS files: "c" comment lines, a problem line, then arcs "a FROM TO VALUE". Shortest-path
// files ("p sp N M") give lengths; maximum-flow files ("p max N M", as igraph writes) give
// capacities, taken as the measures, and name the flow's source and sink on "n ID s|t" lines,
// which are left aside (and noted). Other problems are refused, saying what the file is.
#include <climits>
#include <string>
#include <vector>

#include "graph/integer_text.h"
#include "import/detail/builder.h"
#include "import/detail/readers.h"
#include "import/detail/text.h"

namespace mst {

namespace {

// What the problem types this reader does not take are, for the refusal.
const char* ProblemName(std::string_view type) {
  if (type == "min") return "a minimum-cost flow problem";
  if (type == "asn") return "an assignment problem";
  if (type == "edge" || type == "col") return "a graph colouring problem";
  if (type == "cut") return "a cut problem";
  return "a problem of another kind";
}

}  // namespace

bool StartsDimacs(std::string_view text) {
  Lines lines(text);
  for (std::string_view line; lines.Next(line);) {
    const std::vector<std::string_view> words = Words(line);
    if (words.empty() || words[0] == "c") continue;
    long long count = 0;
    return words[0] == "p" && words.size() == 4 && WholeNumber(words[2], count) && WholeNumber(words[3], count);
  }
  return false;
}

bool ReadDimacs(std::string_view text, NetworkBuilder& builder, std::string& why) {
  Lines lines(text);
  long long arcs = -1;
  long long found = 0;
  bool flow = false;
  std::string ends;  // the flow's source and sink lines, as noted
  for (std::string_view line; lines.Next(line);) {
    const std::vector<std::string_view> words = Words(line);
    if (words.empty() || words[0] == "c") continue;
    const long long at = lines.Number();
    if (words[0] == "p") {
      long long nodes = 0;
      if (arcs >= 0) {
        why = AtLine(at) + "a second problem line";
        return false;
      }
      if (words.size() >= 2 && words[1] != "sp" && words[1] != "max") {
        why = AtLine(at) + "'p " + std::string(words[1]) + "' makes this " + ProblemName(words[1]) +
              ": read are 'p sp' (shortest paths) and 'p max' (maximum flow)";
        return false;
      }
      if (words.size() != 4 || !WholeNumber(words[2], nodes, 0, INT32_MAX - 1) ||
          !WholeNumber(words[3], arcs, 0, INT32_MAX - 1)) {
        arcs = -1;
        why = AtLine(at) + "the problem line must read 'p sp NODES ARCS' (or 'p max NODES ARCS')";
        return false;
      }
      flow = words[1] == "max";
      builder.Declare(nodes);
    } else if (words[0] == "a") {
      if (arcs < 0) {
        why = AtLine(at) + "an arc before the problem line 'p sp NODES ARCS'";
        return false;
      }
      if (words.size() != 4) {
        why = AtLine(at) + "an arc must read 'a FROM TO " + (flow ? "CAPACITY'" : "LENGTH'");
        return false;
      }
      int x = 0;
      int y = 0;
      if (!builder.NodeById(words[1], x, why) || !builder.NodeById(words[2], y, why)) {
        why = AtLine(at) + why;
        return false;
      }
      if (!builder.AddEdge(x, y, words[3], at, why)) return false;
      ++found;
    } else if (words[0] == "n" && flow) {
      long long id = 0;
      if (words.size() != 3 || (words[2] != "s" && words[2] != "t") || !WholeNumber(words[1], id, 1, LLONG_MAX)) {
        why = AtLine(at) + "a node line must read 'n ID s' or 'n ID t'";
        return false;
      }
      ends += std::string(ends.empty() ? "" : ", ") + (words[2] == "s" ? "source " : "sink ") + std::string(words[1]);
    } else {
      why = AtLine(at) + Quote(words[0]) + " starts no DIMACS line (c, p or a" + (flow ? ", n)" : ")");
      return false;
    }
  }
  if (arcs < 0) {
    why = "no problem line 'p sp NODES ARCS'";
    return false;
  }
  if (found != arcs) {
    why = "the problem line announces " + std::to_string(arcs) + " arcs, the file holds " + std::to_string(found);
    return false;
  }
  if (flow) {
    builder.Note("a maximum-flow file: its capacities are the measures" +
                 (ends.empty() ? std::string() : "; the flow's " + ends + " are left aside"));
  }
  return true;
}

}  // namespace mst
