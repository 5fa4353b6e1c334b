// mst-draw's tree marks must be exactly the trees mst-bench reports, row for row.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "draw/tree_marks.h"
#include "graph/tree_total.h"
#include "mst/kruskal.h"
#include "mst/prim.h"
#include "mst/reported_runs.h"
#include "tests/support/random_test_networks.h"
#include "tests/test_networks.h"

using namespace mst;

namespace {

// The rows of edges that marks name for steps 1, 2, ..., as 1-based rows of values.
std::vector<std::vector<int>> MarkedRows(const std::vector<Edges>& edges, const std::vector<int>& steps) {
  std::vector<std::vector<int>> rows(steps.size());
  std::size_t marked = 0;
  for (std::size_t r = 0; r < steps.size(); ++r) {
    if (steps[r] == 0) continue;
    EXPECT_LE(static_cast<std::size_t>(steps[r]), steps.size());
    EXPECT_TRUE(rows[static_cast<std::size_t>(steps[r] - 1)].empty()) << "step taken twice";
    rows[static_cast<std::size_t>(steps[r] - 1)] = RowsOf(&edges[r], 1)[0];
    ++marked;
  }
  rows.resize(marked);
  return rows;
}

// What mst-bench prints for a network: Prim on the file order, then Kruskal's 20000th run.
void ExpectMarksMatchTheReports(const std::vector<Edges>& fileOrder, int nON) {
  const int nOE = static_cast<int>(fileOrder.size());
  const TreeMarks marks = MarkReportedTrees(fileOrder.data(), nOE, nON);
  std::vector<Edges> edges = fileOrder;
  std::vector<Edges> tree = MarkedTreeList(nON);
  Prim(edges.data(), tree.data(), nOE, nON);
  EXPECT_EQ(MarkedRows(fileOrder, marks.primStep), RowsOf(tree.data(), nON - 1));
  for (int t = 0; t < kRunsPerTiming; ++t) Kruskal(edges.data(), tree.data(), nOE, nON);
  EXPECT_EQ(MarkedRows(fileOrder, marks.kruskalStep), RowsOf(tree.data(), nON - 1));
  const std::int64_t total = TreeTotal(tree.data(), nON - 1);
  EXPECT_EQ(marks.kruskalTotal, total);
  EXPECT_EQ(marks.primTotal, total);
}

struct MarkedNetwork {
  const char* name;
  int nON;
  std::vector<std::vector<int>> rows;
  std::vector<int> primStep;  // per file row, as mst-bench's reports give them
  std::vector<int> kruskalStep;
};

TEST(TreeMarks, StepsAreTheRowsOfEachReport) {
  const std::vector<MarkedNetwork> cases = {
      {"three nodes", 3, {{1, 2, 4}, {2, 3, 1}, {1, 3, 3}}, {0, 2, 1}, {0, 1, 2}},
      // The reported Kruskal run meets equal measures in file order.
      {"equal measures", 3, {{1, 3, 2}, {2, 3, 2}}, {1, 2}, {1, 2}},
      // Identical parallel rows: both routines take the first.
      {"identical parallel rows", 3, {{1, 2, 5}, {1, 2, 5}, {2, 3, 1}}, {1, 0, 2}, {2, 0, 1}},
      // A cheaper parallel row later in the file wins; the self-loop is never taken.
      {"parallel rows and a self-loop", 3, {{2, 2, -9}, {1, 2, 5}, {3, 2, 1}, {2, 1, 4}}, {0, 0, 2, 1}, {0, 0, 1, 2}},
      {"negative measures", 4, {{1, 3, 2}, {2, 3, 2}, {4, 2, -1}, {1, 4, 2}}, {1, 2, 3, 0}, {2, 3, 1, 0}},
  };
  for (const MarkedNetwork& c : cases) {
    SCOPED_TRACE(c.name);
    const std::vector<Edges> edges = EdgesFromRows(c.rows);
    const TreeMarks marks = MarkReportedTrees(edges.data(), static_cast<int>(edges.size()), c.nON);
    EXPECT_EQ(marks.primStep, c.primStep);
    EXPECT_EQ(marks.kruskalStep, c.kruskalStep);
    ExpectMarksMatchTheReports(edges, c.nON);
  }
}

// Both routines break ties by file position in the reported run, so on every accepted network
// they report the same rows, only in different orders.
TEST(TreeMarks, BothReportedTreesHoldTheSameRowsOnRandomNetworks) {
  std::mt19937 rng(1207);
  for (int trial = 0; trial < 300; ++trial) {
    const int nON = 2 + static_cast<int>(rng() % 40);
    const std::vector<Edges> edges = RandomTestNetwork(rng, nON);
    SCOPED_TRACE("trial " + std::to_string(trial));
    const TreeMarks marks = MarkReportedTrees(edges.data(), static_cast<int>(edges.size()), nON);
    for (std::size_t r = 0; r < edges.size(); ++r) {
      ASSERT_EQ(marks.primStep[r] > 0, marks.kruskalStep[r] > 0) << "row " << r + 1;
    }
    if (trial % 10 == 0) ExpectMarksMatchTheReports(edges, nON);
  }
}

}  // namespace
