#include "timing/routine_timing.h"

#include <algorithm>
#include <climits>
#include <functional>

#include "mst/kruskal.h"
#include "mst/prim.h"
#include "timing/call_timer.h"
#include "timing/median.h"
#ifdef MST_HAVE_BOOST
#include "timing/library_routines.h"
#endif

namespace mst {

namespace {

// The routines set up on one network, each a call on state made outside the timing.
struct Contestants {
  std::vector<Edges> primList, kruskalList, primTree, kruskalTree;
  std::vector<std::string> names;
  std::vector<std::function<void()>> calls;
#ifdef MST_HAVE_BOOST
  LibraryGraph graph;
  LibraryGraph shiftedGraph;
  std::vector<std::size_t> predecessors;
  std::vector<LibraryEdge> libraryTree;
#endif

  Contestants(const std::vector<Edges>& network, int nON)
      : primList(network), kruskalList(network), primTree(static_cast<std::size_t>(nON)), kruskalTree(primTree) {
    const int nOE = static_cast<int>(network.size());
    names = {"prim", "kruskal"};
    calls.push_back([this, nOE, nON] { Prim(primList.data(), primTree.data(), nOE, nON); });
    calls.push_back([this, nOE, nON] { Kruskal(kruskalList.data(), kruskalTree.data(), nOE, nON); });
#ifdef MST_HAVE_BOOST
    graph = MakeLibraryGraph(network.data(), nOE, nON);
    predecessors.resize(static_cast<std::size_t>(nON));
    libraryTree.reserve(static_cast<std::size_t>(nON));
    std::int64_t shift = 0;
    if (LibraryPrimShift(network, shift)) {
      std::vector<Edges> shifted = network;
      for (Edges& e : shifted) e.measure = static_cast<std::int32_t>(e.measure + shift);
      shiftedGraph = MakeLibraryGraph(shifted.data(), nOE, nON);
      names.push_back("library-prim");
      calls.push_back([this] { LibraryPrim(shiftedGraph, predecessors); });
    }
    names.push_back("library-kruskal");
    calls.push_back([this] { LibraryKruskal(graph, libraryTree); });
#endif
  }
};

}  // namespace

std::vector<std::string> TimedRoutines() {
#ifdef MST_HAVE_BOOST
  return {"prim", "kruskal", "library-prim", "library-kruskal"};
#else
  return {"prim", "kruskal"};
#endif
}

bool LibraryPrimShift(const std::vector<Edges>& network, std::int64_t& shift) {
  std::int64_t low = 0;
  std::int64_t high = 0;
  for (const Edges& e : network) {
    low = std::min<std::int64_t>(low, e.measure);
    high = std::max<std::int64_t>(high, e.measure);
  }
  shift = -low;
  return high + shift <= INT_MAX - 1;
}

std::vector<RoutineTiming> TimeRoutines(const std::vector<Edges>& network, int nON, const TimingPlan& plan) {
  Contestants contestants(network, nON);
  const std::size_t count = contestants.calls.size();
  std::vector<long long> batch(count, 1);
  std::vector<std::vector<double>> microseconds(count);
  // Calibrate, which also warms up.
  for (std::size_t r = 0; r < count; ++r) {
    long long calls = 1;
    double seconds = SecondsFor(contestants.calls[r], calls);
    while (seconds < plan.targetSeconds / 10) {
      calls *= 2;
      seconds = SecondsFor(contestants.calls[r], calls);
    }
    batch[r] = std::max(1LL, static_cast<long long>(static_cast<double>(calls) * plan.targetSeconds / seconds));
  }
  for (int rep = 0; rep < plan.repetitions; ++rep) {
    for (std::size_t r = 0; r < count; ++r) {
      microseconds[r].push_back(SecondsFor(contestants.calls[r], batch[r]) * 1e6 / static_cast<double>(batch[r]));
    }
  }
  std::vector<RoutineTiming> timings;
  for (std::size_t r = 0; r < count; ++r) {
    timings.push_back(Summarize(contestants.names[r], microseconds[r]));
  }
  return timings;
}

RoutineTiming Summarize(const std::string& routine, std::vector<double> runs) {
  const auto [fastest, slowest] = std::minmax_element(runs.begin(), runs.end());
  return {routine, Median(runs), *fastest, *slowest, static_cast<int>(runs.size())};
}

double ExpectedSeconds(const std::vector<Edges>& network, int nON, const TimingPlan& plan) {
  Contestants contestants(network, nON);
  double total = 0;
  for (const std::function<void()>& call : contestants.calls) {
    const double once = SecondsFor(call, 1);
    // Calibration takes about two tenths of the target (or a few calls), then the repetitions.
    total += std::max(plan.targetSeconds * 0.2, 3 * once) + plan.repetitions * std::max(plan.targetSeconds, once);
  }
  return total;
}

RoutineCounts CountOperations(const std::vector<Edges>& network, int nON) {
  RoutineCounts counts;
  const int nOE = static_cast<int>(network.size());
  std::vector<Edges> list = network;
  std::vector<Edges> tree(static_cast<std::size_t>(nON));
  PrimObservation prim;
  ObservePrim(list.data(), tree.data(), nOE, nON, prim);
  counts.prim = prim.counts;
  KruskalObservation kruskal;
  ObserveReportedKruskal(list.data(), tree.data(), nOE, nON, kruskal);
  counts.kruskal = kruskal.counts;
#ifdef MST_HAVE_BOOST
  std::int64_t shift = 0;
  if (LibraryPrimShift(network, shift)) {
    std::vector<Edges> shifted = network;
    for (Edges& e : shifted) e.measure = static_cast<std::int32_t>(e.measure + shift);
    const LibraryGraph graph = MakeLibraryGraph(shifted.data(), nOE, nON);
    LibraryPrimCounts(graph, counts.libraryPrimExamined, counts.libraryPrimRelaxed);
    counts.library = true;
  }
#endif
  return counts;
}

std::string CountValues(const std::string& routine, const RoutineCounts& counts) {
  const auto value = [](std::int64_t count) { return std::to_string(count); };
  if (routine == "prim") {
    return value(counts.prim.primEdgeVisits) + ",,,,,,";
  }
  if (routine == "kruskal") {
    const OperationCounts& k = counts.kruskal;
    return value(k.edgesExamined) + "," + value(k.comparisons) + "," + value(k.recordMoves) + "," +
           value(k.scratchAllocations) + "," + value(k.scratchBytes) + "," + value(k.labelWrites) + ",";
  }
  if (routine == "library-prim" && counts.library) {
    return value(counts.libraryPrimExamined) + ",,,,,," + value(counts.libraryPrimRelaxed);
  }
  return ",,,,,,";  // Boost's Kruskal takes no visitor
}

}  // namespace mst
