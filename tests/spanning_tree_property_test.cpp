// Both routines, on many small random connected networks, must write a minimum spanning tree,
// checked here independently of either routine.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <map>
#include <random>
#include <string>
#include <tuple>
#include <vector>

#include "mst/kruskal.h"
#include "mst/prim.h"

namespace {

using Key = std::tuple<int, int, int>;

Key KeyOf(const Edges& e) { return {e.node1, e.node2, e.measure}; }

// A connected network of 2..10 nodes with equal and negative measures, an occasional extreme
// measure, parallel edges, self-loops and ends in either order, in shuffled order.
std::vector<Edges> RandomConnectedNetwork(std::mt19937& rng, int& nON) {
  auto below = [&rng](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
  auto measure = [&]() -> int {
    switch (below(20)) {
      case 0:
        return 2147483647 - below(3);
      case 1:
        return -2147483647 - 1 + below(3);
      default:
        return below(9) - 4;
    }
  };
  nON = 2 + below(9);
  std::vector<int> order(static_cast<std::size_t>(nON));
  for (int k = 0; k < nON; ++k) order[static_cast<std::size_t>(k)] = k;
  std::shuffle(order.begin(), order.end(), rng);
  std::vector<Edges> edges;
  Edges e{};
  for (int k = 1; k < nON; ++k) {  // a random spanning tree keeps the network connected
    e.set(order[static_cast<std::size_t>(k)], order[static_cast<std::size_t>(below(k))], measure());
    edges.push_back(e);
  }
  const int extra = below(2 * nON + 1);
  for (int k = 0; k < extra; ++k) {
    e.set(below(nON), below(nON), measure());  // may be a self-loop or a parallel edge
    edges.push_back(e);
  }
  std::shuffle(edges.begin(), edges.end(), rng);
  for (Edges& edge : edges) {
    if (below(2) == 1) edge.set(edge.node2, edge.node1, edge.measure);
  }
  return edges;
}

// Heaviest edge on the tree path from `from` to `to`, or nothing if there is no path.
bool PathMax(const std::vector<Edges>& tree, int from, int to, int parent, std::int64_t& heaviest) {
  if (from == to) return true;
  for (const Edges& e : tree) {
    const int next = e.node1 == from ? e.node2 : (e.node2 == from ? e.node1 : -1);
    if (next < 0 || next == parent) continue;
    std::int64_t below = INT64_MIN;
    if (PathMax(tree, next, to, from, below)) {
      heaviest = std::max<std::int64_t>(below, e.measure);
      return true;
    }
  }
  return false;
}

// Empty when tree is a minimum spanning tree of the network, else what is wrong.
std::string MinimumSpanningTreeFault(const std::vector<Edges>& edges, const std::vector<Edges>& tree,
                                     int nON) {
  if (static_cast<int>(tree.size()) != nON - 1) return "wrong edge count";
  std::map<Key, int> outside;
  for (const Edges& e : edges) ++outside[KeyOf(e)];
  for (const Edges& e : tree) {
    if (--outside[KeyOf(e)] < 0) return "a tree edge is not in the edge list";
  }
  // n - 1 edges that never close a cycle join all n nodes.
  std::vector<int> component(static_cast<std::size_t>(nON));
  for (int k = 0; k < nON; ++k) component[static_cast<std::size_t>(k)] = k;
  for (const Edges& e : tree) {
    const int a = component[static_cast<std::size_t>(e.node1)];
    const int b = component[static_cast<std::size_t>(e.node2)];
    if (a == b) return "the tree closes a cycle";
    for (int& c : component) {
      if (c == b) c = a;
    }
  }
  // Cycle property: no edge outside the tree is lighter than the heaviest tree edge it spans.
  for (const auto& [key, count] : outside) {
    if (count == 0 || std::get<0>(key) == std::get<1>(key)) continue;
    std::int64_t heaviest = INT64_MIN;
    PathMax(tree, std::get<0>(key), std::get<1>(key), -1, heaviest);
    if (std::get<2>(key) < heaviest) return "a lighter edge outside the tree: not minimum";
  }
  return "";
}

std::int64_t Total(const std::vector<Edges>& tree) {
  std::int64_t total = 0;
  for (const Edges& e : tree) total += e.measure;
  return total;
}

TEST(SpanningTreeProperty, BothRoutinesFindMinimumTreesOfEqualTotal) {
  std::mt19937 rng(20261207);  // the standard fixes mt19937's sequence: reproducible anywhere
  for (int trial = 0; trial < 3000; ++trial) {
    int nON = 0;
    std::vector<Edges> edges = RandomConnectedNetwork(rng, nON);
    const std::vector<Edges> fileOrder = edges;
    const int nOE = static_cast<int>(edges.size());
    SCOPED_TRACE("trial " + std::to_string(trial));

    std::vector<Edges> tree(static_cast<std::size_t>(nON));
    Prim(edges.data(), tree.data(), nOE, nON);
    const std::vector<Edges> primTree(tree.begin(), tree.end() - 1);
    ASSERT_EQ(MinimumSpanningTreeFault(fileOrder, primTree, nON), "");

    // Like the driver, Kruskal runs on the same list after Prim, and more than once.
    for (int call = 1; call <= 2; ++call) {
      Kruskal(edges.data(), tree.data(), nOE, nON);
      const std::vector<Edges> kruskalTree(tree.begin(), tree.end() - 1);
      ASSERT_EQ(MinimumSpanningTreeFault(fileOrder, kruskalTree, nON), "") << "call " << call;
      ASSERT_EQ(Total(kruskalTree), Total(primTree));
    }
  }
}

}  // namespace
