#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "graph/edges.h"
#include "mst/observed.h"

namespace mst {

// Times mst-bench's two routines and, where built with Boost.Graph, the library's Prim and
// Kruskal on one network, as the studies and the race do: each routine's batch is calibrated
// (doubling the calls until they last a tenth of the target, then scaled to the target), then
// the repetitions interleave the routines so that a noisy moment hits them all alike. Each
// routine gets its own copy of the list and its own tree list; Kruskal keeps sorting the list
// its previous call left, as in mst-bench's timed runs. The library's graph is built outside
// the timing.

struct RoutineTiming {
  std::string routine;  // prim, kruskal, library-prim, library-kruskal
  double median = 0;    // microseconds per call: the median of the repetitions
  double min = 0;       // and their spread
  double max = 0;
  int repetitions = 0;
};

struct TimingPlan {
  int repetitions = 7;
  double targetSeconds = 0.025;  // per repetition of one routine
};

// The routines this build times, in the order of the results.
[[nodiscard]] std::vector<std::string> TimedRoutines();

// Library Prim refuses negative measures and takes INT_MAX for "unreachable": the constant it
// adds to every measure (which changes no spanning tree's rank), or false when the measures
// span too wide a range for any constant to bring them within 0..INT_MAX - 1.
[[nodiscard]] bool LibraryPrimShift(const std::vector<Edges>& network, std::int64_t& shift);

// One routine's runs (microseconds per call, at least one) as a timing: the median (as
// timing/median.h defines it), the fastest and the slowest.
[[nodiscard]] RoutineTiming Summarize(const std::string& routine, std::vector<double> runs);

[[nodiscard]] std::vector<RoutineTiming> TimeRoutines(const std::vector<Edges>& network, int nON,
                                                      const TimingPlan& plan);

// Seconds TimeRoutines will take, from one untimed call of each routine.
[[nodiscard]] double ExpectedSeconds(const std::vector<Edges>& network, int nON, const TimingPlan& plan);

// What one call of each routine does, counted. The library's Prim reports edges examined (as
// edge visits) and edges relaxed through its visitor; its Kruskal offers no way to watch it.
struct RoutineCounts {
  OperationCounts prim;
  OperationCounts kruskal;
  bool library = false;  // the library counts below are there
  std::int64_t libraryPrimExamined = 0;
  std::int64_t libraryPrimRelaxed = 0;
};

[[nodiscard]] RoutineCounts CountOperations(const std::vector<Edges>& network, int nON);

// The studies' CSV columns for the counts, after their timing columns, and one row's values for
// a routine (empty where the routine has no such count or it cannot be observed):
//   edge_visits    Prim: scans x edges; Kruskal: edges its loop examined; library Prim: edges
//                  examined
//   comparisons, record_moves, scratch_allocations, scratch_bytes   Kruskal's merge sort
//   label_writes   Kruskal's relabelling
//   edges_relaxed  library Prim
constexpr const char* kCountColumns =
    "edge_visits,comparisons,record_moves,scratch_allocations,scratch_bytes,label_writes,edges_relaxed";
[[nodiscard]] std::string CountValues(const std::string& routine, const RoutineCounts& counts);

}  // namespace mst
