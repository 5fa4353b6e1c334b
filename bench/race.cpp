// mst-race: times the four routines on one network file and says which is fastest there.
// See kUsage.
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "bench/routine_timing.h"
#include "companion/command_line.h"

namespace {

const char* const kUsage =
    "Usage: mst-race [--] NETWORK_FILE\n"
    "Times Prim's and Kruskal's routines as mst-bench runs them, and Boost.Graph's Prim and\n"
    "Kruskal, on the network in NETWORK_FILE (the network file format mst-bench reads; -\n"
    "reads standard input, ./- a file named -). Prints per routine the time per call (median,\n"
    "min and max of 7 repetitions of calibrated batches of about 25 ms), how many times the\n"
    "fastest's it takes and what one call does; then which routine is fastest here.\n"
    "Boost.Graph's Prim takes no negative measures: the race adds one constant to every\n"
    "measure for it, which changes no spanning tree's rank, and says so.\n"
    "\n"
    "  --help  show this text\n"
    "\n"
    "Exit status: 0 the race was run; 1 the file could not be read or used, or standard\n"
    "output could not be written; 2 bad usage.\n"
    "\n"
    "Example: mst-race matrix1.txt\n";

std::string Thousands(std::int64_t value) {
  std::string digits = std::to_string(value);
  for (int at = static_cast<int>(digits.size()) - 3; at > 0; at -= 3) {
    digits.insert(static_cast<std::size_t>(at), ",");
  }
  return digits;
}

// What one call of the routine does, in words.
std::string Operations(const std::string& routine, const RoutineCounts& counts) {
  if (routine == "prim") {
    return Thousands(counts.prim.primEdgeVisits) + " edge visits (" + Thousands(counts.prim.primScans) +
           " scans of the list)";
  }
  if (routine == "kruskal") {
    const OperationCounts& k = counts.kruskal;
    return Thousands(k.comparisons) + " comparisons, " + Thousands(k.recordMoves) + " record moves, " +
           Thousands(k.scratchAllocations) + " allocations (" + Thousands(k.scratchBytes) + " bytes), " +
           Thousands(k.edgesExamined) + " edges examined, " + Thousands(k.labelWrites) + " label writes";
  }
  if (routine == "library-prim") {
    return Thousands(counts.libraryPrimExamined) + " edges examined, " + Thousands(counts.libraryPrimRelaxed) +
           " relaxed";
  }
  return "not observable (Boost.Graph's Kruskal takes no visitor)";
}

// Whether a's spread lies wholly below b's.
bool ClearlyFaster(const RoutineTiming& a, const RoutineTiming& b) { return a.max < b.min; }

std::string Verdict(const std::vector<RoutineTiming>& timings) {
  std::vector<RoutineTiming> ranked = timings;
  std::sort(ranked.begin(), ranked.end(),
            [](const RoutineTiming& a, const RoutineTiming& b) { return a.median < b.median; });
  char line[512];
  const RoutineTiming& first = ranked[0];
  const RoutineTiming& second = ranked[1];
  std::snprintf(line, sizeof line, "Fastest here: %s, %.2f times as fast as the next, %s%s.", first.routine.c_str(),
                second.median / first.median, second.routine.c_str(),
                ClearlyFaster(first, second) ? "" : " (their spreads overlap: too close to call)");
  std::string verdict = line;
  const RoutineTiming* prim = nullptr;
  const RoutineTiming* kruskal = nullptr;
  for (const RoutineTiming& t : timings) {
    if (t.routine == "prim") prim = &t;
    if (t.routine == "kruskal") kruskal = &t;
  }
  const bool primWins = prim->median <= kruskal->median;
  const RoutineTiming& winner = primWins ? *prim : *kruskal;
  const RoutineTiming& loser = primWins ? *kruskal : *prim;
  std::snprintf(line, sizeof line, "\nOf the two textbook routines, %s wins, %.2f times as fast as %s%s.",
                primWins ? "Prim's" : "Kruskal's", loser.median / winner.median,
                primWins ? "Kruskal's" : "Prim's",
                ClearlyFaster(winner, loser) ? "" : " (their spreads overlap: too close to call)");
  return verdict + line;
}

}  // namespace

int main(int argc, char** argv) {
  CommandLine line;
  Network network;
  std::string title;
  const int ended = StartCompanion(argc, argv, {}, "mst-race", kUsage, line, network, title);
  if (ended >= 0) {
    return ended;
  }
  const int nON = network.nON;
  const TimingPlan plan;
  const double expected = ExpectedSeconds(network.edges, nON, plan);
  if (expected > 10) {
    std::fprintf(stderr, "mst-race: this race will take about %.0f seconds\n", expected);
  }
  const std::vector<RoutineTiming> timings = TimeRoutines(network.edges, nON, plan);
  const RoutineCounts counts = CountOperations(network.edges, nON);

  std::printf("%s: %d nodes, %d edges; microseconds per call, median of %d repetitions (min to max)\n\n",
              title.c_str(), nON, static_cast<int>(network.edges.size()),
              plan.repetitions);
  double fastest = timings[0].median;
  for (const RoutineTiming& t : timings) fastest = std::min(fastest, t.median);
  std::printf("%-16s %12s %12s %12s %9s  %s\n", "routine", "median", "min", "max", "x fastest", "one call does");
  for (const RoutineTiming& t : timings) {
    std::printf("%-16s %12.3f %12.3f %12.3f %9.2f  %s\n", t.routine.c_str(), t.median, t.min, t.max,
                t.median / fastest, Operations(t.routine, counts).c_str());
  }
  std::int64_t shift = 0;
  const std::vector<std::string> built = TimedRoutines();
  if (std::find(built.begin(), built.end(), "library-prim") == built.end()) {
    std::printf("\n(built without Boost.Graph: the library routines are not in the race)\n");
  } else if (!LibraryPrimShift(network.edges, shift)) {
    std::printf("\n(library-prim is not in the race: the measures span more than it can take)\n");
  } else if (shift > 0) {
    std::printf("\n(library-prim ran with %lld added to every measure: it takes no negative measures, and\n"
                "adding one constant to all changes no spanning tree's rank)\n",
                static_cast<long long>(shift));
  }
  std::printf("\n%s\n", Verdict(timings).c_str());
  if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
    std::fprintf(stderr, "mst-race: cannot write to standard output\n");
    return 1;
  }
  return 0;
}
