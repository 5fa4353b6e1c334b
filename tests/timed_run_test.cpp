// The timed run: exactly kRunsPerTiming calls between two clock readings taken in order, and
// the figure in whole milliseconds.
#include <gtest/gtest.h>

#include <chrono>
#include <climits>
#include <thread>

#include "driver/timed_run.h"
#include "platform/elapsed_clock.h"

using namespace mst;

namespace {

TEST(TimeRuns, CallsTheRoutineExactlyTwentyThousandTimesWithTheSameArguments) {
  Edges edge{};
  Edges tree{};
  int calls = 0;
  int differentArguments = 0;
  static_cast<void>(TimeRuns(
      [&](Edges* in, Edges* out, int nOE, int nON) {
        ++calls;
        differentArguments += (in != &edge || out != &tree || nOE != 7 || nON != 9) ? 1 : 0;
      },
      &edge, &tree, 7, 9));
  EXPECT_EQ(calls, 20000);
  EXPECT_EQ(differentArguments, 0);
}

// A routine that takes time must show in the figure: the readings enclose the calls.
TEST(TimeRuns, TheFigureCoversTheCalls) {
  Edges edge{};
  bool slept = false;
  const int ms = TimeRuns(
      [&](Edges*, Edges*, int, int) {
        if (!slept) std::this_thread::sleep_for(std::chrono::milliseconds(120));
        slept = true;
      },
      &edge, &edge, 1, 2);
  EXPECT_GE(ms, 120);
  EXPECT_LT(ms, 5000);
}

TEST(ElapsedMilliseconds, WholeMillisecondsRoundedDownAndCapped) {
  using std::chrono::microseconds;
  using std::chrono::milliseconds;
  using std::chrono::nanoseconds;
  const ClockReading start = ReadClock();
  const struct {
    std::chrono::steady_clock::duration elapsed;
    int figure;
  } cases[] = {
      {nanoseconds(0), 0},
      {microseconds(999), 0},
      {milliseconds(1), 1},
      {nanoseconds(1999999), 1},
      {milliseconds(20000), 20000},
      {milliseconds(INT_MAX), INT_MAX},
      {milliseconds(INT_MAX) + milliseconds(1), INT_MAX},
      {std::chrono::hours(24 * 365 * 100), INT_MAX},
      {-milliseconds(5), 0},  // a clock that went back never gives a negative figure
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ElapsedMilliseconds(start, start + c.elapsed), c.figure)
        << std::chrono::duration_cast<nanoseconds>(c.elapsed).count() << " ns";
  }
}

}  // namespace
