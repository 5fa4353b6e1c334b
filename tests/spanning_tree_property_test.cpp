// Both routines, on many small random connected networks, must write a minimum spanning tree,
// checked here independently of either routine.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "graph/tree_total.h"
#include "mst/kruskal.h"
#include "mst/prim.h"
#include "tests/support/random_test_networks.h"
#include "tests/support/tree_checker.h"

namespace {

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

std::string MinimumSpanningTreeFault(const std::vector<Edges>& edges, const std::vector<Edges>& tree, int nON) {
  return ::MinimumSpanningTreeFault(edges.data(), static_cast<int>(edges.size()), nON, tree.data(),
                                    static_cast<int>(tree.size()));
}

std::int64_t Total(const std::vector<Edges>& tree) { return TreeTotal(tree.data(), static_cast<int>(tree.size())); }

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

// Above 256 nodes Prim switches between its scans by node count (one or two register tables,
// gathers, or the portable scan): each size must still give a minimum spanning tree.
TEST(SpanningTreeProperty, PrimFindsMinimumTreesFrom257To600Nodes) {
  std::mt19937 rng(257600);
  for (int trial = 0; trial < 40; ++trial) {
    const int nON = trial < 4 ? 256 + trial : 257 + static_cast<int>(rng() % 344);
    const std::vector<Edges> edges = RandomTestNetwork(rng, nON);
    const int nOE = static_cast<int>(edges.size());
    std::vector<Edges> tree(static_cast<std::size_t>(nON));
    Prim(edges.data(), tree.data(), nOE, nON);
    ASSERT_EQ(::MinimumSpanningTreeFault(edges.data(), nOE, nON, tree.data(), nON - 1), "")
        << nON << " nodes, " << nOE << " edges";
  }
}

}  // namespace
