#include "draw/tree_marks.h"

#include "mst/observed.h"

namespace mst {

namespace {

// steps[row] = k + 1 for the row of the k-th tree record; total: their measures' sum.
void MarkRows(const Edges* in, int nOE, const std::vector<int>& rows, std::vector<int>& steps, std::int64_t& total) {
  steps.assign(static_cast<std::size_t>(nOE), 0);
  total = 0;
  for (std::size_t k = 0; k < rows.size(); ++k) {
    steps[static_cast<std::size_t>(rows[k])] = static_cast<int>(k) + 1;
    total += in[rows[k]].measure;
  }
}

}  // namespace

TreeMarks MarkReportedTrees(const Edges* in, int nOE, int nON) {
  const ReportedTrees trees = ObserveReportedTrees(in, nOE, nON);
  TreeMarks marks;
  MarkRows(in, nOE, trees.primRows, marks.primStep, marks.primTotal);
  MarkRows(in, nOE, trees.kruskalRows, marks.kruskalStep, marks.kruskalTotal);
  return marks;
}

}  // namespace mst
