// An oracle independent of this project: Boost.Graph's Kruskal. On random networks full of
// ties, parallel rows, self-loops and extreme measures, both routines must write a spanning
// tree whose total is the library's.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "bench/library_routines.h"
#include "graph/tree_total.h"
#include "mst/kruskal.h"
#include "mst/prim.h"
#include "tests/support/random_test_networks.h"
#include "tests/support/tree_checker.h"

namespace {

TEST(LibraryOracle, BothRoutinesMatchTheLibraryTotalFrom2To300Nodes) {
  std::mt19937 rng(300);
  for (int trial = 0; trial < 400; ++trial) {
    // Every size from 2 to 300 at least once, then random ones.
    const int nON = trial < 299 ? 2 + trial : 2 + static_cast<int>(rng() % 299);
    std::vector<Edges> edges = RandomTestNetwork(rng, nON);
    const std::vector<Edges> fileOrder = edges;
    const int nOE = static_cast<int>(edges.size());
    SCOPED_TRACE("trial " + std::to_string(trial) + ": " + std::to_string(nON) + " nodes, " +
                 std::to_string(nOE) + " edges");
    const std::int64_t expected = LibraryKruskalTotal(fileOrder.data(), nOE, nON);

    std::vector<Edges> tree(static_cast<std::size_t>(nON));
    Prim(edges.data(), tree.data(), nOE, nON);
    ASSERT_EQ(SpanningTreeFault(fileOrder.data(), nOE, nON, tree.data(), nON - 1), "") << "Prim";
    ASSERT_EQ(TreeTotal(tree.data(), nON - 1), expected) << "Prim";

    Kruskal(edges.data(), tree.data(), nOE, nON);
    ASSERT_EQ(SpanningTreeFault(fileOrder.data(), nOE, nON, tree.data(), nON - 1), "") << "Kruskal";
    ASSERT_EQ(TreeTotal(tree.data(), nON - 1), expected) << "Kruskal";
  }
}

}  // namespace
