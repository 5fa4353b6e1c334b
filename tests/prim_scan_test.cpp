// Every scan the program can choose must pick exactly the edge the portable scan picks: the
// first cheapest edge with one end in the tree, whatever the lane, the block, the padding, the
// measure or the node count. The scans come from the one table that Prim chooses from.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <random>
#include <string>
#include <vector>

#include "mst/detail/scan_portable.h"
#include "mst/detail/scan_table.h"
#include "mst/detail/x86_target.h"

#ifdef MST_X86_SCANS
#include <cpuid.h>
#endif
#include "mst/prim.h"
#include "mst/prim_scan.h"
#include "tests/test_networks.h"

// Names the scan in test listings instead of dumping its bytes (beside PrimScan, for lookup).
namespace mst {
static void PrintTo(PrimScan scan, std::ostream* os) { *os << PrimScanName(scan); }
}  // namespace mst

using namespace mst;

namespace {

// The scan's answer on edges with the tree `used`.
int VectorAnswer(PrimScan scan, const std::vector<Edges>& edges, const std::vector<int>& used) {
  return KernelOf(scan).scanOnce(edges.data(), static_cast<int>(edges.size()), static_cast<int>(used.size()),
                                 used.data());
}

int PortableAnswer(const std::vector<Edges>& edges, const std::vector<int>& used) {
  return CheapestCrossingEdge(edges.data(), static_cast<int>(edges.size()), used.data());
}

// Every scan but the portable one, which is the reference.
std::vector<PrimScan> ScansUnderTest() {
  std::vector<PrimScan> scans = AllPrimScans();
  scans.erase(std::remove(scans.begin(), scans.end(), PrimScan::kPortable), scans.end());
  return scans;
}

class EachVectorScan : public testing::TestWithParam<PrimScan> {
 protected:
  void SetUp() override {
    if (!PrimScanRuns(GetParam())) GTEST_SKIP() << "this processor cannot run it";
  }
};

std::string ScanName(const testing::TestParamInfo<PrimScan>& info) {
  std::string name = PrimScanName(info.param);
  for (char& c : name) {
    if (c == '-') c = '_';
  }
  return name;
}

TEST_P(EachVectorScan, PicksTheFirstAmongEqualsAcrossLanesBlocksAndPadding) {
  // Tree {1}; 75 edges: a whole block of 64 and 11 more before the padding.
  std::vector<std::vector<int>> rows;
  for (int i = 0; i < 75; ++i) rows.push_back({2 + i % 5, 3 + i % 4, 50});  // never crossing
  std::vector<int> used(10, 0);
  used[0] = 1;
  struct Case {
    std::vector<int> crossingAt;  // rows made to cross the cut, all of measure 7
    int expected;
  };
  const std::vector<Case> cases = {
      {{5, 13, 21, 37}, 5},  // same AVX2 lane, later blocks
      {{6, 3}, 3},           // different lanes, the lower index wins
      {{70, 74}, 70},        // only in the last, padded block
      {{40, 8}, 8},          // different sets of lanes
      {{31, 32}, 31},        // either side of a half block (AVX2 takes 32 edges a round)
      {{63, 64}, 63},        // either side of a block boundary
      {{16, 0}, 0},          // the same AVX-512 lane
      {{64, 72}, 64},        // the same Pairs64 lane, in the block after a whole one
      {{}, -1},              // nothing crosses
  };
  for (const Case& c : cases) {
    std::vector<std::vector<int>> mine = rows;
    for (int at : c.crossingAt) mine[static_cast<std::size_t>(at)] = {1, 9, 7};
    const std::vector<Edges> edges = EdgesFromRows(mine);
    EXPECT_EQ(PortableAnswer(edges, used), c.expected);
    EXPECT_EQ(VectorAnswer(GetParam(), edges, used), c.expected);
  }
}

TEST_P(EachVectorScan, HandlesTheExtremeMeasures) {
  const std::vector<int> used = {1, 0, 0, 0};
  struct Case {
    std::vector<std::vector<int>> rows;
    int expected;
  };
  const std::vector<Case> cases = {
      // Only edges of the largest measure cross: still found, the first of them.
      {{{2, 3, 1}, {1, 2, INT_MAX}, {2, 4, 1}, {1, 3, INT_MAX}, {3, 4, 1}, {1, 4, INT_MAX}}, 1},
      // Every measure is INT_MAX, the padding's own measure.
      {{{2, 3, INT_MAX}, {3, 4, INT_MAX}, {4, 1, INT_MAX}, {1, 2, INT_MAX}}, 2},
      // Every measure is INT_MIN.
      {{{2, 3, INT_MIN}, {3, 4, INT_MIN}, {1, 3, INT_MIN}, {1, 2, INT_MIN}}, 2},
      // The smallest measure beats everything.
      {{{1, 2, 5}, {2, 3, 1}, {1, 3, INT_MIN}, {2, 4, 1}, {3, 4, 1}, {1, 4, INT_MIN}}, 2},
  };
  for (const Case& c : cases) {
    const std::vector<Edges> edges = EdgesFromRows(c.rows);
    EXPECT_EQ(PortableAnswer(edges, used), c.expected);
    EXPECT_EQ(VectorAnswer(GetParam(), edges, used), c.expected);
  }
}

TEST_P(EachVectorScan, AgreesWithThePortableScanOnRandomCutsAtEveryLimit) {
  const int limit = PrimScanMaxNodes(GetParam());
  std::mt19937 rng(7);
  auto below = [&rng](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
  // Node counts on both sides of every table size, small ones, and one well past them all.
  for (int nON : {2,    3,    31,   32,   33,   63,   64,   255,  256,  257,   511,   512,   513,   1023,  1024, 1025,
                  2047, 2048, 2049, 4095, 4096, 4097, 8191, 8192, 8193, 16383, 16384, 16385, 65535, 65536, 65537}) {
    if (nON > limit) continue;
    for (int trial = 0; trial < (nON > 4097 ? 12 : 60); ++trial) {
      const int nOE = 1 + below(trial % 2 == 0 ? 100 : 2000);
      // Few distinct measures, so ties fall in every lane; some extremes.
      const int kinds = trial % 3 == 0 ? 2 : 40;
      std::vector<Edges> edges(static_cast<std::size_t>(nOE));
      for (Edges& e : edges) {
        int measure = below(kinds) - kinds / 2;
        if (below(50) == 0) measure = below(2) == 0 ? INT_MAX : INT_MIN;
        // Nodes near the top of the range too, where the largest (packed) node numbers are read;
        // on the large counts mostly the top two.
        const int near = nON < 40 ? nON : nON > 4097 ? 2 : 40;
        const int a = below(4) == 0 ? nON - 1 - below(near) : below(nON);
        e.set(a, below(nON), measure);
      }
      std::vector<int> used(static_cast<std::size_t>(nON));
      const int share = 1 + below(9);  // from a few tree nodes to most of them
      for (int& u : used) u = below(10) < share ? 1 : 0;
      ASSERT_EQ(VectorAnswer(GetParam(), edges, used), PortableAnswer(edges, used))
          << "nodes " << nON << ", edges " << nOE << ", trial " << trial;
    }
  }
}

// A random connected network: a random tree, then random pairs (self-loops and parallel edges
// included), shuffled, with measures drawn from `kinds` values around 0 and some extremes.
std::vector<Edges> RandomNetwork(std::mt19937& rng, int nON, int nOE, int kinds) {
  auto below = [&rng](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
  auto measure = [&]() {
    const int pick = below(40);
    return pick == 0 ? INT_MAX : pick == 1 ? INT_MIN : below(kinds) - kinds / 2;
  };
  std::vector<Edges> edges(static_cast<std::size_t>(nOE));
  for (int k = 0; k < nOE; ++k) {
    const int a = k + 1 < nON ? k + 1 : below(nON);
    const int b = k + 1 < nON ? below(k + 1) : below(nON);
    edges[static_cast<std::size_t>(k)].set(a, b, measure());
  }
  std::shuffle(edges.begin(), edges.end(), rng);
  return edges;
}

TEST_P(EachVectorScan, GrowsTheSameTreeAsThePortableScan) {
  // Whole runs of Prim: the tree held in registers grows across table words and registers.
  const int limit = PrimScanMaxNodes(GetParam());
  std::mt19937 rng(11);
  for (int nON : {2,   31,  32,   33,   63,   64,   65,   255,  256,  257,  511,
                  512, 513, 1023, 1024, 1025, 2047, 2048, 2049, 4095, 4096, 4097}) {
    if (nON > limit) continue;
    for (int trial = 0; trial < 3; ++trial) {
      const int nOE = nON - 1 + static_cast<int>(rng() % static_cast<unsigned>(2 * nON + 40));
      const int kinds = trial == 0 ? 1 : trial == 1 ? 3 : 1000;  // all equal, heavy ties, few
      const std::vector<Edges> edges = RandomNetwork(rng, nON, nOE, kinds);
      std::vector<Edges> portable = MarkedTreeList(nON);
      std::vector<Edges> vector = MarkedTreeList(nON);
      PrimWithScan(PrimScan::kPortable, edges.data(), portable.data(), nOE, nON);
      PrimWithScan(GetParam(), edges.data(), vector.data(), nOE, nON);
      ASSERT_EQ(RowsOf(vector.data(), nON), RowsOf(portable.data(), nON))
          << "nodes " << nON << ", edges " << nOE << ", trial " << trial;
    }
  }
}

TEST_P(EachVectorScan, GrowsTheSameTreeAmongTheLargestNodeNumbers) {
  // Whole runs on node counts around 2^13, 2^14 and 2^16: a part of about 150 nodes that holds
  // node 0 and the highest numbers (65535 is the last that 16 bits hold), joined by a random
  // tree and random edges with heavy ties, self-loops and parallel edges; 300 more edges join
  // random nodes, a few of them reaching the part. Prim stops when no edge leaves the tree.
  const int limit = PrimScanMaxNodes(GetParam());
  std::mt19937 rng(13);
  auto below = [&rng](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
  for (int nON : {8191, 8192, 8193, 16383, 16384, 16385, 65535, 65536, 65537}) {
    if (nON > limit) continue;
    std::vector<int> part = {0, nON - 1, nON - 2, nON / 2, 32767 % nON, 65535 % nON, 65534 % nON};
    while (part.size() < 150) part.push_back(1 + below(nON - 1));
    std::vector<Edges> edges = RandomNetwork(rng, static_cast<int>(part.size()), 600, 3);
    for (Edges& e : edges)
      e.set(part[static_cast<std::size_t>(e.node1)], part[static_cast<std::size_t>(e.node2)], e.measure);
    for (int k = 0; k < 300; ++k) {
      Edges outside;
      outside.set(1 + below(nON - 1), 1 + below(nON - 1), below(3));
      edges.push_back(outside);
    }
    std::shuffle(edges.begin(), edges.end(), rng);
    const int nOE = static_cast<int>(edges.size());
    std::vector<Edges> portable = MarkedTreeList(nON);
    std::vector<Edges> vector = MarkedTreeList(nON);
    PrimWithScan(PrimScan::kPortable, edges.data(), portable.data(), nOE, nON);
    PrimWithScan(GetParam(), edges.data(), vector.data(), nOE, nON);
    ASSERT_EQ(RowsOf(vector.data(), nON), RowsOf(portable.data(), nON)) << "nodes " << nON;
  }
}

INSTANTIATE_TEST_SUITE_P(Scans, EachVectorScan, testing::ValuesIn(ScansUnderTest()), ScanName);

TEST(ChoosePrimScan, ChoosesARunnableScanThatHandlesTheNetwork) {
  for (int nON : {2, 64, 65, 255, 256, 257, 511, 512, 513, 1023, 1024, 1025, 2049, 4097, 100000}) {
    for (int nOE : {1, 47, 48, 5000}) {
      const PrimScan scan = ChoosePrimScan(nON, nOE);
      EXPECT_TRUE(PrimScanRuns(scan)) << nON;
      EXPECT_GE(PrimScanMaxNodes(scan), nON);
    }
  }
}

#ifdef MST_X86_SCANS
// What the processor and the operating system offer, read from CPUID and XCR0 here rather than
// through the compiler's builtin: an independent reading of what ThisProcessor reports.
InstructionSets FromCpuid() {
  InstructionSets sets;
  unsigned a = 0, b = 0, c = 0, d = 0;
  if (__get_cpuid(1, &a, &b, &c, &d) == 0 || (c & (1u << 27)) == 0 || (c & (1u << 28)) == 0) {
    return sets;  // no XGETBV or no AVX
  }
  unsigned low = 0, high = 0;
  __asm__ volatile("xgetbv" : "=a"(low), "=d"(high) : "c"(0));
  const bool ymmSaved = (low & 0x6u) == 0x6u;
  const bool zmmSaved = (low & 0xE6u) == 0xE6u;
  if (__get_cpuid_count(7, 0, &a, &b, &c, &d) == 0) return sets;
  sets.avx2 = ymmSaved && (b & (1u << 5)) != 0;
  sets.avx512f = zmmSaved && (b & (1u << 16)) != 0;
  return sets;
}

// An inverted or missing presence check would run instructions the processor lacks (under
// valgrind, which hides AVX-512, CI runs this too).
TEST(ChoosePrimScan, ThisProcessorReportsWhatTheProcessorHas) {
  const InstructionSets reported = ThisProcessor();
  const InstructionSets actual = FromCpuid();
  EXPECT_EQ(reported.avx2, actual.avx2);
  EXPECT_EQ(reported.avx512f, actual.avx512f);
  for (PrimScan scan : AllPrimScans()) {
    const ScanKernel& kernel = KernelOf(scan);
    EXPECT_EQ(PrimScanRuns(scan), (actual.avx2 || !kernel.needs.avx2) && (actual.avx512f || !kernel.needs.avx512f))
        << PrimScanName(scan);
  }
}

// The choice read from the table for stated instruction sets, so that every row is checked on
// any x86-64 processor, whatever this one has.
TEST(ChoosePrimScan, FollowsTheTableForStatedInstructionSets) {
  const InstructionSets none{};
  const InstructionSets avx2{true, false};
  const InstructionSets avx512{true, true};
  struct Case {
    InstructionSets sets;
    int nON;
    int nOE;
    PrimScan expected;
  };
  const Case cases[] = {
      {none, 10, 22, PrimScan::kPortable},
      {none, 10, 32, PrimScan::kPortablePairs64},
      {none, 64, 200, PrimScan::kPortablePairs64},
      {none, 65, 200, PrimScan::kPortable},
      {none, 16383, 16382, PrimScan::kPortable},
      {none, 16384, 16383, PrimScan::kPortableMarks},
      {avx2, 10, 47, PrimScan::kPortablePairs64},
      {avx2, 64, 48, PrimScan::kAvx2Marks16},
      {avx2, 256, 300, PrimScan::kAvx2Marks16},
      {avx2, 257, 256, PrimScan::kAvx2Marks16},
      {avx2, 65536, 65535, PrimScan::kAvx2Marks16},
      {avx2, 70000, 69999, PrimScan::kAvx2Marks},
      {avx512, 10, 31, PrimScan::kPortable},
      {avx512, 10, 32, PrimScan::kAvx512Pairs64},
      {avx512, 64, 63, PrimScan::kAvx512Pairs64},
      {avx512, 65, 64, PrimScan::kAvx512Marks16},
      {avx512, 65536, 65535, PrimScan::kAvx512Marks16},
      {avx512, 65537, 65536, PrimScan::kAvx512Marks},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ChoosePrimScanFor(c.nON, c.nOE, c.sets), c.expected)
        << c.nON << " nodes, " << c.nOE << " edges, avx2 " << c.sets.avx2 << ", avx512f " << c.sets.avx512f;
  }
}
#endif

// Prim's own choice on tree-shaped networks (one edge fewer than nodes) just past each scan's
// node limit: a choice made with the counts swapped would take a scan too small for them.
TEST(ChoosePrimScan, PrimsChoiceGrowsThePortableTreeJustPastEveryLimit) {
  std::mt19937 rng(5);
  for (int nON : {33, 65, 257, 513, 1025, 2049, 4097}) {
    const std::vector<Edges> edges = RandomNetwork(rng, nON, nON - 1, 3);
    std::vector<Edges> portable = MarkedTreeList(nON);
    std::vector<Edges> chosen = MarkedTreeList(nON);
    PrimWithScan(PrimScan::kPortable, edges.data(), portable.data(), nON - 1, nON);
    Prim(edges.data(), chosen.data(), nON - 1, nON);
    ASSERT_EQ(RowsOf(chosen.data(), nON), RowsOf(portable.data(), nON)) << nON << " nodes";
  }
}

}  // namespace
