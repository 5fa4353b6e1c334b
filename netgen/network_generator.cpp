#include "netgen/network_generator.h"

#include <random>
#include <unordered_set>
#include <utility>

#include "graph/random_draws.h"

namespace mst {

namespace {

std::uint64_t PairKey(int a, int b, int n) {
  return a < b ? static_cast<std::uint64_t>(a) * static_cast<std::uint64_t>(n) + static_cast<std::uint64_t>(b)
               : static_cast<std::uint64_t>(b) * static_cast<std::uint64_t>(n) + static_cast<std::uint64_t>(a);
}

// A random pair of distinct nodes.
std::pair<int, int> RandomPair(std::mt19937_64& rng, int n) {
  const int a = BelowInt(rng, n);
  int b = BelowInt(rng, n - 1);
  b += b >= a ? 1 : 0;
  return {a, b};
}

// A random spanning tree into edges[0..n-2]: nodes in random order, each joined to one placed
// before it.
void RandomTree(std::mt19937_64& rng, int n, std::vector<Edges>& edges) {
  std::vector<int> order(static_cast<std::size_t>(n));
  for (int k = 0; k < n; ++k) {
    order[static_cast<std::size_t>(k)] = k;
  }
  for (int k = n - 1; k > 0; --k) {
    std::swap(order[static_cast<std::size_t>(k)], order[static_cast<std::size_t>(BelowInt(rng, k + 1))]);
  }
  for (int k = 1; k < n; ++k) {
    edges[static_cast<std::size_t>(k - 1)].set(order[static_cast<std::size_t>(k)],
                                               order[static_cast<std::size_t>(BelowInt(rng, k))], 0);
  }
}

// Fills edges[n-1..] with pairs of distinct nodes no edge joins yet. Sparse requests draw
// pairs and keep the new ones; dense ones draw the pairs to leave out and take all others.
void DistinctPairs(std::mt19937_64& rng, int n, std::vector<Edges>& edges) {
  std::unordered_set<std::uint64_t> tree;
  for (std::size_t k = 0; k + 1 < static_cast<std::size_t>(n); ++k) {
    tree.insert(PairKey(edges[k].node1, edges[k].node2, n));
  }
  const long long wanted = static_cast<long long>(edges.size()) - (n - 1);
  const long long free = CompleteEdges(n) - (n - 1);
  std::size_t next = static_cast<std::size_t>(n - 1);
  if (wanted <= free / 2) {
    std::unordered_set<std::uint64_t> taken = tree;
    while (next < edges.size()) {
      const std::pair<int, int> pair = RandomPair(rng, n);
      if (taken.insert(PairKey(pair.first, pair.second, n)).second) {
        edges[next++].set(pair.first, pair.second, 0);
      }
    }
    return;
  }
  std::unordered_set<std::uint64_t> left;
  while (static_cast<long long>(left.size()) < free - wanted) {
    const std::pair<int, int> pair = RandomPair(rng, n);
    const std::uint64_t key = PairKey(pair.first, pair.second, n);
    if (tree.count(key) == 0) {
      left.insert(key);
    }
  }
  for (int a = 0; a < n; ++a) {
    for (int b = a + 1; b < n; ++b) {
      const std::uint64_t key = PairKey(a, b, n);
      if (tree.count(key) == 0 && left.count(key) == 0) {
        edges[next++].set(a, b, 0);
      }
    }
  }
}

// Shuffles the rows, so that no structure shows in their order, and gives each its measure
// and its ends in either order.
void ShuffleAndMeasure(std::mt19937_64& rng, const NetworkRequest& request, std::vector<Edges>& edges) {
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
}

}  // namespace

long long CompleteEdges(long long n) { return n * (n - 1) / 2; }

long long GridColumns(long long n) {
  long long columns = 1;
  while (columns * columns < n) {
    ++columns;
  }
  return columns;
}

long long GridEdges(long long n) {
  const long long columns = GridColumns(n);
  const long long fullRows = n / columns;
  const long long rest = n % columns;
  // Within rows: columns - 1 per full row, rest - 1 in a short one; between rows: every node
  // that has one below it.
  return fullRows * (columns - 1) + (rest > 0 ? rest - 1 : 0) + (n - columns);
}

GeneratedNetwork Generate(const NetworkRequest& request) {
  if (request.family == NetworkFamily::kGeometric) {
    GeometricNetwork geometric = GenerateGeometricNetwork(request.nodes, request.edges, request.seed);
    return {std::move(geometric.edges), std::move(geometric.points)};
  }
  std::mt19937_64 rng(request.seed);
  const int n = request.nodes;
  std::vector<Edges> edges(static_cast<std::size_t>(request.edges));
  if (request.family == NetworkFamily::kComplete) {
    std::size_t next = 0;
    for (int a = 0; a < n; ++a) {
      for (int b = a + 1; b < n; ++b) {
        edges[next++].set(a, b, 0);
      }
    }
  } else if (request.family == NetworkFamily::kGrid) {
    const int columns = static_cast<int>(GridColumns(n));
    std::size_t next = 0;
    for (int k = 0; k < n; ++k) {
      if ((k + 1) % columns != 0 && k + 1 < n) {
        edges[next++].set(k, k + 1, 0);
      }
      if (k + columns < n) {
        edges[next++].set(k, k + columns, 0);
      }
    }
  } else {
    RandomTree(rng, n, edges);
    if (request.distinctPairs) {
      DistinctPairs(rng, n, edges);
    } else {
      // The rest: random pairs of distinct nodes.
      for (std::size_t next = static_cast<std::size_t>(n - 1); next < edges.size(); ++next) {
        const std::pair<int, int> pair = RandomPair(rng, n);
        edges[next].set(pair.first, pair.second, 0);
      }
    }
  }
  ShuffleAndMeasure(rng, request, edges);
  return {std::move(edges), {}};
}

}  // namespace mst
