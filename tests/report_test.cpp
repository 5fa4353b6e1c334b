#include <gtest/gtest.h>

#include <string>

#include "driver/long_run_notice.h"
#include "driver/timing_line.h"
#include "driver/tree_report.h"
#include "tests/test_networks.h"

using namespace mst;

namespace {

const std::string kHyphens = "------------------------------------------------\n";

std::string ReportOf(const std::vector<std::vector<int>>& rows) {
  std::vector<Edges> tree = EdgesFromRows(rows);
  testing::internal::CaptureStdout();
  PrintEdge(tree.data(), static_cast<int>(tree.size()));
  return testing::internal::GetCapturedStdout();
}

TEST(PrintEdge, PrintsRowsOneBasedAndTheTotal) {
  EXPECT_EQ(ReportOf({{1, 3, 3}, {2, 3, 1}}), kHyphens + "1\t3\t3\n2\t3\t1\n\nTotal Measure\t4\n" + kHyphens + "\n");
}

TEST(PrintEdge, EmptyTreePrintsAZeroTotal) {
  EXPECT_EQ(ReportOf({}), kHyphens + "\nTotal Measure\t0\n" + kHyphens + "\n");
}

TEST(PrintEdge, NegativeMeasuresLowerTheTotal) {
  EXPECT_EQ(ReportOf({{2, 1, -7}, {2, 3, 5}}), kHyphens + "2\t1\t-7\n2\t3\t5\n\nTotal Measure\t-2\n" + kHyphens + "\n");
}

TEST(PrintEdge, TotalDoesNotOverflow) {
  EXPECT_EQ(ReportOf({{1, 2, 2147483647}, {2, 3, 2147483647}, {3, 4, 2}}),
            kHyphens + "1\t2\t2147483647\n2\t3\t2147483647\n3\t4\t2\n\nTotal Measure\t4294967296\n" + kHyphens + "\n");
  EXPECT_EQ(ReportOf({{1, 2, -2147483647 - 1}, {2, 3, -2147483647 - 1}}),
            kHyphens + "1\t2\t-2147483648\n2\t3\t-2147483648\n\nTotal Measure\t-4294967296\n" + kHyphens + "\n");
}

TEST(PrintTimingLine, ColumnsLineUpForBothRoutines) {
  testing::internal::CaptureStdout();
  PrintTimingLine("PRIM", 2, 153);
  PrintTimingLine("KRUSKAL", 2, 7);
  EXPECT_EQ(testing::internal::GetCapturedStdout(),
            "    time for PRIM    (network 2) :    153 ms\n\n"
            "    time for KRUSKAL (network 2) :    7 ms\n\n");
}

}  // namespace

namespace {

// The notice before a long timed run: nothing up to ten seconds, then the whole run's expected
// time in a unit that reads well, and one call's.
TEST(LongRunNotice, SaysHowLongARunOfOverTenSecondsWillTake) {
  const struct {
    double secondsPerCall;
    const char* notice;
  } cases[] = {
      {0.0004, ""},  // 8 seconds
      {0.0005, ""},  // exactly 10 seconds
      {0.0006, "mst-bench: PRIM on network 2 will take about 12 seconds (20000 runs of about 0.6 ms each)\n"},
      {0.027, "mst-bench: PRIM on network 2 will take about 9 minutes (20000 runs of about 27 ms each)\n"},
      {1.5, "mst-bench: PRIM on network 2 will take about 8.3 hours (20000 runs of about 1.5 s each)\n"},
  };
  for (const auto& c : cases) EXPECT_EQ(LongRunNotice("PRIM", 2, c.secondsPerCall), c.notice) << c.secondsPerCall;
}

}  // namespace
