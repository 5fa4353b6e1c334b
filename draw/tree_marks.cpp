#include "draw/tree_marks.h"

#include <unordered_map>

#include "driver/timed_run.h"
#include "graph/tree_total.h"
#include "mst/kruskal.h"
#include "mst/prim.h"

namespace {

static_assert(kRunsPerTiming % 2 == 0, "the reported Kruskal run is taken to be an even-numbered one");

std::uint64_t RowKey(const Edges& edge) {
  // Ends are node numbers below 2^31; the measure keeps all its bits.
  const auto ends = (static_cast<std::uint64_t>(static_cast<std::uint32_t>(edge.node1)) << 32) |
                    static_cast<std::uint32_t>(edge.node2);
  return ends * 0x9E3779B97F4A7C15ULL ^ static_cast<std::uint32_t>(edge.measure);
}

bool SameRow(const Edges& a, const Edges& b) {
  return a.node1 == b.node1 && a.node2 == b.node2 && a.measure == b.measure;
}

// Sets steps[row] = k + 1 for the k-th tree record, at the first matching row not yet marked.
void MarkRows(const Edges* in, int nOE, const std::vector<Edges>& tree,
              std::vector<int>& steps) {
  std::unordered_multimap<std::uint64_t, int> rows;
  rows.reserve(static_cast<std::size_t>(nOE));
  for (int r = 0; r < nOE; ++r) {
    rows.emplace(RowKey(in[r]), r);
  }
  steps.assign(static_cast<std::size_t>(nOE), 0);
  for (std::size_t k = 0; k < tree.size(); ++k) {
    int first = -1;
    const auto range = rows.equal_range(RowKey(tree[k]));
    for (auto it = range.first; it != range.second; ++it) {
      const int r = it->second;
      if (SameRow(in[r], tree[k]) && steps[static_cast<std::size_t>(r)] == 0 && (first < 0 || r < first)) {
        first = r;
      }
    }
    if (first >= 0) {
      steps[static_cast<std::size_t>(first)] = static_cast<int>(k) + 1;
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

  Kruskal(list.data(), room.data(), nOE, nON);
  Kruskal(list.data(), room.data(), nOE, nON);
  tree.assign(room.begin(), room.begin() + (nON - 1));
  marks.kruskalTotal = TreeTotal(tree.data(), nON - 1);
  MarkRows(in, nOE, tree, marks.kruskalStep);
  return marks;
}
