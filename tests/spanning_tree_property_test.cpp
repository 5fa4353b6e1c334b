// Both routines, on many small random connected networks, must write a minimum spanning tree,
// checked here independently of either routine.
#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "graph/tree_total.h"
#include "mst/kruskal.h"
#include "mst/prim.h"
#include "tests/support/random_test_networks.h"
#include "tests/support/tree_checker.h"

using namespace mst;

namespace {

TEST(SpanningTreeProperty, BothRoutinesFindMinimumTreesOfEqualTotal) {
  std::mt19937 rng(20261207);  // the standard fixes mt19937's sequence: reproducible anywhere
  for (int trial = 0; trial < 3000; ++trial) {
    // Small networks (2..10 nodes) with ties, parallel rows, self-loops and extreme measures.
    const int nON = 2 + static_cast<int>(rng() % 9);
    std::vector<Edges> edges = RandomTestNetwork(rng, nON);
    const std::vector<Edges> fileOrder = edges;
    const int nOE = static_cast<int>(edges.size());
    SCOPED_TRACE("trial " + std::to_string(trial));

    std::vector<Edges> tree(static_cast<std::size_t>(nON));
    Prim(edges.data(), tree.data(), nOE, nON);
    ASSERT_EQ(MinimumSpanningTreeFault(fileOrder.data(), nOE, nON, tree.data(), nON - 1), "");
    const std::int64_t primTotal = TreeTotal(tree.data(), nON - 1);

    // Like the driver, Kruskal runs on the same list after Prim, and more than once.
    for (int call = 1; call <= 2; ++call) {
      Kruskal(edges.data(), tree.data(), nOE, nON);
      ASSERT_EQ(MinimumSpanningTreeFault(fileOrder.data(), nOE, nON, tree.data(), nON - 1), "") << "call " << call;
      ASSERT_EQ(TreeTotal(tree.data(), nON - 1), primTotal);
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
    ASSERT_EQ(MinimumSpanningTreeFault(edges.data(), nOE, nON, tree.data(), nON - 1), "")
        << nON << " nodes, " << nOE << " edges";
  }
}

}  // namespace
