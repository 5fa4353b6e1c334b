// The traces tell what the reports show: Prim's chosen edges are its report, Kruskal's accepted
// edges are the reported run's report, every rejected edge closes the cycle the trace names,
// and every count is right, on networks with ties, identical and parallel rows, self-loops and
// negative measures.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <numeric>
#include <random>
#include <string>
#include <vector>

#include "mst/prim.h"
#include "mst/reported_runs.h"
#include "tests/support/random_test_networks.h"
#include "tests/test_networks.h"
#include "trace/step_page.h"
#include "trace/step_trace.h"
#include "trace/trace_json.h"
#include "trace/trace_text.h"

using namespace mst;

namespace {

using Rows = std::vector<std::vector<int>>;

struct TraceCase {
  std::string name;
  std::vector<Edges> edges;
  int nON;
};

void PrintTo(const TraceCase& c, std::ostream* os) { *os << c.name; }

std::vector<TraceCase> Cases() {
  std::vector<TraceCase> cases = {
      {"HandWorked", EdgesFromRows({{1, 2, 4}, {2, 3, 1}, {1, 3, 3}}), 3},
      {"TiesAndNegatives", EdgesFromRows({{1, 3, 2}, {2, 3, 2}, {4, 2, -1}, {1, 4, 2}}), 4},
      {"IdenticalAndParallelRows",
       EdgesFromRows({{1, 2, 5}, {1, 2, 5}, {2, 1, 3}, {2, 3, 3}, {3, 4, 1}, {4, 3, 1}, {1, 4, 3}}), 4},
      {"SelfLoops", EdgesFromRows({{1, 1, 0}, {1, 2, 2}, {2, 2, -5}, {2, 3, 2}, {3, 1, 1}, {3, 3, 1}}), 3},
  };
  std::mt19937 rng(19);
  for (const int nON : {5, 17, 64}) {
    cases.push_back({"Random" + std::to_string(nON), RandomTestNetwork(rng, nON), nON});
  }
  return cases;
}

class StepTraceMatches : public testing::TestWithParam<TraceCase> {};

int Root(std::vector<int>& parent, int node) {
  while (parent[static_cast<std::size_t>(node)] != node) node = parent[static_cast<std::size_t>(node)];
  return node;
}

TEST_P(StepTraceMatches, TheReportsAndTheRoutinesRules) {
  const TraceCase& c = GetParam();
  const int nOE = static_cast<int>(c.edges.size());
  const StepTrace trace = TraceRoutines(c.edges.data(), nOE, c.nON);

  // Prim: the chosen rows are the report's rows, in order; each step's counts are right.
  std::vector<Edges> primTree(static_cast<std::size_t>(c.nON));
  Prim(c.edges.data(), primTree.data(), nOE, c.nON);
  ASSERT_EQ(static_cast<int>(trace.prim.size()), c.nON - 1);
  std::vector<char> inTree(static_cast<std::size_t>(c.nON), 0);
  inTree[0] = 1;
  for (std::size_t k = 0; k < trace.prim.size(); ++k) {
    const PrimTraceStep& step = trace.prim[k];
    SCOPED_TRACE("Prim step " + std::to_string(k + 1));
    EXPECT_EQ(RowsOf(&c.edges[static_cast<std::size_t>(step.row)], 1), RowsOf(&primTree[k], 1));
    EXPECT_EQ(static_cast<int>(step.treeNodes.size()), static_cast<int>(k) + 1);
    for (const int node : step.treeNodes) EXPECT_TRUE(inTree[static_cast<std::size_t>(node)]);
    int crossing = 0;
    int runnerUp = -1;
    for (int r = 0; r < nOE; ++r) {
      const Edges& e = c.edges[static_cast<std::size_t>(r)];
      if (inTree[static_cast<std::size_t>(e.node1)] == inTree[static_cast<std::size_t>(e.node2)]) continue;
      ++crossing;
      if (r != step.row && (runnerUp < 0 || e.measure < c.edges[static_cast<std::size_t>(runnerUp)].measure))
        runnerUp = r;
    }
    EXPECT_EQ(step.crossing, crossing);
    EXPECT_EQ(step.runnerUp, runnerUp);
    EXPECT_FALSE(inTree[static_cast<std::size_t>(step.joining)]);
    inTree[static_cast<std::size_t>(step.joining)] = 1;
  }

  // Kruskal: the sorted order is the reported run's; the accepted rows are its report, in order.
  std::vector<Edges> list = c.edges;
  std::vector<Edges> kruskalTree(static_cast<std::size_t>(c.nON));
  ReportedKruskal(list.data(), kruskalTree.data(), nOE, c.nON);
  ASSERT_EQ(static_cast<int>(trace.kruskalOrder.size()), nOE);
  std::vector<int> sortedRows = trace.kruskalOrder;
  std::sort(sortedRows.begin(), sortedRows.end());
  std::vector<int> everyRow(static_cast<std::size_t>(nOE));
  std::iota(everyRow.begin(), everyRow.end(), 0);
  EXPECT_EQ(sortedRows, everyRow);
  for (int p = 0; p < nOE; ++p) {
    EXPECT_EQ(RowsOf(&c.edges[static_cast<std::size_t>(trace.kruskalOrder[static_cast<std::size_t>(p)])], 1),
              RowsOf(&list[static_cast<std::size_t>(p)], 1));
  }
  std::vector<int> parent(static_cast<std::size_t>(c.nON));
  std::iota(parent.begin(), parent.end(), 0);
  std::vector<char> accepted(static_cast<std::size_t>(nOE), 0);
  Rows acceptedRows;
  for (std::size_t k = 0; k < trace.kruskal.size(); ++k) {
    const KruskalTraceStep& step = trace.kruskal[k];
    SCOPED_TRACE("Kruskal step " + std::to_string(k + 1));
    EXPECT_EQ(step.position, static_cast<int>(k));
    EXPECT_EQ(step.row, trace.kruskalOrder[k]);
    const Edges& e = c.edges[static_cast<std::size_t>(step.row)];
    EXPECT_EQ(step.decision == KruskalDecision::kSelfLoop, e.node1 == e.node2);
    const bool joined = Root(parent, e.node1) == Root(parent, e.node2);
    if (step.decision == KruskalDecision::kSameComponent) {
      EXPECT_TRUE(joined);
      // The cycle: a path of accepted rows from one end to the other.
      int at = e.node1;
      for (const int r : step.cycle) {
        ASSERT_TRUE(accepted[static_cast<std::size_t>(r)]) << "row " << r + 1;
        const Edges& link = c.edges[static_cast<std::size_t>(r)];
        ASSERT_TRUE(link.node1 == at || link.node2 == at) << "row " << r + 1;
        at = link.node1 == at ? link.node2 : link.node1;
      }
      EXPECT_EQ(at, e.node2);
      EXPECT_FALSE(step.cycle.empty());
    } else if (step.decision != KruskalDecision::kSelfLoop) {
      EXPECT_FALSE(joined);
      parent[static_cast<std::size_t>(Root(parent, e.node1))] = Root(parent, e.node2);
      accepted[static_cast<std::size_t>(step.row)] = 1;
      acceptedRows.push_back(RowsOf(&e, 1)[0]);
    }
  }
  EXPECT_EQ(acceptedRows, RowsOf(kruskalTree.data(), c.nON - 1));
}

INSTANTIATE_TEST_SUITE_P(Networks, StepTraceMatches, testing::ValuesIn(Cases()),
                         [](const testing::TestParamInfo<TraceCase>& info) { return info.param.name; });

// Both forms, pinned on a network with a tie, a rejection and a self-loop, its nodes named (one
// name with an accent, two characters wide in bytes, one in the table).
TEST(StepTraceForms, TextAndJsonArePinned) {
  const std::vector<Edges> edges = EdgesFromRows({{1, 2, 4}, {2, 3, 1}, {1, 3, 3}, {3, 3, 0}, {2, 1, 4}});
  StepTrace trace = TraceRoutines(edges.data(), 5, 3);
  EXPECT_NE(TraceJson(trace, "t").find("\n  \"names\": null,\n"), std::string::npos);
  EXPECT_NE(TraceText(trace, "t").find("   3    3  1-3         3      4  accepted: node 1 joins component 1\n"),
            std::string::npos);
  trace.names = {"Myriel", "Val\xC3\xA9", "J \"<"};
  EXPECT_EQ(TraceText(trace, "t\"<x>"),
            "Prim's routine on t\"<x> (3 nodes, 5 edges): the tree grows from node Myriel (1), taking at each step\n"
            "the cheapest edge that crosses from the tree to the rest (the first in the file among equals);\n"
            "total: the tree's measure after the step\n\n"
            "step  tree nodes  crossing  row  edge           measure  total  joins     runner-up\n"
            "   1           1         3    3  Myriel \xE2\x80\x93 J \"<        3      3  J \"< (3)  row 1: Myriel "
            "\xE2\x80\x93 "
            "Val\xC3\xA9, measure 4\n"
            "   2           2         3    2  Val\xC3\xA9 \xE2\x80\x93 J \"<          1      4  Val\xC3\xA9 (2)  row "
            "1: Myriel "
            "\xE2\x80\x93 Val\xC3\xA9, measure 4\n\n"
            "Prim's tree: 4 in total\n\n"
            "Kruskal's routine on t\"<x>, the call mst-bench reports: the edges in sorted order (equal\n"
            "measures in file order), each accepted when it joins two components, else rejected;\n"
            "total: the measure of the edges accepted so far\n\n"
            "step  row  edge           measure  total  decision\n"
            "   1    4  J \"< \xE2\x80\x93 J \"<          0      0  skipped: a self-loop\n"
            "   2    2  Val\xC3\xA9 \xE2\x80\x93 J \"<          1      1  accepted: a new component, 1\n"
            "   3    3  Myriel \xE2\x80\x93 J \"<        3      4  accepted: node Myriel (1) joins component 1\n\n"
            "Kruskal stops after 3 of 5 sorted edges: the tree is complete with 2 edges; 2 edges are never looked at.\n"
            "Kruskal's tree: 4 in total\n");
  // A name of a three-byte character (€) takes one column too.
  StepTrace euro = trace;
  euro.names = {"Myriel", "\xE2\x82\xAC", "J"};
  EXPECT_NE(TraceText(euro, "t").find("  J (3)  row 1: Myriel \xE2\x80\x93 \xE2\x82\xAC, measure 4\n"),
            std::string::npos)
      << TraceText(euro, "t");
  EXPECT_NE(TraceText(euro, "t").find("  \xE2\x82\xAC (2)  row 1: Myriel \xE2\x80\x93 \xE2\x82\xAC, measure 4\n"),
            std::string::npos);
  EXPECT_EQ(
      TraceJson(trace, "t\"<x>"),
      "{\n  \"network\": \"t\\\"\\u003cx>\",\n  \"nodes\": 3,\n  \"edges\": 5,\n"
      "  \"rows\": [[1,2,4],[2,3,1],[1,3,3],[3,3,0],[2,1,4]],\n"
      "  \"names\": [\"Myriel\",\"Val\xC3\xA9\",\"J \\\"\\u003c\"],\n"
      "  \"prim\": {\n    \"steps\": [\n"
      "      {\"step\": 1, \"treeNodes\": [1], \"crossing\": 3, \"row\": 3, \"joins\": 3, \"runnerUp\": 1, \"total\": "
      "3},\n"
      "      {\"step\": 2, \"treeNodes\": [1,3], \"crossing\": 3, \"row\": 2, \"joins\": 2, \"runnerUp\": 1, "
      "\"total\": 4}\n"
      "    ],\n    \"total\": 4\n  },\n"
      "  \"kruskal\": {\n    \"order\": [4,2,3,1,5],\n    \"steps\": [\n"
      "      {\"step\": 1, \"position\": 1, \"row\": 4, \"total\": 0, \"decision\": \"self-loop\"},\n"
      "      {\"step\": 2, \"position\": 2, \"row\": 2, \"total\": 1, \"decision\": \"new-component\", \"label\": 1},\n"
      "      {\"step\": 3, \"position\": 3, \"row\": 3, \"total\": 4, \"decision\": \"joins-component\", \"label\": 1, "
      "\"joins\": 1}\n"
      "    ],\n    \"total\": 4,\n    \"examined\": 3,\n    \"neverExamined\": 2,\n"
      "    \"summary\": \"Kruskal stops after 3 of 5 sorted edges: the tree is complete with 2 edges; 2 edges are "
      "never looked at.\"\n  }\n}\n");
  // A merge: 1-2 and 3-4 make components 1 and 2, then 2-3 joins them and node 2's survives.
  const std::vector<Edges> merging = EdgesFromRows({{2, 3, 3}, {1, 2, 1}, {3, 4, 2}});
  const StepTrace merged = TraceRoutines(merging.data(), 3, 4);
  const std::string json = TraceJson(merged, "m");
  EXPECT_NE(json.find("{\"step\": 3, \"position\": 3, \"row\": 1, \"total\": 6, \"decision\": \"merges-components\", "
                      "\"survives\": 1, \"absorbed\": 2}"),
            std::string::npos)
      << json;
  EXPECT_NE(
      TraceText(merged, "m").find("   3    1  2-3         3      6  accepted: merges components 1 and 2; 1 survives\n"),
      std::string::npos)
      << TraceText(merged, "m");
}

// The page: the title escaped where it stands in the HTML, the drawing kept from <svg to its
// closing tag without what Graphviz writes around it or its titles and comments, the trace's rows
// and totals in it; a file with no drawing refused.
TEST(StepPage, HoldsTheEscapedTitleTheWholeDrawingAndTheTrace) {
  const std::vector<Edges> edges = EdgesFromRows({{1, 2, 4}, {2, 3, 1}, {1, 3, 3}});
  const StepTrace trace = TraceRoutines(edges.data(), 3, 3);
  const std::string drawing =
      "<svg width=\"10\"><g id=\"n1\"></g><!-- n2 --><g id=\"n2\"></g><g id=\"n3\"></g>"
      "<g id=\"e2\"><title>2&#45;&#45;3</title></g><!-- e3 -->\n<g id=\"e3\"><title>3&#45;&#45;1</title></g></svg>";
  const std::string svg = "<?xml version=\"1.0\"?>\n" + drawing + "\n<!-- after -->";
  std::string why;
  std::string page;
  ASSERT_TRUE(StepPage(trace, "a<b&c\".txt", svg, page, why)) << why;
  EXPECT_NE(page.find("a&lt;b&amp;c&quot;.txt"), std::string::npos);
  EXPECT_EQ(page.find("a<b"), std::string::npos);
  EXPECT_NE(page.find("<svg width=\"10\"><g id=\"n1\"></g><g id=\"n2\"></g><g id=\"n3\"></g><g id=\"e2\"></g>"
                      "<g id=\"e3\"></g></svg>"),
            std::string::npos);
  EXPECT_EQ(page.find("<?xml"), std::string::npos);
  EXPECT_EQ(page.find("after -->"), std::string::npos);
  EXPECT_EQ(page.find('\0'), std::string::npos);  // a text file
  EXPECT_NE(page.find("\"nodes\":3,\"edges\":3,\"rows\":[1,2,4,2,3,1,1,3,3]"), std::string::npos);
  EXPECT_NE(page.find("\"prim\":{\"final\":4"), std::string::npos);
  EXPECT_FALSE(StepPage(trace, "t", "<html>no drawing</html>", page, why));
  EXPECT_EQ(why, "it holds no <svg> drawing (make it with: mst-draw NETWORK_FILE | neato -Tsvg)");
}

}  // namespace
