// mst-bench's own network file format, read by its own reader (graph/network_loader.h) with its
// rules and reasons: the header "E N", then E rows "u v w". Its rows are kept as they are
// (parallel edges, self-loops); --scale and --maximum apply. Unlike mst-bench, which ignores
// what follows the announced rows, every word must be accounted for here: a file with more is
// another file, likely an edge list whose first line looks like a header. With --largest-part,
// a network in several parts is read as any format's is, keeping its largest part.
#include <algorithm>
#include <string>
#include <vector>

#include "graph/integer_text.h"
#include "graph/network_vectors.h"
#include "import/detail/builder.h"
#include "import/detail/readers.h"
#include "import/detail/text.h"

namespace mst {

namespace {

// A network in several parts with --largest-part: its rows (valid, as the loader found them) go
// through the builder as any format's do, which keeps the largest part. The rows are then no
// longer kept as they are: a pair listed twice is merged, and the nodes are numbered anew.
bool ReadParts(std::string_view text, NetworkBuilder& builder, std::string& why) {
  if (text.compare(0, 3, "\xEF\xBB\xBF") == 0) text.remove_prefix(3);
  std::vector<std::string_view> words;
  Lines lines(text);
  for (std::string_view line; lines.Next(line);) {
    for (const std::string_view word : Words(line)) words.push_back(word);
  }
  long long edges = 0;
  long long nodes = 0;
  if (words.size() < 2 || !WholeNumber(words[0], edges) || !WholeNumber(words[1], nodes) ||
      words.size() != 2 + 3 * static_cast<std::size_t>(edges)) {
    return false;
  }
  builder.Declare(nodes);
  for (long long k = 0; k < edges; ++k) {
    const std::size_t at = 2 + 3 * static_cast<std::size_t>(k);  // its three words: the count above
    int a = 0;
    int b = 0;
    if (!builder.NodeById(words[at], a, why) || !builder.NodeById(words[at + 1], b, why)) return false;
    if (!builder.AddEdge(a, b, words[at + 2], k + 1, why)) return false;
  }
  return true;
}

}  // namespace

bool ReadNetworkFile(std::string_view text, NetworkBuilder& builder, std::string& why) {
  Network network;
  std::size_t end = 0;
  if (!LoadNetworkFromText(text, network, why, end)) {
    if (builder.Options().largestPart && why.rfind("the network is not connected", 0) == 0) {
      std::string reason;
      if (ReadParts(text, builder, reason)) {
        builder.Note(
            "--largest-part: the rows were read as an edge list's (pairs listed twice merged, nodes "
            "numbered anew in the order the rows name them)");
        return true;
      }
    }
    return false;
  }
  const std::size_t more = text.find_first_not_of(" \t\r\n\v\f", end);
  if (more != std::string_view::npos) {
    const long long line = 1 + std::count(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(more), '\n');
    const std::size_t rows = network.edges.size();
    why = AtLine(line) + "more follows the " + std::to_string(rows) + " edge row" + (rows == 1 ? "" : "s") +
          " its header announces";
    return false;
  }
  const ImportOptions& options = builder.Options();
  if (options.scale > 0 || options.maximum) {
    for (std::size_t k = 0; k < network.edges.size(); ++k) {
      Edges& edge = network.edges[k];
      int measure = 0;
      if (!builder.ScaleMeasure(std::to_string(edge.measure), {"edge row", static_cast<long long>(k + 1)}, measure,
                                why)) {
        return false;
      }
      edge.measure = measure;
    }
  }
  builder.Keep(std::move(network));
  return true;
}

}  // namespace mst
