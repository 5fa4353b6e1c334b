// What mst-race says, from stub timings whose order is known: the verdict must name the faster
// routine, or no winner where the spreads overlap, and the table must show what was measured.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "race/race_report.h"

using namespace mst;

namespace {

RoutineTiming Timing(const char* routine, double median, double min, double max) {
  RoutineTiming t;
  t.routine = routine;
  t.median = median;
  t.min = min;
  t.max = max;
  t.repetitions = 7;
  return t;
}

TEST(RaceReport, VerdictFollowsTheKnownOrder) {
  struct Case {
    std::vector<RoutineTiming> timings;
    std::string verdict;
  };
  const Case cases[] = {
      {{Timing("prim", 1, 0.9, 1.1), Timing("kruskal", 3, 2.9, 3.1), Timing("library-prim", 2, 1.9, 2.1),
        Timing("library-kruskal", 4, 3.9, 4.1)},
       "Fastest here: prim, 2.00 times as fast as the next, library-prim.\n"
       "Of the two textbook routines, Prim's wins, 3.00 times as fast as Kruskal's.\n"},
      {{Timing("prim", 5, 4.9, 5.1), Timing("kruskal", 1.25, 1.2, 1.3), Timing("library-prim", 2.5, 2.4, 2.6)},
       "Fastest here: kruskal, 2.00 times as fast as the next, library-prim.\n"
       "Of the two textbook routines, Kruskal's wins, 4.00 times as fast as Prim's.\n"},
      // Medians apart but spreads overlapping: no winner is named, both medians are.
      {{Timing("prim", 1, 0.8, 1.6), Timing("kruskal", 1.56, 1.5, 1.7)},
       "Fastest here: too close to call (medians: prim 1.000 and kruskal 1.560 microseconds; their spreads "
       "overlap).\n"
       "Of the two textbook routines, neither wins: too close to call (medians: Prim's 1.000 and Kruskal's 1.560 "
       "microseconds; their spreads overlap).\n"},
      // A spread wider than twice its least, as a busy machine makes: no verdict, and why.
      {{Timing("prim", 1, 0.8, 2.8), Timing("kruskal", 2.76, 2.7, 2.9)},
       "Fastest here: no verdict: prim's times spread from 0.800 to 2.800 microseconds, more than twice their "
       "least, as on a busy machine (run it again on a quiet one, or with more --repetitions).\n"
       "Of the two textbook routines, neither wins: no verdict: Prim's times spread from 0.800 to 2.800 "
       "microseconds, more than twice their least, as on a busy machine (run it again on a quiet one, or with more "
       "--repetitions).\n"},
      // Spreads that only touch (one's max the other's min) make no winner either.
      {{Timing("prim", 1, 1, 2), Timing("kruskal", 3, 2, 3.1)},
       "Fastest here: too close to call (medians: prim 1.000 and kruskal 3.000 microseconds; their spreads "
       "overlap).\n"
       "Of the two textbook routines, neither wins: too close to call (medians: Prim's 1.000 and Kruskal's 3.000 "
       "microseconds; their spreads overlap).\n"},
      // The fastest overall is clear while the textbook pair is not.
      {{Timing("kruskal", 3, 2, 4), Timing("prim", 3.5, 3, 5), Timing("library-prim", 1, 0.9, 1.1)},
       "Fastest here: library-prim, 3.00 times as fast as the next, kruskal.\n"
       "Of the two textbook routines, neither wins: too close to call (medians: Kruskal's 3.000 and Prim's 3.500 "
       "microseconds; their spreads overlap).\n"},
  };
  for (const Case& c : cases) EXPECT_EQ(Verdict(c.timings), c.verdict);
}

TEST(RaceReport, TableShowsMedianMinMaxAndMultipleOfTheFastest) {
  RoutineCounts counts;
  counts.prim.primEdgeVisits = 1234567;
  counts.prim.primScans = 1000;
  const std::string table = RaceTable(
      {Timing("kruskal", 6, 5.5, 7.25), Timing("prim", 2, 1.5, 2.5), Timing("library-kruskal", 8, 7, 9)}, counts);
  EXPECT_EQ(table,
            "routine                median          min          max x fastest  one call does\n"
            "kruskal                 6.000        5.500        7.250      3.00  0 comparisons, 0 record moves, "
            "0 allocations (0 bytes), 0 edges examined, 0 label writes\n"
            "prim                    2.000        1.500        2.500      1.00  1,234,567 edge visits (1,000 scans of "
            "the list)\n"
            "library-kruskal         8.000        7.000        9.000      4.00  not observable (Boost.Graph's Kruskal "
            "takes no visitor)\n");
}

TEST(RaceReport, ThousandsAndTheLibraryNote) {
  const std::pair<std::int64_t, const char*> numbers[] = {{0, "0"},
                                                          {999, "999"},
                                                          {1000, "1,000"},
                                                          {123456, "123,456"},
                                                          {1234567, "1,234,567"},
                                                          {-1234, "-1,234"},
                                                          {-123, "-123"},
                                                          {1000000000, "1,000,000,000"}};
  for (const auto& [value, text] : numbers) EXPECT_EQ(Thousands(value), text);
  EXPECT_EQ(LibraryNote(true, true, 0), "");
  EXPECT_EQ(LibraryNote(true, true, 41),
            "\n(library-prim ran with 41 added to every measure: it takes no negative measures, and\n"
            "adding one constant to all changes no spanning tree's rank)\n");
  EXPECT_EQ(LibraryNote(true, false, 0),
            "\n(library-prim is not in the race: the measures span more than it can take)\n");
  EXPECT_EQ(LibraryNote(false, false, 0), "\n(built without Boost.Graph: the library routines are not in the race)\n");
}

}  // namespace
