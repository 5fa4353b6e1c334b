#include "driver/timing_line.h"

#include <cstdio>

namespace mst {

void PrintTimingLine(const char* routine, int network, int milliseconds) {
  std::printf("    time for %-8s(network %d) :    %d ms\n\n", routine, network, milliseconds);
}

}  // namespace mst
