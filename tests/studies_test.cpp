// What the studies and the race share: the summary of a routine's runs, the CSV's count columns,
// and the density study's networks.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "bench/study_networks.h"
#include "bench/study_summary.h"
#include "timing/routine_timing.h"

using namespace mst;

namespace {

TEST(Studies, SummaryTakesTheMiddleRunAndTheSpread) {
  const RoutineTiming odd = Summarize("prim", {7, 3, 9, 1, 5, 8, 2});
  EXPECT_EQ(odd.median, 5);  // the 4th of 7 sorted: 1 2 3 5 7 8 9
  EXPECT_EQ(odd.min, 1);
  EXPECT_EQ(odd.max, 9);
  EXPECT_EQ(odd.repetitions, 7);
  EXPECT_EQ(Summarize("kruskal", {4, 2, 6, 8}).median, 5);  // the mean of an even count's two middles
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

// The scaling fit on curves whose answers are worked out by hand: Prim's time quadruples per
// doubling of the nodes over the upper half (exponent 2), Kruskal's doubles (1); they change
// order beyond their spreads between 16 and 32 nodes, where the medians' ratio goes from 1/2 to
// 2, so at 16 * sqrt(2) = 22.6 nodes; the library's wide spreads make its crossings noise.
TEST(Studies, ScalingFitFindsExponentsCrossoversAndNoise) {
  std::string csv = "nodes,edges,routine,microseconds_per_call,min_microseconds,max_microseconds,repetitions\n";
  const struct {
    const char* routine;
    double medians[4];
    double spread;  // min and max: the median divided and multiplied by it
  } curves[] = {
      {"prim", {1, 2, 8, 32}, 1.01}, {"kruskal", {2, 4, 4, 8}, 1.01}, {"library-prim", {1.1, 1.9, 8.5, 33}, 100}};
  for (const auto& curve : curves) {
    for (int k = 0; k < 4; ++k) {
      const int nodes = 8 << k;
      const double m = curve.medians[k];
      csv += std::to_string(nodes) + "," + std::to_string(3 * nodes) + "," + curve.routine + "," + std::to_string(m) +
             "," + std::to_string(m / curve.spread) + "," + std::to_string(m * curve.spread) + ",7\n";
    }
  }
  // At 10 edges per node the medians cross twice between the two clear sizes (8: Prim ahead,
  // 64: Kruskal ahead; at 16 and 32 the spreads overlap): the crossover is the last crossing,
  // between 16 and 32 nodes, at 16 * 2^(0.1 / 0.4) = 19 nodes, where the ratio's log goes from
  // -0.1 to 0.3.
  csv +=
      "8,80,prim,4.966,4.9,5.0,7\n16,160,prim,9.048,5,20,7\n32,320,prim,13.499,5,20,7\n64,640,prim,16.487,16.4,16.6,7\n"
      "8,80,kruskal,10,9.9,10.1,7\n16,160,kruskal,10,9.9,10.1,7\n32,320,kruskal,10,9.9,10.1,7\n"
      "64,640,kruskal,10,9.9,10.1,7\n";
  const std::string fit = ScalingFit(csv);
  for (const char* line : {"prim                            3       2.00 (32 to 64)\n",
                           "kruskal                         3       1.00 (32 to 64)\n",
                           " 3 edges per node: prim and kruskal cross at about 23 nodes (prim faster below)\n",
                           " 3 edges per node: prim and library-prim medians touch between 8 and 16 nodes\n",
                           " 3 edges per node: prim and library-prim medians touch between 16 and 32 nodes\n",
                           " 3 edges per node: kruskal and library-prim medians touch between 16 and 32 nodes\n",
                           "10 edges per node: prim and kruskal cross at about 19 nodes (prim faster below)\n"}) {
    EXPECT_NE(fit.find(line), std::string::npos) << line << fit;
  }
  EXPECT_EQ(fit.find("prim and kruskal medians touch"), std::string::npos) << fit;
  EXPECT_EQ(fit.find("library-prim cross"), std::string::npos) << fit;
}

// The real networks are summarized apart, each beside the random network nearest in nodes and
// edges per node: here 70 nodes at 3 per node is nearest the 64-node network at 3 per node
// (Prim faster there) although Kruskal is faster on it.
TEST(Studies, RealNetworksAreComparedWithTheNearestRandomNetwork) {
  const std::string header =
      "family,nodes,edges,routine,microseconds_per_call,min_microseconds,max_microseconds,repetitions,"
      "edge_visits,comparisons,record_moves,scratch_allocations,scratch_bytes,label_writes,edges_relaxed\n";
  const std::string csv = header +
                          "random,64,192,prim,1,1,1,7,,,,,,,\nrandom,64,192,kruskal,2,2,2,7,,,,,,,\n"
                          "random,64,1280,prim,9,9,9,7,,,,,,,\nrandom,64,1280,kruskal,3,3,3,7,,,,,,,\n"
                          "real:roads,70,210,prim,8,7.5,8.5,7,,,,,,,\nreal:roads,70,210,kruskal,4,3.9,4.1,7,,,,,,,\n"
                          "real:junk,7O,210,prim,8,7.5,8.5,7,,,,,,,\n";  // a letter O for a zero: left out
  const std::string summary = DensitySummary(csv);
  EXPECT_NE(summary.find("roads                70     210        3.0  8 (7.5-8.5)"), std::string::npos) << summary;
  EXPECT_NE(summary.find("roads            prim/kruskal 2.00 (kruskal faster); the random family at 64 nodes, 3.0 per "
                         "node: 0.50 (prim): not as predicted"),
            std::string::npos)
      << summary;
  EXPECT_EQ(summary.find("Wins: prim 1, kruskal 1 of 2 networks"), summary.find("Wins:")) << summary;
  EXPECT_EQ(summary.find("junk"), std::string::npos) << summary;
  // Without a change of order: one clearly ahead at every density, or never beyond the spreads.
  const std::string ahead = header +
                            "random,64,192,prim,1,1,1,7,100,50,,,,,\nrandom,64,192,kruskal,2,2,2,7,100,50,,,,,\n"
                            "random,64,1280,prim,2,2,2,7,100,50,,,,,\nrandom,64,1280,kruskal,3,3,3,7,100,50,,,,,\n";
  EXPECT_NE(DensitySummary(ahead).find("   64 nodes: prim faster at every density from 192 to 1280 edges\n"),
            std::string::npos)
      << DensitySummary(ahead);
  const std::string close = header +
                            "random,64,192,prim,1,0.5,3,7,100,50,,,,,\nrandom,64,192,kruskal,2,1,4,7,100,50,,,,,\n"
                            "random,64,1280,prim,3,1,4,7,100,50,,,,,\nrandom,64,1280,kruskal,2,1,4,7,100,50,,,,,\n";
  EXPECT_NE(DensitySummary(close).find("   64 nodes: within noise of each other at every density\n"), std::string::npos)
      << DensitySummary(close);
  EXPECT_EQ(DensityMap(csv),
            "random prim 3 64 x2.0 P/K=0.50\nrandom kruskal 20 64 x3.0 P/K=3.00\n"
            "real:roads kruskal 3 70 x2.0 P/K=2.00\n");
}

}  // namespace
