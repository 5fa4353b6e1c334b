#include "driver/long_run_notice.h"

#include <cmath>
#include <cstdio>

namespace mst {

std::string LongRunNotice(const char* routine, int network, double secondsPerCall) {
  const double seconds = secondsPerCall * kRunsPerTiming;
  if (!(seconds > kNoticeAfterSeconds)) {
    return "";
  }
  char total[32];
  if (seconds < 120) {
    std::snprintf(total, sizeof total, "%.0f seconds", seconds);
  } else if (seconds < 7200) {
    std::snprintf(total, sizeof total, "%.0f minutes", std::round(seconds / 60));
  } else {
    std::snprintf(total, sizeof total, "%.1f hours", seconds / 3600);
  }
  char each[32];
  if (secondsPerCall < 1) {
    std::snprintf(each, sizeof each, "%.2g ms", secondsPerCall * 1000);
  } else {
    std::snprintf(each, sizeof each, "%.2g s", secondsPerCall);
  }
  char line[160];
  std::snprintf(line, sizeof line, "mst-bench: %s on network %d will take about %s (%d runs of about %s each)\n",
                routine, network, total, kRunsPerTiming, each);
  return line;
}

}  // namespace mst
