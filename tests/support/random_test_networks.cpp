#include "tests/support/random_test_networks.h"

#include <utility>

namespace mst {

std::vector<Edges> RandomTestNetwork(std::mt19937& rng, int nON) {
  auto below = [&rng](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
  auto measure = [&]() -> int {
    switch (below(20)) {
      case 0:
        return 2147483647 - below(2);
      case 1:
        return -2147483647 - 1 + below(2);
      default:
        return below(5) - 2;
    }
  };
  std::vector<Edges> edges;
  Edges e{};
  for (int k = 1; k < nON; ++k) {
    e.set(k, below(k), measure());
    edges.push_back(e);
  }
  for (int k = below(3 * nON + 1); k > 0; --k) {
    if (below(5) == 0 && !edges.empty()) {
      edges.push_back(edges[static_cast<std::size_t>(below(static_cast<int>(edges.size())))]);
    } else {
      e.set(below(nON), below(nON), measure());  // now and then a self-loop
      edges.push_back(e);
    }
  }
  for (std::size_t k = edges.size(); k > 1; --k) {
    std::swap(edges[k - 1], edges[static_cast<std::size_t>(below(static_cast<int>(k)))]);
  }
  for (Edges& edge : edges) {
    if (below(2) == 1) edge.set(edge.node2, edge.node1, edge.measure);
  }
  return edges;
}

}  // namespace mst
