#include "race/race_report.h"

#include <algorithm>
#include <cstdio>

namespace mst {

namespace {

// Whether a's spread lies wholly below b's.
bool ClearlyFaster(const RoutineTiming& a, const RoutineTiming& b) { return a.max < b.min; }

const RoutineTiming& Find(const std::vector<RoutineTiming>& timings, const char* routine) {
  return *std::find_if(timings.begin(), timings.end(),
                       [routine](const RoutineTiming& t) { return t.routine == routine; });
}

// "too close to call (medians: A 1.234 and B 1.300 microseconds; their spreads overlap)"
std::string TooClose(const std::string& a, const RoutineTiming& ta, const std::string& b, const RoutineTiming& tb) {
  char text[256];
  std::snprintf(text, sizeof text,
                "too close to call (medians: %s %.3f and %s %.3f microseconds; their spreads overlap)", a.c_str(),
                ta.median, b.c_str(), tb.median);
  return text;
}

// No winner: too close to call, or, where a routine's times spread wider than twice their least
// (a busy machine's mark), no verdict at all, saying so.
std::string NoWinner(const std::string& a, const RoutineTiming& ta, const std::string& b, const RoutineTiming& tb) {
  for (const auto& [name, t] : {std::make_pair(&a, &ta), std::make_pair(&b, &tb)}) {
    if (t->max > 2 * t->min) {
      char text[320];
      std::snprintf(text, sizeof text,
                    "no verdict: %s times spread from %.3f to %.3f microseconds, more than twice their least, as on "
                    "a busy machine (run it again on a quiet one, or with more --repetitions)",
                    (*name + (name->back() == 's' ? "" : "'s")).c_str(), t->min, t->max);
      return text;
    }
  }
  return TooClose(a, ta, b, tb);
}

}  // namespace

std::string Thousands(std::int64_t value) {
  std::string digits = std::to_string(value);
  const int first = digits[0] == '-' ? 1 : 0;
  for (int at = static_cast<int>(digits.size()) - 3; at > first; at -= 3) {
    digits.insert(static_cast<std::size_t>(at), ",");
  }
  return digits;
}

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

std::string RaceTable(const std::vector<RoutineTiming>& timings, const RoutineCounts& counts) {
  double fastest = timings[0].median;
  for (const RoutineTiming& t : timings) fastest = std::min(fastest, t.median);
  char line[512];
  std::snprintf(line, sizeof line, "%-16s %12s %12s %12s %9s  %s\n", "routine", "median", "min", "max", "x fastest",
                "one call does");
  std::string table = line;
  for (const RoutineTiming& t : timings) {
    std::snprintf(line, sizeof line, "%-16s %12.3f %12.3f %12.3f %9.2f  ", t.routine.c_str(), t.median, t.min, t.max,
                  t.median / fastest);
    table += line + Operations(t.routine, counts) + "\n";
  }
  return table;
}

std::string LibraryNote(bool libraryBuilt, bool shiftable, std::int64_t shift) {
  if (!libraryBuilt) {
    return "\n(built without Boost.Graph: the library routines are not in the race)\n";
  }
  if (!shiftable) {
    return "\n(library-prim is not in the race: the measures span more than it can take)\n";
  }
  if (shift <= 0) {
    return "";
  }
  return "\n(library-prim ran with " + std::to_string(shift) +
         " added to every measure: it takes no negative measures, and\n"
         "adding one constant to all changes no spanning tree's rank)\n";
}

std::string Verdict(const std::vector<RoutineTiming>& timings) {
  std::vector<RoutineTiming> ranked = timings;
  std::stable_sort(ranked.begin(), ranked.end(),
                   [](const RoutineTiming& a, const RoutineTiming& b) { return a.median < b.median; });
  const RoutineTiming& first = ranked[0];
  const RoutineTiming& second = ranked[1];
  char line[512];
  std::string verdict = "Fastest here: ";
  if (ClearlyFaster(first, second)) {
    std::snprintf(line, sizeof line, "%s, %.2f times as fast as the next, %s.\n", first.routine.c_str(),
                  second.median / first.median, second.routine.c_str());
    verdict += line;
  } else {
    verdict += NoWinner(first.routine, first, second.routine, second) + ".\n";
  }
  const RoutineTiming& prim = Find(timings, "prim");
  const RoutineTiming& kruskal = Find(timings, "kruskal");
  const bool primFirst = prim.median <= kruskal.median;
  const RoutineTiming& winner = primFirst ? prim : kruskal;
  const RoutineTiming& loser = primFirst ? kruskal : prim;
  const char* winnerName = primFirst ? "Prim's" : "Kruskal's";
  const char* loserName = primFirst ? "Kruskal's" : "Prim's";
  verdict += "Of the two textbook routines, ";
  if (ClearlyFaster(winner, loser)) {
    std::snprintf(line, sizeof line, "%s wins, %.2f times as fast as %s.\n", winnerName, loser.median / winner.median,
                  loserName);
    verdict += line;
  } else {
    verdict += "neither wins: " + NoWinner(winnerName, winner, loserName, loser) + ".\n";
  }
  return verdict;
}

}  // namespace mst
