#include "draw/tree_marks.h"

#include <map>
#include <tuple>

#include "graph/tree_total.h"
#include "mst/prim.h"
#include "mst/reported_runs.h"

namespace {

using RowValues = std::tuple<std::int32_t, std::int32_t, std::int32_t>;

RowValues ValuesOf(const Edges& edge) { return {edge.node1, edge.node2, edge.measure}; }

// Sets steps[row] = k + 1 for the k-th tree record, at the first matching row not yet marked.
void MarkRows(const Edges* in, int nOE, const std::vector<Edges>& tree, std::vector<int>& steps) {
  std::map<RowValues, std::vector<int>> rows;  // each row's values -> its rows, in file order
  for (int r = 0; r < nOE; ++r) {
    rows[ValuesOf(in[r])].push_back(r);
  }
  steps.assign(static_cast<std::size_t>(nOE), 0);
  for (std::size_t k = 0; k < tree.size(); ++k) {
    const auto found = rows.find(ValuesOf(tree[k]));
    if (found == rows.end()) continue;
    for (const int r : found->second) {
      if (steps[static_cast<std::size_t>(r)] == 0) {
        steps[static_cast<std::size_t>(r)] = static_cast<int>(k) + 1;
        break;
      }
    }
  }
}

}  // namespace

TreeMarks MarkReportedTrees(const Edges* in, int nOE, int nON) {
  TreeMarks marks;
  std::vector<Edges> list(in, in + nOE);
  std::vector<Edges> room(static_cast<std::size_t>(nON));  // a tree list, as the reader makes
  std::vector<Edges> tree;  // the nON - 1 records a routine wrote
  Prim(list.data(), room.data(), nOE, nON);
  tree.assign(room.begin(), room.begin() + (nON - 1));
  marks.primTotal = TreeTotal(tree.data(), nON - 1);
  MarkRows(in, nOE, tree, marks.primStep);

  ReportedKruskal(list.data(), room.data(), nOE, nON);
  tree.assign(room.begin(), room.begin() + (nON - 1));
  marks.kruskalTotal = TreeTotal(tree.data(), nON - 1);
  MarkRows(in, nOE, tree, marks.kruskalStep);
  return marks;
}
