// The shared checker must refuse every kind of wrong tree, or the tests built on it prove nothing.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/tree_checker.h"
#include "tests/test_networks.h"

using namespace mst;

namespace {

struct CheckerCase {
  const char* name;
  std::vector<std::vector<int>> tree;  // 1-based rows
  const char* fault;
};

TEST(TreeChecker, RefusesEveryWrongTree) {
  // Four nodes: a square 1-2-3-4 with a dear diagonal and an identical pair of rows.
  const std::vector<Edges> network =
      EdgesFromRows({{1, 2, 1}, {2, 3, 2}, {3, 4, 3}, {4, 1, 4}, {1, 3, 9}, {1, 2, 1}, {2, 2, -5}});
  const std::vector<CheckerCase> cases = {
      {"the minimum tree", {{1, 2, 1}, {2, 3, 2}, {3, 4, 3}}, ""},
      {"another order", {{3, 4, 3}, {1, 2, 1}, {2, 3, 2}}, ""},
      {"the identical parallel row", {{1, 2, 1}, {2, 3, 2}, {3, 4, 3}}, ""},
      {"too few edges", {{1, 2, 1}, {2, 3, 2}}, "the tree has 2 edges for 4 nodes"},
      {"ends swapped: not a row", {{2, 1, 1}, {2, 3, 2}, {3, 4, 3}}, "tree edge 1 is not a row of the network"},
      {"another measure", {{1, 2, 1}, {2, 3, 7}, {3, 4, 3}}, "tree edge 2 is not a row of the network"},
      {"a row used twice", {{2, 3, 2}, {2, 3, 2}, {3, 4, 3}}, "tree edge 2 is not a row of the network"},
      {"a cycle", {{1, 2, 1}, {1, 2, 1}, {3, 4, 3}}, "tree edge 2 closes a cycle"},
      {"a self-loop", {{2, 2, -5}, {1, 2, 1}, {3, 4, 3}}, "tree edge 1 closes a cycle"},
      {"spanning but dearer",
       {{1, 2, 1}, {2, 3, 2}, {4, 1, 4}},
       "row 3 is cheaper than a tree edge on its cycle: not minimal"},
      {"the diagonal",
       {{1, 2, 1}, {1, 3, 9}, {3, 4, 3}},
       "row 2 is cheaper than a tree edge on its cycle: not minimal"},
  };
  for (const CheckerCase& c : cases) {
    const std::vector<Edges> tree = EdgesFromRows(c.tree);
    EXPECT_EQ(MinimumSpanningTreeFault(network.data(), static_cast<int>(network.size()), 4, tree.data(),
                                       static_cast<int>(tree.size())),
              c.fault)
        << c.name;
  }
  // Spanning alone accepts a dearer tree.
  const std::vector<Edges> dearer = EdgesFromRows({{1, 2, 1}, {2, 3, 2}, {4, 1, 4}});
  EXPECT_EQ(SpanningTreeFault(network.data(), static_cast<int>(network.size()), 4, dearer.data(), 3), "");
}

}  // namespace
