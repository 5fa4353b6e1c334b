// What the studies and the race share: the summary of a routine's runs, the CSV's count columns,
// and the density study's networks.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <utility>
#include <vector>

#include "bench/study_networks.h"
#include "timing/routine_timing.h"

using namespace mst;

namespace {

TEST(Studies, SummaryTakesTheMiddleRunAndTheSpread) {
  const RoutineTiming odd = Summarize("prim", {7, 3, 9, 1, 5, 8, 2});
  EXPECT_EQ(odd.median, 5);  // the 4th of 7 sorted: 1 2 3 5 7 8 9
  EXPECT_EQ(odd.min, 1);
  EXPECT_EQ(odd.max, 9);
  EXPECT_EQ(odd.repetitions, 7);
  EXPECT_EQ(Summarize("kruskal", {4, 2, 6, 8}).median, 6);  // the upper middle of an even count
  EXPECT_EQ(Summarize("kruskal", {3}).median, 3);
}

TEST(Studies, CountColumnsFollowTheHeader) {
  RoutineCounts counts;
  counts.prim.primEdgeVisits = 11;
  counts.kruskal = {0, 0, 2, 3, 4, 5, 6, 0, 7};  // comparisons 2, moves 3, ... label writes 7
  counts.kruskal.edgesExamined = 1;
  counts.library = true;
  counts.libraryPrimExamined = 8;
  counts.libraryPrimRelaxed = 9;
  EXPECT_EQ(std::string(kCountColumns),
            "edge_visits,comparisons,record_moves,scratch_allocations,scratch_bytes,label_writes,edges_relaxed");
  EXPECT_EQ(CountValues("prim", counts), "11,,,,,,");
  EXPECT_EQ(CountValues("kruskal", counts), "1,2,3,4,5,7,");
  EXPECT_EQ(CountValues("library-prim", counts), "8,,,,,,9");
  EXPECT_EQ(CountValues("library-kruskal", counts), ",,,,,,");
}

TEST(Studies, DensityNetworksSpanFromNearlyATreeToTheCompleteGraph) {
  EXPECT_EQ(Densities(64, 4), (std::vector<int>{69, 213, 655, 2016}));  // 1.1 x 63 = 69.3
  const std::vector<StudyNetwork> networks = DensityNetworks(64, 4);
  ASSERT_EQ(networks.size(), 10u);
  const std::vector<std::pair<std::string, int>> expected = {
      {"random", 69},     {"random", 213},    {"random", 655},     {"random", 2016}, {"geometric", 69},
      {"geometric", 213}, {"geometric", 655}, {"geometric", 2016}, {"grid", 112},    {"complete", 2016}};
  for (std::size_t k = 0; k < networks.size(); ++k) {
    EXPECT_EQ(networks[k].family, expected[k].first);
    EXPECT_EQ(static_cast<int>(networks[k].edges.size()), expected[k].second) << networks[k].family;
    // Every family of the study joins each pair of nodes once at most.
    std::set<std::pair<int, int>> pairs;
    for (const Edges& e : networks[k].edges) {
      EXPECT_TRUE(pairs.insert({std::min(e.node1, e.node2), std::max(e.node1, e.node2)}).second)
          << networks[k].family << " " << networks[k].edges.size();
    }
  }
}

}  // namespace
