#pragma once

#include <cstdlib>
#include <cstring>
#include <string>

#include "graph/edges.h"
#include "mst/reported_runs.h"
#include "platform/elapsed_clock.h"
#include "platform/terminal.h"

namespace mst {

// Timed runs expected to last longer than this get a notice first.
constexpr double kNoticeAfterSeconds = 10.0;

// The notice for a timed run of kRunsPerTiming calls of about secondsPerCall each, or "" when
// the run is expected to take kNoticeAfterSeconds or less. E.g. "mst-bench: KRUSKAL on network
// 2 will take about 9 minutes (20000 runs of about 27 ms each)\n".
[[nodiscard]] std::string LongRunNotice(const char* routine, int network, double secondsPerCall);

// At a terminal (standard error), before a long timed run, says how long it will take. The
// estimate comes from one call on a copy of the edge list, before the run and outside its
// interval, so the runs, their time and the list Kruskal keeps sorting are as without it. Off
// a terminal it does nothing at all.
template <typename Routine>
void AnnounceLongRun(Routine routine, const char* name, int network, const Edges* in, Edges* out, int nOE, int nON) {
  if (!IsTerminal(stderr)) {
    return;
  }
  Edges* copy = static_cast<Edges*>(std::malloc(static_cast<std::size_t>(nOE) * sizeof(Edges)));
  if (copy == nullptr) {
    return;  // no notice rather than no run
  }
  std::memcpy(copy, in, static_cast<std::size_t>(nOE) * sizeof(Edges));
  const ClockReading start = ReadClock();
  routine(copy, out, nOE, nON);
  const ClockReading end = ReadClock();
  std::free(copy);
  const std::string notice = LongRunNotice(name, network, std::chrono::duration<double>(end - start).count());
  std::fputs(notice.c_str(), stderr);
  std::fflush(stderr);
}

}  // namespace mst
