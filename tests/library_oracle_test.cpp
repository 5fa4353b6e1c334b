// An oracle independent of this project: Boost.Graph's Kruskal. On random networks full of
// ties, parallel rows, self-loops and extreme measures, both routines must write a spanning
// tree whose total is the library's.
#include <gtest/gtest.h>

#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "graph/network_vectors.h"
#include "graph/tree_total.h"
#include "mst/kruskal.h"
#include "mst/prim.h"
#include "tests/support/random_test_networks.h"
#include "tests/support/tree_checker.h"
#include "timing/library_routines.h"
#include "timing/routine_timing.h"

using namespace mst;

namespace {

TEST(LibraryOracle, BothRoutinesMatchTheLibraryTotalFrom2To300Nodes) {
  std::mt19937 rng(300);
  for (int trial = 0; trial < 400; ++trial) {
    // Every size from 2 to 300 at least once, then random ones.
    const int nON = trial < 299 ? 2 + trial : 2 + static_cast<int>(rng() % 299);
    std::vector<Edges> edges = RandomTestNetwork(rng, nON);
    const std::vector<Edges> fileOrder = edges;
    const int nOE = static_cast<int>(edges.size());
    SCOPED_TRACE("trial " + std::to_string(trial) + ": " + std::to_string(nON) + " nodes, " + std::to_string(nOE) +
                 " edges");
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

// The race's shift for the library's Prim: every measure raised by the same constant, so that
// none is negative, gives a tree of the same total once the shift is taken back; measures
// spanning more than the library takes leave it out.
TEST(LibraryOracle, ShiftedMeasuresGiveTheLibraryPrimTheSameTree) {
  const std::vector<Edges> negative = {{0, 1, -5}, {1, 2, -7}, {2, 3, 2}, {3, 0, -7}, {0, 2, -9}, {1, 3, 0}};
  std::int64_t shift = 0;
  ASSERT_TRUE(LibraryPrimShift(negative, shift));
  EXPECT_EQ(shift, 9);
  std::vector<Edges> shifted = negative;
  for (Edges& e : shifted) e.measure = static_cast<std::int32_t>(e.measure + shift);
  const LibraryGraph graph = MakeLibraryGraph(shifted.data(), 6, 4);
  std::vector<std::size_t> predecessors(4);
  LibraryPrim(graph, predecessors);
  std::int64_t total = 0;
  for (std::size_t v = 1; v < 4; ++v) {
    std::int32_t cheapest = INT32_MAX;  // the tree edge to the parent: the cheapest such row
    for (const Edges& e : negative) {
      const bool joins =
          (static_cast<std::size_t>(e.node1) == v && static_cast<std::size_t>(e.node2) == predecessors[v]) ||
          (static_cast<std::size_t>(e.node2) == v && static_cast<std::size_t>(e.node1) == predecessors[v]);
      if (joins) cheapest = std::min(cheapest, e.measure);
    }
    total += cheapest;
  }
  EXPECT_EQ(total, LibraryKruskalTotal(negative.data(), 6, 4));
  EXPECT_EQ(total, -23);

  EXPECT_TRUE(LibraryPrimShift({{0, 1, 0}, {1, 2, INT32_MAX - 1}}, shift));
  EXPECT_EQ(shift, 0);
  EXPECT_FALSE(LibraryPrimShift({{0, 1, INT32_MAX}}, shift));
  EXPECT_FALSE(LibraryPrimShift({{0, 1, -1}, {1, 2, INT32_MAX - 1}}, shift));
}

// The real networks shipped in networks/real/: both routines find the library's total, and each
// has one name per node (and one point per node where it has positions).
TEST(LibraryOracle, ShippedRealNetworksHaveTheLibraryTotal) {
  const struct {
    const char* name;
    int nodes;
    bool positions;
  } shipped[] = {{"lesmis", 77, false}, {"us-counties", 3106, true}, {"ireland-towns", 337, true}};
  for (const auto& real : shipped) {
    const std::string base = std::string(REAL_NETWORKS_DIR) + "/" + real.name;
    Network network;
    std::string reason;
    ASSERT_TRUE(LoadNetworkFile(base + ".txt", network, reason)) << real.name << ": " << reason;
    ASSERT_EQ(network.nON, real.nodes) << real.name;
    const int nOE = static_cast<int>(network.edges.size());
    const std::int64_t expected = LibraryKruskalTotal(network.edges.data(), nOE, network.nON);
    std::vector<Edges> list = network.edges;
    std::vector<Edges> tree(static_cast<std::size_t>(network.nON));
    Prim(list.data(), tree.data(), nOE, network.nON);
    EXPECT_EQ(TreeTotal(tree.data(), network.nON - 1), expected) << real.name;
    Kruskal(list.data(), tree.data(), nOE, network.nON);
    EXPECT_EQ(TreeTotal(tree.data(), network.nON - 1), expected) << real.name;
    const auto lines = [](const std::string& path) {
      std::ifstream file(path);
      int count = 0;
      for (std::string line; std::getline(file, line);) ++count;
      return count;
    };
    EXPECT_EQ(lines(base + ".names"), real.nodes) << real.name;
    EXPECT_EQ(lines(base + ".positions"), real.positions ? real.nodes : 0) << real.name;
  }
}

}  // namespace
