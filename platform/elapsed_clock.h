#pragma once

#include <chrono>
#include <climits>

namespace mst {

// A monotonic clock for the timed runs: wall-clock changes never show in a figure.
using ClockReading = std::chrono::steady_clock::time_point;

// The clock's one reading of the machine (the tests link a clock of their own in its place).
[[nodiscard]] ClockReading ReadClock();

// Whole milliseconds from start to end, rounded down; 0 if end precedes start, and capped at
// the largest int so the figure always fits the report's "%d".
[[nodiscard]] inline int ElapsedMilliseconds(ClockReading start, ClockReading end) {
  if (end <= start) {
    return 0;
  }
  const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(end - start).count();
  return ms > INT_MAX ? INT_MAX : static_cast<int>(ms);
}

}  // namespace mst
