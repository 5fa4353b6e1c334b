#include "tests/support/tree_checker.h"

#include <algorithm>
#include <cstdint>
#include <map>
#include <numeric>
#include <tuple>
#include <vector>

#include "graph/union_find.h"

namespace mst {

namespace {

using Row = std::tuple<int, int, int>;

Row RowOf(const Edges& e) { return {e.node1, e.node2, e.measure}; }

}  // namespace

std::string SpanningTreeFault(const Edges* edges, int nOE, int nON, const Edges* tree, int treeSize) {
  if (treeSize != nON - 1)
    return "the tree has " + std::to_string(treeSize) + " edges for " + std::to_string(nON) + " nodes";
  std::map<Row, int> unused;
  for (int r = 0; r < nOE; ++r) ++unused[RowOf(edges[r])];
  std::vector<int> parent(static_cast<std::size_t>(nON));
  std::iota(parent.begin(), parent.end(), 0);
  for (int k = 0; k < treeSize; ++k) {
    const Edges& e = tree[k];
    const std::string which = "tree edge " + std::to_string(k + 1);
    if (--unused[RowOf(e)] < 0) return which + " is not a row of the network";
    if (e.node1 < 0 || e.node1 >= nON || e.node2 < 0 || e.node2 >= nON) return which + " has an end out of range";
    if (!Join(parent.data(), e.node1, e.node2)) return which + " closes a cycle";
  }
  // nON - 1 edges without a cycle join all nON nodes.
  return "";
}

std::string MinimumSpanningTreeFault(const Edges* edges, int nOE, int nON, const Edges* tree, int treeSize) {
  std::string fault = SpanningTreeFault(edges, nOE, nON, tree, treeSize);
  if (!fault.empty()) return fault;
  // Root the tree at node 0: each node's parent, depth and the measure of the edge above it.
  std::vector<std::vector<int>> around(static_cast<std::size_t>(nON));
  for (int k = 0; k < treeSize; ++k) {
    around[static_cast<std::size_t>(tree[k].node1)].push_back(k);
    around[static_cast<std::size_t>(tree[k].node2)].push_back(k);
  }
  std::vector<int> up(static_cast<std::size_t>(nON), -1), depth(static_cast<std::size_t>(nON), 0);
  std::vector<std::int64_t> upMeasure(static_cast<std::size_t>(nON), 0);
  std::vector<int> queue = {0};
  std::vector<bool> seen(static_cast<std::size_t>(nON), false);
  seen[0] = true;
  for (std::size_t q = 0; q < queue.size(); ++q) {
    const int node = queue[q];
    for (const int k : around[static_cast<std::size_t>(node)]) {
      const int next = tree[k].node1 == node ? tree[k].node2 : tree[k].node1;
      const auto un = static_cast<std::size_t>(next);
      if (seen[un]) continue;
      seen[un] = true;
      up[un] = node;
      depth[un] = depth[static_cast<std::size_t>(node)] + 1;
      upMeasure[un] = tree[k].measure;
      queue.push_back(next);
    }
  }
  // Cycle condition: walk both ends up to their meeting point, keeping the dearest edge.
  for (int r = 0; r < nOE; ++r) {
    int a = edges[r].node1;
    int b = edges[r].node2;
    std::int64_t dearest = INT64_MIN;
    while (a != b) {
      int& deeper = depth[static_cast<std::size_t>(a)] >= depth[static_cast<std::size_t>(b)] ? a : b;
      dearest = std::max(dearest, upMeasure[static_cast<std::size_t>(deeper)]);
      deeper = up[static_cast<std::size_t>(deeper)];
    }
    if (edges[r].measure < dearest) {
      return "row " + std::to_string(r + 1) + " is cheaper than a tree edge on its cycle: not minimal";
    }
  }
  return "";
}

}  // namespace mst
