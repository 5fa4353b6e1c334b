#include <gtest/gtest.h>

#include <string>
#include <vector>

#if !defined(_WIN32)
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

#include <cstdio>
#include <cstdlib>

#include "driver/network_file.h"
#include "graph/network_vectors.h"
#include "tests/test_networks.h"

using namespace mst;

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define MST_HAS_ADDRESS_SANITIZER 1
#endif
#endif
#ifndef MST_HAS_ADDRESS_SANITIZER
#define MST_HAS_ADDRESS_SANITIZER 0
#endif

namespace {

using Rows = std::vector<std::vector<int>>;

TEST(NetworkFileName, NetworkIndexPicksTheDigit) {
  char name[kFileNameSize];
  const char* expected[] = {"matrix1.txt", "matrix2.txt", "matrix3.txt"};
  for (int t = 0; t < 3; ++t) {
    NetworkFileName(t, name);
    EXPECT_STREQ(name, expected[t]);
  }
}

// Every layout that separates the numbers by white space gives the same edge list.
TEST(LoadNetwork, AcceptsAnyWhiteSpaceLayout) {
  const Rows expected = {{3, 7, 12}, {1, 3, -5}, {2, 7, 4}, {1, 2, 4}, {3, 4, 1}, {4, 5, 1}, {5, 6, 2}};
  const std::vector<std::string> layouts = {
      "7\t7\n3\t7\t12\n1\t3\t-5\n2\t7\t4\n1\t2\t4\n3\t4\t1\n4\t5\t1\n5\t6\t2\n",
      "7 7\n3 7 12\n1 3 -5\n2 7 4\n1 2 4\n3 4 1\n4 5 1\n5 6 2",
      "7\n7\n3\n7\n12\n1\n3\n-5\n2\n7\n4\n1\n2\n4\n3\n4\n1\n4\n5\n1\n5\n6\n2\n",
      "7\t7\r\n3\t7\t12\r\n1\t3\t-5\r\n2\t7\t4\r\n1\t2\t4\r\n3\t4\t1\r\n4\t5\t1\r\n5\t6\t2\r\n",
      "  +7 \t\v\f 7\n\n3 7 +12  1 3 -5 2 7 4 1 2 4 3 4 1 4 5 1 5 6 2",
      // Anything after the last announced row is ignored, garbage included.
      "7 7\n3 7 12\n1 3 -5\n2 7 4\n1 2 4\n3 4 1\n4 5 1\n5 6 2\n9 9 9 extra rows; notes\n",
      // A UTF-8 byte order mark, as some Windows editors save.
      "\xEF\xBB\xBF"
      "7\t7\r\n3\t7\t12\r\n1\t3\t-5\r\n2\t7\t4\r\n1\t2\t4\r\n3\t4\t1\r\n4\t5\t1\r\n5\t6\t2\r\n",
  };
  for (const std::string& text : layouts) {
    SCOPED_TRACE(text);
    const LoadedNetwork network = LoadText(text);
    ASSERT_TRUE(network.loaded) << network.reason;
    EXPECT_EQ(network.nOE, 7);
    EXPECT_EQ(network.nON, 7);
    EXPECT_EQ(RowsOf(network.edges.data(), network.nOE), expected);
  }
}

TEST(LoadNetwork, StoresEndsZeroBasedAsGiven) {
  const LoadedNetwork network = LoadText("6\t7\n3\t7\t12\n2\t1\t1\n2\t3\t1\n4\t3\t1\n5\t4\t1\n6\t5\t1\n");
  ASSERT_TRUE(network.loaded) << network.reason;
  EXPECT_EQ(network.edges[0].node1, 2);
  EXPECT_EQ(network.edges[0].node2, 6);
  EXPECT_EQ(network.edges[0].measure, 12);
  EXPECT_EQ(network.edges[1].node1, 1);  // ends are never reordered
  EXPECT_EQ(network.edges[1].node2, 0);
}

TEST(LoadNetwork, AcceptsTheWholeSigned32BitRangeOfMeasures) {
  const LoadedNetwork network =
      LoadText("3 3\n1 2 2147483647\n2 3 -0000000000000000000000002147483648\n3 1 -0\n");  // zeros lead in vain
  ASSERT_TRUE(network.loaded) << network.reason;
  EXPECT_EQ(RowsOf(network.edges.data(), 3), (Rows{{1, 2, 2147483647}, {2, 3, -2147483647 - 1}, {3, 1, 0}}));
}

struct BadFile {
  const char* name;
  std::string text;
  const char* reason;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const BadFile& c, std::ostream* os) { *os << c.name; }

class LoadNetworkRefuses : public testing::TestWithParam<BadFile> {};

TEST_P(LoadNetworkRefuses, WithAReasonAndNoArrays) {
  const LoadedNetwork network = LoadText(GetParam().text);
  EXPECT_FALSE(network.loaded);
  EXPECT_EQ(network.reason, GetParam().reason);
  EXPECT_FALSE(network.arraysOnFailure);
}

INSTANTIATE_TEST_SUITE_P(
    BadFiles, LoadNetworkRefuses,
    testing::Values(
        BadFile{"Empty", "", "header: the file ends before the edge count"},
        BadFile{"OnlyWhiteSpace", " \r\n\t", "header: the file ends before the edge count"},
        BadFile{"NoNodeCount", "3\n", "header: the file ends before the node count"},
        BadFile{"WordInHeader", "edges 3\n", "header: the edge count is not a decimal integer"},
        BadFile{"Utf16LittleEndian",
                std::string("\xFF\xFE"
                            "1\0 \0"
                            "2\0",
                            8),
                "the file is UTF-16 text; save it as plain text (ASCII or UTF-8)"},
        BadFile{"Utf16BigEndian",
                std::string("\xFE\xFF\0"
                            "1\0 \0"
                            "2",
                            8),
                "the file is UTF-16 text; save it as plain text (ASCII or UTF-8)"},
        BadFile{"BrokenByteOrderMark",
                "\xEF\xBB"
                "1 2\n1 2 5\n",
                "header: the edge count is not a decimal integer"},
        BadFile{"ByteOrderMarkTwice",
                "\xEF\xBB\xBF\xEF\xBB\xBF"
                "1 2\n1 2 5\n",
                "header: the edge count is not a decimal integer"},
        BadFile{"LoneFF",
                "\xFF"
                "1 2\n1 2 5\n",
                "header: the edge count is not a decimal integer"},
        BadFile{"FractionInHeader", "3 2.5\n", "header: the node count is not a decimal integer"},
        BadFile{"HugeHeader", "99999999999 3\n", "header: the edge count is outside the signed 32-bit range"},
        BadFile{"NoEdges", "0 2\n", "header: the edge count 0 is below 1"},
        BadFile{"NegativeEdges", "-4 2\n1 2 1\n", "header: the edge count -4 is below 1"},
        BadFile{"OneNode", "1 1\n1 1 1\n", "header: the node count 1 is below 2"},
        BadFile{"MissingRow", "2 3\n1 2 5\n", "the file ends before edge row 2 of 2"},
        BadFile{"RowCutShort", "2 3\n1 2 5\n2 3", "edge row 2: the file ends before its measure"},
        BadFile{"RowCutAfterOneEnd", "2 3\n1 2 5\n2", "edge row 2: the file ends before its second end node"},
        BadFile{"BillionsAnnounced", "2000000000 3\n1 2 1\n2 3 1\n", "the file ends before edge row 3 of 2000000000"},
        BadFile{"MeasureTooLarge", "1 2\n1 2 2147483648\n",
                "edge row 1: the measure is outside the signed 32-bit range"},
        BadFile{"MeasureTooSmall", "1 2\n1 2 -2147483649\n",
                "edge row 1: the measure is outside the signed 32-bit range"},
        BadFile{"TwentyFiveDigitMeasure", "1 2\n1 2 1234567890123456789012345\n",
                "edge row 1: the measure is outside the signed 32-bit range"},
        BadFile{"TwentyFiveDigitNegativeMeasure", "1 2\n1 2 -9999999999999999999999999\n",
                "edge row 1: the measure is outside the signed 32-bit range"},
        BadFile{"TwentyFiveDigitHeader", "9999999999999999999999999 2\n1 2 1\n",
                "header: the edge count is outside the signed 32-bit range"},
        BadFile{"ManyDigits", "1 2\n1 2 000000000000000000000000000000000000000000001x\n",
                "edge row 1: the measure is not a decimal integer"},
        BadFile{"FractionalMeasure", "2 3\n1 2 1.5\n2 3 1\n", "edge row 1: the measure is not a decimal integer"},
        BadFile{"TrailingLetters", "1 2\n1 2 5x\n", "edge row 1: the measure is not a decimal integer"},
        BadFile{"LoneSign", "1 2\n1 + 5\n", "edge row 1: the second end node is not a decimal integer"},
        BadFile{"DoubleSign", "1 2\n--1 2 5\n", "edge row 1: the first end node is not a decimal integer"},
        BadFile{"Comma", "2 3\n1,2,5\n2 3 1\n", "edge row 1: the first end node is not a decimal integer"},
        BadFile{"NulByte", std::string("1 2\n1 2 \0", 9), "edge row 1: the measure is not a decimal integer"},
        BadFile{"EndZero", "1 2\n0 2 5\n", "edge row 1: the first end node 0 is outside 1 to 2"},
        BadFile{"EndBeyondNodes", "2 3\n1 2 5\n2 4 1\n", "edge row 2: the second end node 4 is outside 1 to 3"},
        BadFile{"NegativeEnd", "1 2\n-1 2 5\n", "edge row 1: the first end node -1 is outside 1 to 2"},
        BadFile{"TooFewEdges", "2 4\n1 2 1\n3 4 1\n", "the network is not connected: 2 edges cannot join 4 nodes"},
        BadFile{"BillionsOfNodes", "1 2000000000\n1 2 1\n",
                "the network is not connected: 1 edges cannot join 2000000000 nodes"},
        BadFile{"TwoComponents", "3 4\n1 2 1\n3 4 1\n2 1 5\n",
                "the network is not connected: node 3 cannot be reached from node 1"},
        BadFile{"OnlySelfLoops", "2 2\n1 1 1\n2 2 1\n",
                "the network is not connected: node 2 cannot be reached from node 1"}),
    [](const testing::TestParamInfo<BadFile>& info) { return std::string(info.param.name); });

#if !defined(_WIN32)
// A header announcing billions of edges or nodes costs no memory: the reader grows with the
// rows the file really holds. Checked in a child process whose address space is capped at its
// current size plus 256 MiB, far below the 24 GB that 2e9 edge records would take, so a reader
// that trusted the header would fail to allocate and give another reason.
TEST(LoadNetwork, BillionsAnnouncedCostNoMemory) {
#if defined(__SANITIZE_ADDRESS__) || MST_HAS_ADDRESS_SANITIZER
  GTEST_SKIP() << "AddressSanitizer reserves terabytes of address space, so RLIMIT_AS cannot be used";
#else
  const struct {
    const char* text;
    const char* reason;
  } cases[] = {
      {"2000000000 3\n1 2 1\n2 3 1\n", "the file ends before edge row 3 of 2000000000"},
      {"1 2000000000\n1 2 1\n", "the network is not connected: 1 edges cannot join 2000000000 nodes"},
  };
  for (const auto& c : cases) {
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      long pages = 0;
      std::FILE* statm = std::fopen("/proc/self/statm", "r");
      if (statm == nullptr || std::fscanf(statm, "%ld", &pages) != 1) _exit(3);
      std::fclose(statm);
      const rlim_t cap = static_cast<rlim_t>(pages) * static_cast<rlim_t>(sysconf(_SC_PAGESIZE)) + (256u << 20);
      const rlimit limit{cap, cap};
      if (setrlimit(RLIMIT_AS, &limit) != 0) _exit(3);
      // The cap holds (the pointer kept in a volatile, so that no compiler leaves the call out).
      void* volatile probe = std::malloc(512u << 20);
      if (probe != nullptr) _exit(4);
      const LoadedNetwork loaded = LoadText(c.text);
      _exit(!loaded.loaded && loaded.reason == c.reason ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << c.text << " (3: no limit could be set, 4: the limit did not hold)";
  }
#endif
}
#endif

// The companions' loader: a file read whole, its refusals with their reasons, and everything
// released each time: 1500 loads would run out of file handles if one stayed open, and the
// sanitizer and valgrind runs see any memory left behind.
TEST(LoadNetworkFile, ReadsRefusesAndReleasesEverything) {
  const std::string good = testing::TempDir() + "load-file-good.txt";
  const std::string bad = testing::TempDir() + "load-file-bad.txt";
  std::FILE* file = std::fopen(good.c_str(), "w");
  ASSERT_NE(file, nullptr);
  std::fputs("3\t3\n1\t2\t4\n2\t3\t1\n1\t3\t3\n", file);
  std::fclose(file);
  file = std::fopen(bad.c_str(), "w");
  ASSERT_NE(file, nullptr);
  std::fputs("2\t3\n1\t2\t5\n2\t4\t1\n", file);
  std::fclose(file);
  for (int k = 0; k < 1500; ++k) {
    Network network;
    std::string reason;
    ASSERT_TRUE(LoadNetworkFile(good, network, reason)) << reason << " at load " << k;
    ASSERT_EQ(network.nON, 3);
    ASSERT_EQ(RowsOf(network.edges.data(), 3), (std::vector<std::vector<int>>{{1, 2, 4}, {2, 3, 1}, {1, 3, 3}}));
    ASSERT_FALSE(LoadNetworkFile(bad, network, reason));
    ASSERT_EQ(reason, "edge row 2: the second end node 4 is outside 1 to 3");
  }
  Network network;
  std::string reason;
  EXPECT_FALSE(LoadNetworkFile(testing::TempDir() + "no-such-network.txt", network, reason));
  EXPECT_EQ(reason, "cannot open the file (No such file or directory)");
  EXPECT_FALSE(LoadNetworkFile(testing::TempDir(), network, reason));
  EXPECT_TRUE(reason == "it is a directory, not a file" || reason.rfind("cannot open the file", 0) == 0) << reason;
  std::remove(good.c_str());
  std::remove(bad.c_str());
}

}  // namespace
