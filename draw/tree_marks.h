#pragma once

#include <cstdint>
#include <vector>

#include "graph/edges.h"

namespace mst {

// Where each routine's reported tree stands in a network file.
// primStep[r] is k when the file's row r (0-based) is the k-th row of Prim's report, 0 when
// the row is not in Prim's tree; kruskalStep likewise for Kruskal's report.
struct TreeMarks {
  std::vector<int> primStep;
  std::vector<int> kruskalStep;
  std::int64_t primTotal = 0;
  std::int64_t kruskalTotal = 0;
};

// The trees mst-bench reports for the edge list (nOE records in file order, a connected network
// of nON nodes, as LoadNetwork hands it out), as ObserveReportedTrees (mst/observed.h) ties
// them to the file's rows: Prim's single run on the list in file order, and Kruskal's tree of
// the last of its timed runs. Cost: that of ObserveReportedTrees.
[[nodiscard]] TreeMarks MarkReportedTrees(const Edges* in, int nOE, int nON);

}  // namespace mst
