// METIS graph files: "% comments", a header "N M [FMT [NCON]]", then exactly N lines, line i
// listing the neighbours of node i (each edge on both its ends' lines; an isolated node has an
// empty line). FMT's units digit says each neighbour is followed by the edge's weight; its tens
// digit that each line starts with NCON vertex weights, its hundreds digit with a vertex size;
// FMT 1xx also marks files whose M counts entries (self-loops, parallel edges) rather than edges.
#include <string>
#include <vector>

#include "graph/integer_text.h"
#include "import/detail/builder.h"
#include "import/detail/readers.h"
#include "import/detail/text.h"

namespace mst {

bool ReadMetis(std::string_view text, NetworkBuilder& builder, std::string& why) {
  Lines lines(text);
  long long nodes = -1;
  long long edges = 0;
  bool edgeWeights = false;
  std::size_t skip = 0;  // numbers before the neighbours on each line: vertex size and weights
  long long node = 0;    // the node whose line comes next, once the header is read
  bool counted = true;   // the header counts distinct edges (not entries, as FMT 1xx does)
  for (std::string_view line; lines.Next(line);) {
    const std::string_view trimmed = Trim(line);
    if (!trimmed.empty() && trimmed[0] == '%') continue;
    const std::vector<std::string_view> words = Words(line);
    const long long at = lines.Number();
    if (nodes < 0) {
      if (words.empty()) continue;
      long long format = 0;
      long long constraints = 1;
      if (words.size() < 2 || words.size() > 4 || !WholeNumber(words[0], nodes, 0, INT32_MAX - 1) ||
          !WholeNumber(words[1], edges, 0, INT32_MAX - 1) ||
          (words.size() > 2 && !WholeNumber(words[2], format, 0, 111)) ||
          (words.size() > 3 && !WholeNumber(words[3], constraints, 1, 1000))) {
        nodes = -1;
        why = AtLine(at) + "the header must read 'NODES EDGES [FMT [NCON]]'";
        return false;
      }
      const std::string_view digits = words.size() > 2 ? words[2] : std::string_view("0");
      if (digits.size() > 3 || digits.find_first_not_of("01") != std::string_view::npos) {
        why = AtLine(at) + "FMT must be up to three digits 0 or 1, not " + Quote(digits);
        return false;
      }
      edgeWeights = format % 10 == 1;
      skip = static_cast<std::size_t>((format / 10 % 10 == 1 ? constraints : 0) + (format / 100 == 1 ? 1 : 0));
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
    if (words.size() < skip || (words.size() - skip) % per != 0) {
      why = AtLine(at) + (edgeWeights ? "neighbours must come in 'NODE WEIGHT' pairs" : "a neighbour is missing");
      return false;
    }
    int self = 0;
    const std::string id = std::to_string(node);
    if (!builder.NodeById(id, self, why)) {
      why = AtLine(at) + why;
      return false;
    }
    for (std::size_t k = skip; k < words.size(); k += per) {
      int other = 0;
      if (!builder.NodeById(words[k], other, why)) {
        why = AtLine(at) + why;
        return false;
      }
      if (!builder.AddEdge(self, other, edgeWeights ? words[k + 1] : std::string_view(), at, why)) return false;
    }
  }
  if (nodes < 0) {
    why = "no header 'NODES EDGES [FMT]'";
    return false;
  }
  if (node < nodes) {
    why = "the header announces " + std::to_string(nodes) + " node lines, the file holds " + std::to_string(node);
    return false;
  }
  if (counted && builder.Merge() != edges) {
    why = "the header announces " + std::to_string(edges) + " edges, the file holds " + std::to_string(builder.Merge());
    return false;
  }
  return true;
}

}  // namespace mst
