#include "netgen/network_generator.h"

#include <random>
#include <utility>

#include "netgen/random_draws.h"

std::vector<Edges> GenerateNetwork(const NetworkRequest& request) {
  std::mt19937_64 rng(request.seed);
  const int n = request.nodes;

  // A random spanning tree: nodes in random order, each joined to one placed before it.
  std::vector<int> order(static_cast<std::size_t>(n));
  for (int k = 0; k < n; ++k) {
    order[static_cast<std::size_t>(k)] = k;
  }
  for (int k = n - 1; k > 0; --k) {
    std::swap(order[static_cast<std::size_t>(k)], order[static_cast<std::size_t>(BelowInt(rng, k + 1))]);
  }
  std::vector<Edges> edges(static_cast<std::size_t>(request.edges));
  std::size_t next = 0;
  for (int k = 1; k < n; ++k) {
    edges[next++].set(order[static_cast<std::size_t>(k)], order[static_cast<std::size_t>(BelowInt(rng, k))], 0);
  }
  // The rest: random pairs of distinct nodes.
  while (next < edges.size()) {
    const int a = BelowInt(rng, n);
    int b = BelowInt(rng, n - 1);
    b += b >= a ? 1 : 0;
    edges[next++].set(a, b, 0);
  }
  // Shuffle the rows so the tree is not listed first; give each its measure and its ends in
  // either order.
  for (std::size_t k = edges.size() - 1; k > 0; --k) {
    std::swap(edges[k], edges[Below(rng, k + 1)]);
  }
  const std::uint64_t span =
      static_cast<std::uint64_t>(static_cast<std::int64_t>(request.maxMeasure) - request.minMeasure) + 1;
  for (Edges& edge : edges) {
    const auto measure = static_cast<std::int64_t>(request.minMeasure) + static_cast<std::int64_t>(Below(rng, span));
    if (Below(rng, 2) == 1) {
      edge.set(edge.node2, edge.node1, static_cast<std::int32_t>(measure));
    } else {
      edge.set(edge.node1, edge.node2, static_cast<std::int32_t>(measure));
    }
  }
  return edges;
}

void WriteNetwork(std::FILE* file, const std::vector<Edges>& edges, int nodes) {
  std::fprintf(file, "%d\t%d\n", static_cast<int>(edges.size()), nodes);
  for (const Edges& edge : edges) {
    std::fprintf(file, "%d\t%d\t%d\n", edge.node1 + 1, edge.node2 + 1, edge.measure);
  }
}
