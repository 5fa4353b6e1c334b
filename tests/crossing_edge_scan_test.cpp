// Every vector scan the program can choose must pick exactly the edge the portable scan picks:
// the first cheapest edge with one end in the tree, whatever the lane, the block, the padding,
// the measure or the node count.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <random>
#include <string>
#include <vector>

#include "mst/crossing_edge_scan.h"
#include "mst/prim.h"
#include "mst/scan_layout.h"
#include "tests/test_networks.h"

// Names the scan in test listings instead of dumping its bytes (beside VectorScan, for lookup).
static void PrintTo(VectorScan scan, std::ostream* os) { *os << VectorScanName(scan); }

namespace {

// The vector scan's answer on edges with the tree `used`.
int VectorAnswer(VectorScan scan, const std::vector<Edges>& edges, const std::vector<int>& used) {
  ScanLayout layout{};
  const int nON = static_cast<int>(used.size());
  if (!MakeScanLayout(edges.data(), static_cast<int>(edges.size()), nON, layout)) {
    ADD_FAILURE() << "no memory for the layout";
    return -2;
  }
  for (int k = 0; k < nON; ++k) {
    if (used[static_cast<std::size_t>(k)] != 0) AddToTree(layout, k);
  }
  const int answer = CheapestCrossingEdgeVector(scan, layout);
  FreeScanLayout(layout);
  return answer;
}

int PortableAnswer(const std::vector<Edges>& edges, const std::vector<int>& used) {
  return CheapestCrossingEdge(edges.data(), static_cast<int>(edges.size()), used.data());
}

class EachVectorScan : public testing::TestWithParam<VectorScan> {
 protected:
  void SetUp() override {
    if (!VectorScanRuns(GetParam())) GTEST_SKIP() << "this processor cannot run it";
  }
};

std::string ScanName(const testing::TestParamInfo<VectorScan>& info) {
  std::string name = VectorScanName(info.param);
  for (char& c : name) {
    if (c == '-') c = '_';
  }
  return name;
}

TEST_P(EachVectorScan, PicksTheFirstAmongEqualsAcrossLanesBlocksAndPadding) {
  // Tree {1}; 75 edges: two whole blocks of 32 and 11 more before the padding.
  std::vector<std::vector<int>> rows;
  for (int i = 0; i < 75; ++i) rows.push_back({2 + i % 5, 3 + i % 4, 50});  // never crossing
  std::vector<int> used(10, 0);
  used[0] = 1;
  struct Case {
    std::vector<int> crossingAt;  // rows made to cross the cut, all of measure 7
    int expected;
  };
  const std::vector<Case> cases = {
      {{5, 13, 21, 37}, 5},  // same AVX2 lane, later blocks
      {{6, 3}, 3},           // different lanes, the lower index wins
      {{70, 74}, 70},        // only in the last, padded block
      {{40, 8}, 8},          // different sets of lanes
      {{31, 32}, 31},        // either side of a block boundary
      {{16, 0}, 0},          // the same AVX-512 lane
      {{}, -1},              // nothing crosses
  };
  for (const Case& c : cases) {
    std::vector<std::vector<int>> mine = rows;
    for (int at : c.crossingAt) mine[static_cast<std::size_t>(at)] = {1, 9, 7};
    const std::vector<Edges> edges = EdgesFromRows(mine);
    EXPECT_EQ(PortableAnswer(edges, used), c.expected);
    EXPECT_EQ(VectorAnswer(GetParam(), edges, used), c.expected);
  }
}

TEST_P(EachVectorScan, HandlesTheExtremeMeasures) {
  const std::vector<int> used = {1, 0, 0, 0};
  struct Case {
    std::vector<std::vector<int>> rows;
    int expected;
  };
  const std::vector<Case> cases = {
      // Only edges of the largest measure cross: still found, the first of them.
      {{{2, 3, 1}, {1, 2, INT_MAX}, {2, 4, 1}, {1, 3, INT_MAX}, {3, 4, 1}, {1, 4, INT_MAX}}, 1},
      // Every measure is INT_MAX, the padding's own measure.
      {{{2, 3, INT_MAX}, {3, 4, INT_MAX}, {4, 1, INT_MAX}, {1, 2, INT_MAX}}, 2},
      // Every measure is INT_MIN.
      {{{2, 3, INT_MIN}, {3, 4, INT_MIN}, {1, 3, INT_MIN}, {1, 2, INT_MIN}}, 2},
      // The smallest measure beats everything.
      {{{1, 2, 5}, {2, 3, 1}, {1, 3, INT_MIN}, {2, 4, 1}, {3, 4, 1}, {1, 4, INT_MIN}}, 2},
  };
  for (const Case& c : cases) {
    const std::vector<Edges> edges = EdgesFromRows(c.rows);
    EXPECT_EQ(PortableAnswer(edges, used), c.expected);
    EXPECT_EQ(VectorAnswer(GetParam(), edges, used), c.expected);
  }
}

TEST_P(EachVectorScan, AgreesWithThePortableScanOnRandomCutsAtEveryLimit) {
  const int limit = VectorScanMaxNodes(GetParam());
  std::mt19937 rng(7);
  auto below = [&rng](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
  // Node counts on both sides of every table size, small ones, and one well past them all.
  for (int nON : {2, 3, 31, 32, 33, 255, 256, 257, 511, 512, 513, 1023, 1024, 1025, 3000}) {
    if (nON > limit) continue;
    for (int trial = 0; trial < 60; ++trial) {
      const int nOE = 1 + below(trial % 2 == 0 ? 100 : 2000);
      // Few distinct measures, so ties fall in every lane; some extremes.
      const int kinds = trial % 3 == 0 ? 2 : 40;
      std::vector<Edges> edges(static_cast<std::size_t>(nOE));
      for (Edges& e : edges) {
        int measure = below(kinds) - kinds / 2;
        if (below(50) == 0) measure = below(2) == 0 ? INT_MAX : INT_MIN;
        // Nodes near the top of the range too, where the table's last words are read.
        const int a = below(4) == 0 ? nON - 1 - below(nON < 40 ? nON : 40) : below(nON);
        e.set(a, below(nON), measure);
      }
      std::vector<int> used(static_cast<std::size_t>(nON));
      const int share = 1 + below(9);  // from a few tree nodes to most of them
      for (int& u : used) u = below(10) < share ? 1 : 0;
      ASSERT_EQ(VectorAnswer(GetParam(), edges, used), PortableAnswer(edges, used))
          << "nodes " << nON << ", edges " << nOE << ", trial " << trial;
    }
  }
}

// A random connected network: a random tree, then random pairs (self-loops and parallel edges
// included), shuffled, with measures drawn from `kinds` values around 0 and some extremes.
std::vector<Edges> RandomNetwork(std::mt19937& rng, int nON, int nOE, int kinds) {
  auto below = [&rng](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
  auto measure = [&]() {
    const int pick = below(40);
    return pick == 0 ? INT_MAX : pick == 1 ? INT_MIN : below(kinds) - kinds / 2;
  };
  std::vector<Edges> edges(static_cast<std::size_t>(nOE));
  for (int k = 0; k < nOE; ++k) {
    const int a = k + 1 < nON ? k + 1 : below(nON);
    const int b = k + 1 < nON ? below(k + 1) : below(nON);
    edges[static_cast<std::size_t>(k)].set(a, b, measure());
  }
  std::shuffle(edges.begin(), edges.end(), rng);
  return edges;
}

TEST_P(EachVectorScan, GrowsTheSameTreeAsThePortableScan) {
  // Whole runs of Prim: the tree held in registers grows across table words and registers.
  const int limit = VectorScanMaxNodes(GetParam());
  std::mt19937 rng(11);
  for (int nON : {2, 31, 32, 33, 63, 64, 65, 255, 256, 257, 511, 512, 513, 1023, 1024, 1025, 1500}) {
    if (nON > limit) continue;
    for (int trial = 0; trial < 3; ++trial) {
      const int nOE = nON - 1 + static_cast<int>(rng() % static_cast<unsigned>(2 * nON + 40));
      const int kinds = trial == 0 ? 1 : trial == 1 ? 3 : 1000;  // all equal, heavy ties, few
      const std::vector<Edges> edges = RandomNetwork(rng, nON, nOE, kinds);
      std::vector<Edges> portable = MarkedTreeList(nON);
      std::vector<Edges> vector = MarkedTreeList(nON);
      PrimWithScan(VectorScan::kNone, edges.data(), portable.data(), nOE, nON);
      PrimWithScan(GetParam(), edges.data(), vector.data(), nOE, nON);
      ASSERT_EQ(RowsOf(vector.data(), nON), RowsOf(portable.data(), nON))
          << "nodes " << nON << ", edges " << nOE << ", trial " << trial;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Scans, EachVectorScan, testing::ValuesIn(kAllVectorScans), ScanName);

TEST(ChooseVectorScan, ChoosesARunnableScanThatHandlesTheNetwork) {
  for (int nON : {2, 255, 256, 257, 511, 512, 513, 1023, 1024, 1025, 100000}) {
    const VectorScan scan = ChooseVectorScan(nON, 5000);
    EXPECT_TRUE(VectorScanRuns(scan)) << nON;
    if (scan != VectorScan::kNone) {
      EXPECT_GE(VectorScanMaxNodes(scan), nON);
    }
  }
}

}  // namespace
