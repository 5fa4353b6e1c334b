#pragma once

#include "graph/edges.h"
#include "mst/reported_runs.h"
#include "platform/elapsed_clock.h"

namespace mst {

// Calls routine(in, out, nOE, nON) kRunsPerTiming times in a row with the same arguments and
// returns the whole milliseconds they took. Only those calls lie between the two clock readings.
template <typename Routine>
[[nodiscard]] int TimeRuns(Routine routine, Edges* in, Edges* out, int nOE, int nON) {
  const ClockReading start = ReadClock();
  for (int t = 0; t < kRunsPerTiming; ++t) {
    routine(in, out, nOE, nON);
  }
  const ClockReading end = ReadClock();
  return ElapsedMilliseconds(start, end);
}

}  // namespace mst
