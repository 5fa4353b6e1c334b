#include "bench/sweep_networks.h"

#include <random>
#include <utility>

std::vector<Edges> SweepNetwork(int nodes, int edges, std::uint32_t seed) {
  std::mt19937 rng(seed);
  auto below = [&rng](int n) { return static_cast<int>(rng() % static_cast<std::uint32_t>(n)); };
  std::vector<Edges> list;
  Edges edge{};
  for (int k = 1; k < nodes; ++k) {  // a random tree keeps the network connected
    edge.set(k, below(k), 1 + below(1000));
    list.push_back(edge);
  }
  while (static_cast<int>(list.size()) < edges) {
    const int a = below(nodes);
    const int b = below(nodes);
    if (a != b) {
      edge.set(a, b, 1 + below(1000));
      list.push_back(edge);
    }
  }
  // Fisher-Yates with the same modulo draws, so the order is the same everywhere.
  for (int k = static_cast<int>(list.size()) - 1; k > 0; --k) {
    std::swap(list[static_cast<std::size_t>(k)], list[static_cast<std::size_t>(below(k + 1))]);
  }
  return list;
}
