#pragma once

#include <chrono>

namespace mst {

// A monotonic clock for the timed runs: wall-clock changes never show in a figure.
using ClockReading = std::chrono::steady_clock::time_point;

[[nodiscard]] ClockReading ReadClock();

// Whole milliseconds from start to end, rounded down; 0 if end precedes start, and capped at
// the largest int so the figure always fits the report's "%d".
[[nodiscard]] int ElapsedMilliseconds(ClockReading start, ClockReading end);

}  // namespace mst
