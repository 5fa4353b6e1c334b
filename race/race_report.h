#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "timing/routine_timing.h"

namespace mst {

// What mst-race prints, from the timings and counts it measured: kept apart from the timing so
// that the tests can hold every sentence to known orders.

// value with a comma before every group of three digits from the right: 1234567 -> "1,234,567".
[[nodiscard]] std::string Thousands(std::int64_t value);

// What one call of the routine does, in words (its counts).
[[nodiscard]] std::string Operations(const std::string& routine, const RoutineCounts& counts);

// The table: a header, then per routine its median, min and max in microseconds, its median as
// a multiple of the fastest median, and Operations.
[[nodiscard]] std::string RaceTable(const std::vector<RoutineTiming>& timings, const RoutineCounts& counts);

// The note on the library's Prim, after the table, or "": built without Boost.Graph; left out
// because its measures could not be shifted into its range (shiftable false); or run with
// `shift` added to every measure (only when shift is above 0).
[[nodiscard]] std::string LibraryNote(bool libraryBuilt, bool shiftable, std::int64_t shift);

// Two sentences, each ending in a newline. "Fastest here: " names the routine of the lowest
// median and how many times as fast as the next it is; "Of the two textbook routines, " says
// which of prim and kruskal wins and by how much. Where the two routines' spreads (min to max)
// overlap, the sentence names no winner: it says the race is too close to call, with both
// medians. timings holds prim and kruskal, and at least two routines.
[[nodiscard]] std::string Verdict(const std::vector<RoutineTiming>& timings);

}  // namespace mst
