#pragma once

#include <cstdint>
#include <vector>

#include "graph/edges.h"

// Where each routine's reported tree stands in a network file.
// primStep[r] is k when the file's row r (0-based) is the k-th row of Prim's report, 0 when
// the row is not in Prim's tree; kruskalStep likewise for Kruskal's report.
struct TreeMarks {
  std::vector<int> primStep;
  std::vector<int> kruskalStep;
  std::int64_t primTotal = 0;
  std::int64_t kruskalTotal = 0;
};

// Runs both routines on a copy of the edge list (nOE records in file order, a connected
// network of nON nodes, as LoadNetwork hands it out) and returns the trees mst-bench reports
// for it: Prim's single run on the list in file order, and Kruskal's tree of the last of its
// timed runs (ReportedKruskal).
// A tree record is matched to the first file row holding the same three values: both routines
// take the first of identical rows, and a tree never holds two of them.
// Cost: one Prim call, at most two Kruskal calls and an ordered map of the rows.
[[nodiscard]] TreeMarks MarkReportedTrees(const Edges* in, int nOE, int nON);
