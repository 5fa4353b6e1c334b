#include "driver/tree_report.h"

#include <cinttypes>
#include <cstdint>
#include <cstdio>

void PrintEdge(const Edges* in, int size) {
  std::int64_t total = 0;
  std::printf("------------------------------------------------\n");
  for (int k = 0; k < size; ++k) {
    total += in[k].measure;
    // Ends are printed 1-based, as in network files.
    std::printf("%d\t%d\t%d\n", in[k].node1 + 1, in[k].node2 + 1, in[k].measure);
  }
  std::printf("\nTotal Measure\t%" PRId64 "\n", total);
  std::printf("------------------------------------------------\n\n");
}
