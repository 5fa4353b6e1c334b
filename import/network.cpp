// mst-bench's own network file format, read by its own reader (graph/network_loader.h) with its
// rules and reasons: the header "E N", then E rows "u v w". Its rows are kept as they are
// (parallel edges, self-loops); --scale and --maximum apply. Unlike mst-bench, which ignores
// what follows the announced rows, every word must be accounted for here: a file with more is
// another file, likely an edge list whose first line looks like a header.
#include <algorithm>
#include <string>

#include "graph/network_vectors.h"
#include "import/detail/builder.h"
#include "import/detail/readers.h"
#include "import/detail/text.h"

namespace mst {

bool ReadNetworkFile(std::string_view text, NetworkBuilder& builder, std::string& why) {
  Network network;
  std::size_t end = 0;
  if (!LoadNetworkFromText(text, network, why, end)) return false;
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
