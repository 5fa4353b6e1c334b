#include "driver/tree_report.h"

#include <cinttypes>
#include <cstdint>
#include <cstdio>

#include "graph/tree_total.h"

namespace mst {

void PrintEdge(const Edges* in, int size) {
  std::printf("------------------------------------------------\n");
  for (int k = 0; k < size; ++k) {
    // Ends are printed 1-based, as in network files.
    std::printf("%d\t%d\t%d\n", in[k].node1 + 1, in[k].node2 + 1, in[k].measure);
  }
  std::printf("\nTotal Measure\t%" PRId64 "\n", TreeTotal(in, size));
  std::printf("------------------------------------------------\n\n");
}

}  // namespace mst
