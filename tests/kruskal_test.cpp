#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

#include "driver/timed_run.h"
#include "mst/kruskal.h"
#include "mst/merge_sort.h"
#include "mst/observed.h"
#include "mst/prim.h"
#include "tests/support/random_test_networks.h"
#include "tests/test_networks.h"

using namespace mst;

namespace {

using Rows = std::vector<std::vector<int>>;

Rows Sorted(const Rows& rows, int times) {
  std::vector<Edges> edges = EdgesFromRows(rows);
  for (int t = 0; t < times; ++t) {
    mergeSort(0, static_cast<int>(edges.size()) - 1, edges.data());
  }
  return RowsOf(edges.data(), static_cast<int>(edges.size()));
}

struct SortCase {
  const char* name;
  Rows rows;
  int times;
  Rows sorted;
};

void PrintTo(const SortCase& c, std::ostream* os) { *os << c.name; }

class MergeSortGives : public testing::TestWithParam<SortCase> {};

TEST_P(MergeSortGives, TheExpectedOrder) { EXPECT_EQ(Sorted(GetParam().rows, GetParam().times), GetParam().sorted); }

INSTANTIATE_TEST_SUITE_P(
    Lists, MergeSortGives,
    testing::Values(SortCase{"ByMeasure", {{1, 2, 3}, {2, 3, 1}, {3, 4, 2}}, 1, {{2, 3, 1}, {3, 4, 2}, {1, 2, 3}}},
                    // Each sort reverses equal-measure edges; a second sort restores them.
                    SortCase{"EqualsFlip", {{1, 2, 5}, {2, 3, 5}, {3, 4, 5}}, 1, {{3, 4, 5}, {2, 3, 5}, {1, 2, 5}}},
                    SortCase{"EqualsFlipBack", {{1, 2, 5}, {2, 3, 5}, {3, 4, 5}}, 2, {{1, 2, 5}, {2, 3, 5}, {3, 4, 5}}},
                    SortCase{"MixedOnce", {{1, 3, 2}, {2, 3, 2}, {4, 1, 1}}, 1, {{4, 1, 1}, {2, 3, 2}, {1, 3, 2}}},
                    SortCase{"MixedTwice", {{1, 3, 2}, {2, 3, 2}, {4, 1, 1}}, 2, {{4, 1, 1}, {1, 3, 2}, {2, 3, 2}}},
                    // Odd lengths and runs of equals on both sides of a split.
                    SortCase{"EqualsAcrossSplits",
                             {{1, 1, 7}, {2, 2, 3}, {3, 3, 7}, {4, 4, 3}, {5, 5, 7}},
                             1,
                             {{4, 4, 3}, {2, 2, 3}, {5, 5, 7}, {3, 3, 7}, {1, 1, 7}}},
                    SortCase{"SingleRecord", {{2, 1, 9}}, 3, {{2, 1, 9}}},
                    SortCase{
                        "AlreadyIncreasing", {{1, 2, -4}, {2, 3, 0}, {3, 4, 9}}, 5, {{1, 2, -4}, {2, 3, 0}, {3, 4, 9}}},
                    SortCase{"ExtremeMeasures",
                             {{1, 2, 2147483647}, {2, 3, -2147483647 - 1}, {3, 4, 0}},
                             1,
                             {{2, 3, -2147483647 - 1}, {3, 4, 0}, {1, 2, 2147483647}}}),
    [](const testing::TestParamInfo<SortCase>& info) { return std::string(info.param.name); });

TEST(MergeSort, EmptyRangeIsLeftAlone) {
  Edges edge[1];
  edge[0].set(1, 2, 3);
  mergeSort(0, -1, edge);
  EXPECT_EQ(RowsOf(edge, 1), (Rows{{2, 3, 3}}));
}

// Runs Kruskal `calls` times on 1-based rows; returns the first nON - 1 tree records.
Rows KruskalTree(const Rows& rows, int nON, int calls = 1) {
  std::vector<Edges> edges = EdgesFromRows(rows);
  std::vector<Edges> tree = MarkedTreeList(nON);
  for (int t = 0; t < calls; ++t) {
    Kruskal(edges.data(), tree.data(), static_cast<int>(edges.size()), nON);
  }
  return RowsOf(tree.data(), nON - 1);
}

struct KruskalCase {
  const char* name;
  Rows rows;
  int nON;
  int calls;
  Rows tree;
};

void PrintTo(const KruskalCase& c, std::ostream* os) { *os << c.name; }

class KruskalFinds : public testing::TestWithParam<KruskalCase> {};

TEST_P(KruskalFinds, TheTreeInAcceptanceOrder) {
  EXPECT_EQ(KruskalTree(GetParam().rows, GetParam().nON, GetParam().calls), GetParam().tree);
}

const Rows kEightNodes = {{1, 2, 1}, {3, 4, 2}, {5, 6, 3}, {1, 3, 4}, {7, 8, 5}, {5, 7, 6}, {1, 5, 7}, {2, 8, 9}};
const Rows kTies = {{1, 3, 2}, {2, 3, 2}};

INSTANTIATE_TEST_SUITE_P(
    Networks, KruskalFinds,
    testing::Values(KruskalCase{"WorkedExample", {{1, 2, 4}, {2, 3, 1}, {1, 3, 3}}, 3, 1, {{2, 3, 1}, {1, 3, 3}}},
                    // Joins of two components relabel: 1-3 joins {1,2} and {3,4}; 1-5 joins two pairs of
                    // pairs; 2-8 is then inside one component and never needed.
                    KruskalCase{"EightNodes",
                                kEightNodes,
                                8,
                                1,
                                {{1, 2, 1}, {3, 4, 2}, {5, 6, 3}, {1, 3, 4}, {7, 8, 5}, {5, 7, 6}, {1, 5, 7}}},
                    // The first call meets the tie in reverse file order, the second in file order.
                    KruskalCase{"TiesFirstCall", kTies, 3, 1, {{2, 3, 2}, {1, 3, 2}}},
                    KruskalCase{"TiesSecondCall", kTies, 3, 2, {{1, 3, 2}, {2, 3, 2}}},
                    // 3-1 closes a cycle inside one component: skipped, not counted.
                    KruskalCase{"SameComponentSkipped",
                                {{1, 2, 1}, {2, 3, 2}, {3, 1, 3}, {3, 4, 4}},
                                4,
                                1,
                                {{1, 2, 1}, {2, 3, 2}, {3, 4, 4}}},
                    // A self-loop is never recorded, even at a node in no component yet.
                    KruskalCase{"SelfLoopsSkipped", {{1, 1, -9}, {2, 2, -8}, {1, 2, 5}, {2, 2, 1}}, 2, 1, {{1, 2, 5}}},
                    // A relabel that absorbs the second end's component must reach every node of it.
                    KruskalCase{"AbsorbsWholeComponent",
                                {{3, 4, 1}, {4, 5, 1}, {1, 2, 2}, {2, 3, 3}, {1, 5, 4}, {5, 6, 5}},
                                6,
                                2,
                                {{3, 4, 1}, {4, 5, 1}, {1, 2, 2}, {2, 3, 3}, {5, 6, 5}}},
                    KruskalCase{"NotConnected", {{1, 2, 5}, {3, 4, 1}}, 4, 1, {{3, 4, 1}, {1, 2, 5}, {0, 0, -99}}}),
    [](const testing::TestParamInfo<KruskalCase>& info) { return std::string(info.param.name); });

// The driver reports the tree of the last of its runs, which meets ties in file order.
TEST(Kruskal, TimedRunReportsTheLastCallsTree) {
  std::vector<Edges> edges = EdgesFromRows({{1, 3, 2}, {2, 3, 2}, {1, 2, 2}});
  std::vector<Edges> tree(3);
  static_cast<void>(TimeRuns(Kruskal, edges.data(), tree.data(), 3, 3));  // only the tree matters here
  EXPECT_EQ(RowsOf(tree.data(), 2), (Rows{{1, 3, 2}, {2, 3, 2}}));
  EXPECT_EQ(RowsOf(edges.data(), 3), (Rows{{1, 3, 2}, {2, 3, 2}, {1, 2, 2}}));
}

// The watched routines are the timed ones: the same trees, and the counts theory gives, on
// networks with ties, identical rows, parallel rows and self-loops.
TEST(ObservedRoutines, RecordTheTimedTreesAndCountWhatTheoryGives) {
  std::mt19937 rng(20261207);
  for (int nON : {2, 3, 5, 17, 64, 65, 300}) {
    const std::vector<Edges> network = RandomTestNetwork(rng, nON);
    const int nOE = static_cast<int>(network.size());
    SCOPED_TRACE(std::to_string(nON) + " nodes, " + std::to_string(nOE) + " edges");
    std::vector<Edges> timedTree(static_cast<std::size_t>(nON)), seenTree(timedTree);

    Prim(network.data(), timedTree.data(), nOE, nON);
    PrimObservation prim;
    ObservePrim(network.data(), seenTree.data(), nOE, nON, prim);
    EXPECT_EQ(RowsOf(seenTree.data(), nON - 1), RowsOf(timedTree.data(), nON - 1));
    ASSERT_EQ(static_cast<int>(prim.steps.size()), nON - 1);
    for (int k = 0; k < nON - 1; ++k) {
      const Edges& taken = network[static_cast<std::size_t>(prim.steps[static_cast<std::size_t>(k)].edge)];
      EXPECT_EQ(RowsOf(&taken, 1), RowsOf(&timedTree[static_cast<std::size_t>(k)], 1));
    }
    EXPECT_EQ(prim.counts.primScans, nON - 1);
    EXPECT_EQ(prim.counts.primEdgeVisits, static_cast<std::int64_t>(nON - 1) * nOE);

    std::vector<Edges> timedList = network, seenList = network;
    ReportedKruskal(timedList.data(), timedTree.data(), nOE, nON);
    KruskalObservation kruskal;
    ObserveReportedKruskal(seenList.data(), seenTree.data(), nOE, nON, kruskal);
    EXPECT_EQ(RowsOf(seenTree.data(), nON - 1), RowsOf(timedTree.data(), nON - 1));
    EXPECT_EQ(RowsOf(seenList.data(), nOE), RowsOf(timedList.data(), nOE));
    const OperationCounts& counts = kruskal.counts;
    EXPECT_EQ(counts.scratchAllocations, nOE - 1);
    // A top-down merge sort of n records compares at least (n / 2) floor(log2 n) times and at
    // most n ceil(log2 n) - 2^ceil(log2 n) + 1 times.
    const int floorLog = static_cast<int>(std::floor(std::log2(nOE)));
    const int ceilLog = static_cast<int>(std::ceil(std::log2(nOE)));
    EXPECT_GE(counts.comparisons, (nOE / 2) * floorLog);
    EXPECT_LE(counts.comparisons, static_cast<std::int64_t>(nOE) * ceilLog - (1LL << ceilLog) + 1);
    EXPECT_LE(counts.recordMoves, 2LL * nOE * ceilLog);
    EXPECT_EQ(counts.scratchBytes % static_cast<std::int64_t>(sizeof(Edges)), 0);
    // Each record sits in one merge per level: between n and n ceil(log2 n) scratch records.
    EXPECT_LE(counts.scratchBytes / static_cast<std::int64_t>(sizeof(Edges)), static_cast<std::int64_t>(nOE) * ceilLog);
    // The steps: every examined edge once, in order, nON - 1 of them accepted; every self-loop
    // skipped; the labels a merge absorbs belong to nodes that then change label.
    ASSERT_EQ(static_cast<std::int64_t>(kruskal.steps.size()), counts.edgesExamined);
    int accepted = 0;
    std::int64_t merges = 0;
    // An independent replay of the components: a merge relabels every node of node2's
    // component, so the label writes are those components' sizes.
    std::vector<int> component(static_cast<std::size_t>(nON), -1);
    std::int64_t relabelled = 0;
    for (std::size_t k = 0; k < kruskal.steps.size(); ++k) {
      const KruskalStepSeen& step = kruskal.steps[k];
      EXPECT_EQ(step.position, static_cast<int>(k));
      const Edges& edge = seenList[static_cast<std::size_t>(step.position)];
      int& c1 = component[static_cast<std::size_t>(edge.node1)];
      int& c2 = component[static_cast<std::size_t>(edge.node2)];
      if (step.decision == KruskalDecision::kNewComponent) {
        c1 = c2 = edge.node1;
      } else if (step.decision == KruskalDecision::kJoinsComponent) {
        (c1 < 0 ? c1 : c2) = c1 < 0 ? c2 : c1;
      } else if (step.decision == KruskalDecision::kMergesComponents) {
        const int absorbed = c2;
        for (int& c : component) {
          if (c == absorbed) {
            c = c1;
            ++relabelled;
          }
        }
      }
      EXPECT_EQ(step.decision == KruskalDecision::kSelfLoop, edge.node1 == edge.node2);
      accepted += step.decision == KruskalDecision::kNewComponent ||
                  step.decision == KruskalDecision::kJoinsComponent ||
                  step.decision == KruskalDecision::kMergesComponents;
      merges += step.decision == KruskalDecision::kMergesComponents;
    }
    EXPECT_EQ(accepted, nON - 1);
    EXPECT_EQ(counts.relabelScans, merges);
    EXPECT_EQ(counts.labelWrites, relabelled);
  }
}

}  // namespace
