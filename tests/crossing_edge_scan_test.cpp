// The vector scan must pick exactly the edge the portable scan picks: the first cheapest edge
// with one end in the tree, whatever the lane, the tail or the measure.
#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <random>
#include <vector>

#include "mst/crossing_edge_scan.h"
#include "tests/test_networks.h"

namespace {

struct Scans {
  int portable;
  int vector;
};

Scans BothScans(const std::vector<Edges>& edges, const std::vector<int>& used) {
  std::uint32_t bits[kVectorScanMaxNodes / 32] = {};
  for (std::size_t k = 0; k < used.size(); ++k) {
    if (used[k] != 0) bits[k / 32] |= std::uint32_t{1} << (k % 32);
  }
  const int nOE = static_cast<int>(edges.size());
  return {CheapestCrossingEdge(edges.data(), nOE, used.data()),
          CheapestCrossingEdgeVector(edges.data(), nOE, used.data(), bits)};
}

class VectorScan : public testing::Test {
 protected:
  void SetUp() override {
    if (!VectorScanAvailable()) GTEST_SKIP() << "no vector scan on this processor";
  }
};

TEST_F(VectorScan, PicksTheFirstAmongEqualsAcrossLanesAndTail) {
  // Tree {1}; 19 edges so that eight fall in each of two blocks and three in the tail.
  std::vector<std::vector<int>> rows;
  for (int i = 0; i < 19; ++i) rows.push_back({2 + i % 5, 3 + i % 4, 50});  // never crossing
  std::vector<int> used(10, 0);
  used[0] = 1;
  struct Case {
    std::vector<int> crossingAt;  // rows made to cross the cut, all of measure 7
    int expected;
  };
  const std::vector<Case> cases = {
      {{5, 13}, 5},      // same lane, later block
      {{6, 3}, 3},       // different lanes, the lower index wins
      {{17, 18}, 17},    // only in the tail
      {{12, 16}, 12},    // block beats the tail on equal measure
      {{}, -1},          // nothing crosses
  };
  for (const Case& c : cases) {
    std::vector<std::vector<int>> mine = rows;
    for (int at : c.crossingAt) mine[static_cast<std::size_t>(at)] = {1, 9, 7};
    const Scans scans = BothScans(EdgesFromRows(mine), used);
    EXPECT_EQ(scans.portable, c.expected);
    EXPECT_EQ(scans.vector, c.expected);
  }
}

TEST_F(VectorScan, HandlesTheExtremeMeasures) {
  std::vector<int> used = {1, 0, 0, 0};
  const std::vector<std::vector<std::vector<int>>> networks = {
      // Only edges of the largest measure cross: still found, the first of them.
      {{2, 3, 1}, {1, 2, INT_MAX}, {2, 4, 1}, {1, 3, INT_MAX}, {3, 4, 1}, {2, 3, 1}, {3, 4, 1},
       {2, 4, 1}, {1, 4, INT_MAX}},
      // The smallest measure beats everything.
      {{1, 2, 5}, {2, 3, 1}, {1, 3, INT_MIN}, {2, 4, 1}, {3, 4, 1}, {2, 3, 1}, {3, 4, 1},
       {1, 4, INT_MIN}},
  };
  const int expected[] = {1, 2};
  for (std::size_t n = 0; n < networks.size(); ++n) {
    const Scans scans = BothScans(EdgesFromRows(networks[n]), used);
    EXPECT_EQ(scans.portable, expected[n]);
    EXPECT_EQ(scans.vector, expected[n]);
  }
}

TEST_F(VectorScan, AgreesWithThePortableScanOnRandomCuts) {
  std::mt19937 rng(7);
  for (int trial = 0; trial < 2000; ++trial) {
    const int nON = 2 + static_cast<int>(rng() % (kVectorScanMaxNodes - 1));  // 2..256
    const int nOE = 1 + static_cast<int>(rng() % 300);
    std::vector<Edges> edges(static_cast<std::size_t>(nOE));
    for (Edges& e : edges) {
      e.set(static_cast<int>(rng() % static_cast<unsigned>(nON)),
            static_cast<int>(rng() % static_cast<unsigned>(nON)), static_cast<int>(rng() % 7) - 3);
    }
    std::vector<int> used(static_cast<std::size_t>(nON));
    for (int& u : used) u = static_cast<int>(rng() % 2);
    const Scans scans = BothScans(edges, used);
    ASSERT_EQ(scans.vector, scans.portable) << "trial " << trial;
  }
}

}  // namespace
