#include <gtest/gtest.h>

#include <vector>

#include "mst/prim.h"
#include "tests/test_networks.h"

using namespace mst;

namespace {

using Rows = std::vector<std::vector<int>>;

// Runs Prim once on 1-based rows and returns the first nON - 1 tree records as 1-based rows.
Rows PrimTree(const Rows& rows, int nON) {
  std::vector<Edges> edges = EdgesFromRows(rows);
  std::vector<Edges> tree = MarkedTreeList(nON);
  Prim(edges.data(), tree.data(), static_cast<int>(edges.size()), nON);
  return RowsOf(tree.data(), nON - 1);
}

struct PrimCase {
  const char* name;
  Rows rows;
  int nON;
  Rows tree;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const PrimCase& c, std::ostream* os) { *os << c.name; }

class PrimFinds : public testing::TestWithParam<PrimCase> {};

TEST_P(PrimFinds, TheTreeInJoiningOrder) { EXPECT_EQ(PrimTree(GetParam().rows, GetParam().nON), GetParam().tree); }

INSTANTIATE_TEST_SUITE_P(
    Networks, PrimFinds,
    testing::Values(
        // Step 1 reaches only node 1's edges; step 2 takes 2-3 and node 2 joins.
        PrimCase{"WorkedExample", {{1, 2, 4}, {2, 3, 1}, {1, 3, 3}}, 3, {{1, 3, 3}, {2, 3, 1}}},
        // Of two equally cheap qualifying edges the earlier in the list wins.
        PrimCase{"EqualMeasuresTakeTheFirst", {{2, 3, 1}, {1, 3, 5}, {1, 2, 5}}, 3, {{1, 3, 5}, {2, 3, 1}}},
        // The chosen edge is recorded as stored, not turned towards the tree.
        PrimCase{"EndsKeptAsStored", {{2, 1, 7}, {3, 2, 1}}, 3, {{2, 1, 7}, {3, 2, 1}}},
        // Parallel edges: the cheaper, and of equally cheap ones the earlier.
        PrimCase{"ParallelEdges", {{1, 2, 9}, {2, 1, 4}, {1, 2, 4}, {2, 3, 2}, {3, 2, 2}}, 3, {{2, 1, 4}, {2, 3, 2}}},
        // Self-loops never qualify, however cheap.
        PrimCase{"SelfLoopsIgnored", {{1, 1, -50}, {2, 2, -50}, {1, 2, 3}}, 2, {{1, 2, 3}}},
        // Measures of 32000 and beyond, up to INT_MAX, are chosen like any other.
        PrimCase{
            "LargeMeasures", {{1, 2, 32000}, {2, 3, 2147483647}, {1, 3, 40000}}, 3, {{1, 2, 32000}, {1, 3, 40000}}},
        PrimCase{"NegativeMeasures", {{1, 2, -3}, {2, 3, -8}, {1, 3, -5}}, 3, {{1, 3, -5}, {2, 3, -8}}},
        PrimCase{"EightNodes",
                 {{1, 2, 1}, {3, 4, 2}, {5, 6, 3}, {1, 3, 4}, {7, 8, 5}, {5, 7, 6}, {1, 5, 7}, {2, 8, 9}},
                 8,
                 {{1, 2, 1}, {1, 3, 4}, {3, 4, 2}, {1, 5, 7}, {5, 6, 3}, {5, 7, 6}, {7, 8, 5}}},
        // A network that is not connected: the step that finds nothing ends the routine and
        // the rest of the tree list keeps what it held.
        PrimCase{"NotConnected", {{1, 2, 5}, {3, 4, 1}}, 4, {{1, 2, 5}, {0, 0, -99}, {0, 0, -99}}}),
    [](const testing::TestParamInfo<PrimCase>& info) { return std::string(info.param.name); });

TEST(Prim, SingleNodeTakesNoStep) {
  std::vector<Edges> edges = EdgesFromRows({{1, 1, 3}});
  Edges tree[1];
  tree[0].set(4, 5, 6);
  Prim(edges.data(), tree, 1, 1);
  EXPECT_EQ(RowsOf(tree, 1), (Rows{{5, 6, 6}}));
}

TEST(Prim, RepeatedCallsWriteTheSameTreeAndLeaveTheEdgesAlone) {
  const Rows rows = {{4, 2, 3}, {1, 2, 3}, {2, 3, 3}, {3, 4, 1}, {1, 4, 3}, {4, 5, 2}};
  std::vector<Edges> edges = EdgesFromRows(rows);
  std::vector<Edges> tree(5);
  Prim(edges.data(), tree.data(), 6, 5);
  const Rows first = RowsOf(tree.data(), 4);
  for (int t = 0; t < 3; ++t) {
    Prim(edges.data(), tree.data(), 6, 5);
    EXPECT_EQ(RowsOf(tree.data(), 4), first);
    EXPECT_EQ(RowsOf(edges.data(), 6), rows);
  }
  EXPECT_EQ(first, (Rows{{1, 2, 3}, {4, 2, 3}, {3, 4, 1}, {4, 5, 2}}));
}

}  // namespace

namespace {

// A network past 256 nodes (a table scan on processors with AVX-512, a gather with AVX2 alone)
// follows the same rules.
TEST(Prim, LargeNetworkFollowsTheSameRules) {
  const int nodes = 300;
  Rows rows;
  for (int k = 2; k <= nodes; ++k) rows.push_back({1, k, 5});      // a star of dearer edges
  for (int k = 2; k <= nodes; ++k) rows.push_back({k, k - 1, 1});  // a cheap path, ends reversed
  rows.push_back({nodes, 1, 1});  // as cheap as the path's first edge but later in the list
  Rows expected;
  for (int k = 2; k <= nodes; ++k) expected.push_back({k, k - 1, 1});
  EXPECT_EQ(PrimTree(rows, nodes), expected);
}

}  // namespace
