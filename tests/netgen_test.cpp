#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "graph/connectivity.h"
#include "graph/network_vectors.h"
#include "netgen/geometric_network.h"
#include "netgen/netgen_options.h"
#include "netgen/network_generator.h"
#include "tests/test_networks.h"

using namespace mst;

namespace {

std::string Text(const std::vector<Edges>& edges, int nodes) {
  std::FILE* file = std::tmpfile();
  WriteNetwork(file, edges, nodes);
  std::string text(static_cast<std::size_t>(std::ftell(file)), '\0');
  std::rewind(file);
  const std::size_t got = std::fread(&text[0], 1, text.size(), file);
  std::fclose(file);
  text.resize(got);
  return text;
}

NetworkRequest Request(int nodes, int edges, std::uint64_t seed, std::int32_t min, std::int32_t max) {
  NetworkRequest request;
  request.nodes = nodes;
  request.edges = edges;
  request.seed = seed;
  request.minMeasure = min;
  request.maxMeasure = max;
  return request;
}

TEST(Generate, MeetsEveryRequest) {
  const std::vector<NetworkRequest> requests = {Request(2, 1, 1, 1, 1),
                                                Request(2, 9, 5, 0, 0),
                                                Request(10, 9, 3, -50, -10),
                                                Request(40, 300, 7, 1, 1000),
                                                Request(100, 99, 11, 5, 5),
                                                Request(64, 2016, 2, -2147483647 - 1, 2147483647),
                                                Request(250, 2500, 1234567890123ULL, -3, 3)};
  for (const NetworkRequest& request : requests) {
    SCOPED_TRACE(std::to_string(request.nodes) + " nodes, " + std::to_string(request.edges) + " edges");
    const std::vector<Edges> edges = Generate(request).edges;
    ASSERT_EQ(static_cast<int>(edges.size()), request.edges);
    for (const Edges& e : edges) {
      ASSERT_NE(e.node1, e.node2);
      ASSERT_TRUE(e.node1 >= 0 && e.node1 < request.nodes && e.node2 >= 0 && e.node2 < request.nodes);
      ASSERT_TRUE(e.measure >= request.minMeasure && e.measure <= request.maxMeasure);
    }
    EXPECT_EQ(FirstUnreachableNode(edges.data(), request.edges, request.nodes), request.nodes);
    // Read back by the program's own reader: accepted, and the same edges in the same order.
    const LoadedNetwork loaded = LoadText(Text(edges, request.nodes));
    ASSERT_TRUE(loaded.loaded) << loaded.reason;
    EXPECT_EQ(loaded.nON, request.nodes);
    EXPECT_EQ(RowsOf(loaded.edges.data(), loaded.nOE), RowsOf(edges.data(), request.edges));
  }
}

TEST(Generate, SameSeedSameNetworkOnEveryPlatform) {
  const NetworkRequest request = Request(5, 7, 42, 1, 1000);
  // Pinned: mt19937_64's sequence is fixed by the standard, and so is everything built on it.
  EXPECT_EQ(Text(Generate(request).edges, 5),
            "7\t5\n4\t3\t660\n3\t1\t426\n5\t3\t790\n3\t4\t554\n2\t3\t631\n4\t1\t560\n1\t4\t3\n");
  const NetworkRequest other = Request(5, 7, 43, 1, 1000);
  EXPECT_NE(Text(Generate(other).edges, 5), Text(Generate(request).edges, 5));
}

// Every family: the counts asked for, connected, within the measures, no parallel edges where
// the family promises none, and the family's own shape.
TEST(Generate, EveryFamilyMakesItsShape) {
  struct Case {
    NetworkFamily family;
    bool distinct;
    int nodes;
    int edges;
  };
  const Case cases[] = {
      {NetworkFamily::kRandom, true, 64, 200},   {NetworkFamily::kRandom, true, 64, 1500},
      {NetworkFamily::kRandom, true, 64, 2016},  {NetworkFamily::kRandom, true, 2, 1},
      {NetworkFamily::kComplete, false, 2, 1},   {NetworkFamily::kComplete, false, 37, 666},
      {NetworkFamily::kGrid, false, 2, 1},       {NetworkFamily::kGrid, false, 5, 5},
      {NetworkFamily::kGrid, false, 10, 13},     {NetworkFamily::kGrid, false, 64, 112},
      {NetworkFamily::kGrid, false, 1000, 1936},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(static_cast<int>(c.family)) + ": " + std::to_string(c.nodes) + " nodes");
    NetworkRequest request = Request(c.nodes, c.edges, 9, -5, 5);
    request.family = c.family;
    request.distinctPairs = c.distinct;
    EXPECT_EQ(c.family == NetworkFamily::kComplete ? CompleteEdges(c.nodes) : c.edges, c.edges);
    EXPECT_EQ(c.family == NetworkFamily::kGrid ? GridEdges(c.nodes) : c.edges, c.edges);
    const std::vector<Edges> edges = Generate(request).edges;
    ASSERT_EQ(static_cast<int>(edges.size()), c.edges);
    EXPECT_EQ(FirstUnreachableNode(edges.data(), c.edges, c.nodes), c.nodes);
    std::set<std::pair<int, int>> pairs;
    const long long columns = GridColumns(c.nodes);
    for (const Edges& e : edges) {
      ASSERT_TRUE(e.node1 != e.node2 && e.measure >= -5 && e.measure <= 5);
      const int low = std::min(e.node1, e.node2);
      const int high = std::max(e.node1, e.node2);
      ASSERT_TRUE(pairs.insert({low, high}).second) << "parallel edge " << low << "-" << high;
      if (c.family == NetworkFamily::kGrid) {
        // Lattice neighbours only: beside each other in one row, or one above the other.
        EXPECT_TRUE((high == low + 1 && high % columns != 0) || high == low + columns) << low << "-" << high;
      }
    }
  }
  // Pinned, one per family: the same bytes on every platform.
  NetworkRequest grid = Request(5, 5, 42, 1, 9);
  grid.family = NetworkFamily::kGrid;
  NetworkRequest complete = Request(4, 6, 42, 1, 9);
  complete.family = NetworkFamily::kComplete;
  NetworkRequest distinct = Request(4, 5, 42, 1, 9);
  distinct.distinctPairs = true;
  EXPECT_EQ(Text(Generate(grid).edges, 5) + Text(Generate(complete).edges, 4) + Text(Generate(distinct).edges, 4),
            "5\t5\n2\t3\t6\n2\t5\t5\n5\t4\t2\n1\t2\t8\n1\t4\t1\n"
            "6\t4\n2\t3\t6\n1\t3\t7\n4\t3\t2\n1\t4\t1\n4\t2\t2\n1\t2\t3\n"
            "5\t4\n4\t1\t7\n1\t3\t7\n4\t2\t8\n3\t4\t5\n2\t1\t7\n");
  // The geometric family is the geometric network, with its points; the others have none.
  NetworkRequest geometric = Request(30, 60, 42, 1, 9);
  geometric.family = NetworkFamily::kGeometric;
  const GeneratedNetwork made = Generate(geometric);
  const GeometricNetwork expected = GenerateGeometricNetwork(30, 60, 42);
  EXPECT_EQ(Text(made.edges, 30), Text(expected.edges, 30));
  ASSERT_EQ(made.points.size(), 30u);
  EXPECT_EQ(made.points[29].x, expected.points[29].x);
  EXPECT_TRUE(Generate(grid).points.empty());
}

TEST(GeometricNetwork, RoundedDistanceIsExact) {
  const struct {
    Point a, b;
    std::int32_t distance;
  } cases[] = {{{0, 0}, {3, 4}, 5},
               {{0, 0}, {1, 1}, 1},
               {{2, 2}, {0, 0}, 3},
               {{5, 5}, {5, 5}, 0},
               {{0, 0}, {10000, 10000}, 14142},
               {{0, 0}, {2, 6}, 6},  // sqrt(40) = 6.32
               {{0, 0}, {6, 3}, 7},  // sqrt(45) = 6.708
               {{0, 0}, {9999, 1}, 9999}};
  for (const auto& c : cases) {
    EXPECT_EQ(RoundedDistance(c.a, c.b), c.distance) << c.b.x << "," << c.b.y;
  }
}

TEST(GeometricNetwork, ConnectedExactCountsMeasuresAreTheDistances) {
  const struct {
    int nodes, edges;
    std::uint64_t seed;
  } requests[] = {{2, 1, 1}, {3, 3, 2}, {10, 9, 3}, {60, 170, 4}, {40, 780, 5}, {300, 1200, 6}};
  for (const auto& r : requests) {
    SCOPED_TRACE(std::to_string(r.nodes) + " nodes, " + std::to_string(r.edges) + " edges");
    const GeometricNetwork network = GenerateGeometricNetwork(r.nodes, r.edges, r.seed);
    ASSERT_EQ(network.points.size(), static_cast<std::size_t>(r.nodes));
    ASSERT_EQ(network.edges.size(), static_cast<std::size_t>(r.edges));
    std::set<std::pair<int, int>> pairs;
    for (const Edges& e : network.edges) {
      ASSERT_NE(e.node1, e.node2);
      EXPECT_TRUE(pairs.insert({std::min(e.node1, e.node2), std::max(e.node1, e.node2)}).second) << "a parallel edge";
      EXPECT_EQ(e.measure, RoundedDistance(network.points[static_cast<std::size_t>(e.node1)],
                                           network.points[static_cast<std::size_t>(e.node2)]));
    }
    for (const Point& p : network.points) {
      EXPECT_TRUE(p.x >= 0 && p.x <= kGeometricSide && p.y >= 0 && p.y <= kGeometricSide);
    }
    EXPECT_EQ(FirstUnreachableNode(network.edges.data(), r.edges, r.nodes), r.nodes);
  }
}

// The points as mst-netgen --positions writes them.
std::string PointsText(const std::vector<Point>& points) {
  std::FILE* file = std::tmpfile();
  WritePositions(file, points);
  std::string text(static_cast<std::size_t>(std::ftell(file)), '\0');
  std::rewind(file);
  text.resize(std::fread(&text[0], 1, text.size(), file));
  std::fclose(file);
  return text;
}

TEST(GeometricNetwork, SameSeedSameBytesOnEveryPlatform) {
  const GeometricNetwork network = GenerateGeometricNetwork(5, 7, 42);
  const std::string points = PointsText(network.points);
  EXPECT_EQ(points, "4349 3380\n1678 4803\n366 575\n5306 7613\n9334 9387\n");
  EXPECT_EQ(Text(network.edges, 5),
            "7\t5\n2\t4\t4589\n2\t3\t4427\n1\t5\t7806\n1\t3\t4872\n5\t4\t4401\n1\t2\t3026\n4\t1\t4340\n");
}

// 64-bit FNV-1a of text, to pin large outputs.
std::uint64_t Fingerprint(const std::string& text) {
  std::uint64_t hash = 14695981039346656037ULL;
  for (const unsigned char c : text) hash = (hash ^ c) * 1099511628211ULL;
  return hash;
}

// Larger outputs pinned by their fingerprints: a network of 1500 points has equal distances
// among the candidates the tie rules decide (the tree's next node, the rounds' r-th nearest),
// so a change of those rules, of the draws or of the seed shows here.
TEST(GeometricNetwork, LargerNetworksWithTiesArePinned) {
  const GeometricNetwork network = GenerateGeometricNetwork(1500, 6000, 42);
  const std::string points = PointsText(network.points);
  EXPECT_EQ(Fingerprint(points), 11897024451146884243ULL);
  EXPECT_EQ(Fingerprint(Text(network.edges, 1500)), 1997130693332506066ULL);
  EXPECT_EQ(Fingerprint(Text(Generate(Request(300, 1200, 42, -5, 5)).edges, 300)), 15878326042778588020ULL);
  // Dense enough on the grid for equal distances in the spanning tree's choices too.
  EXPECT_EQ(Fingerprint(Text(GenerateGeometricNetwork(8000, 8100, 3).edges, 8000)), 1805327627254353034ULL);
}

NetgenCommand Parse(const std::vector<const char*>& args, NetworkRequest& request, std::string& error) {
  std::vector<const char*> argv = {"mst-netgen"};
  argv.insert(argv.end(), args.begin(), args.end());
  return ParseNetgenArguments(static_cast<int>(argv.size()), argv.data(), request, error);
}

// --distinct reaches the generator, and its two ways of drawing pairs are pinned either side of
// the switch between them (8 nodes: 21 pairs beside a tree; up to half of them, 10, are drawn,
// beyond that the pairs to leave out are).
TEST(Generate, DistinctPairsArePinnedEitherSideOfTheSwitch) {
  NetworkRequest parsed;
  std::string error;
  ASSERT_EQ(Parse({"--distinct", "--nodes", "8", "--edges", "17"}, parsed, error), NetgenCommand::kGenerate);
  EXPECT_TRUE(parsed.distinctPairs);
  NetworkRequest plain;
  ASSERT_EQ(Parse({"--nodes", "8", "--edges", "17"}, plain, error), NetgenCommand::kGenerate);
  EXPECT_FALSE(plain.distinctPairs);
  NetworkRequest drawn = Request(8, 17, 5, 1, 9);
  drawn.distinctPairs = true;
  NetworkRequest leftOut = Request(8, 18, 5, 1, 9);
  leftOut.distinctPairs = true;
  EXPECT_EQ(Fingerprint(Text(Generate(drawn).edges, 8)), 15470827902251113440ULL);
  EXPECT_EQ(Fingerprint(Text(Generate(leftOut).edges, 8)), 10360866157274431558ULL);
}

TEST(NetgenArguments, ReadsEveryOptionInBothForms) {
  NetworkRequest request;
  std::string error;
  ASSERT_EQ(Parse({"--nodes", "40", "--edges=300", "--seed", "18446744073709551615", "--min", "-50", "--max=+7"},
                  request, error),
            NetgenCommand::kGenerate)
      << error;
  EXPECT_EQ(request.nodes, 40);
  EXPECT_EQ(request.edges, 300);
  EXPECT_EQ(request.seed, 18446744073709551615ULL);
  EXPECT_EQ(request.minMeasure, -50);
  EXPECT_EQ(request.maxMeasure, 7);

  // The defaults --help states are the ones used.
  NetworkRequest none;
  ASSERT_EQ(Parse({}, none, error), NetgenCommand::kGenerate);
  EXPECT_EQ(std::vector<long long>(
                {none.nodes, none.edges, static_cast<long long>(none.seed), none.minMeasure, none.maxMeasure}),
            std::vector<long long>({10, 20, 1, 1, 1000}));
  const std::string help = NetgenUsage();
  for (const char* stated :
       {"number of nodes, at least 2 (default 10)", "(default 2 * N)", "18446744073709551615 (default 1)",
        "smallest measure (default 1)", "largest measure (default 1000)"}) {
    EXPECT_NE(help.find(stated), std::string::npos) << stated;
  }
  NetworkRequest output;
  ASSERT_EQ(Parse({"--output", "n.txt"}, output, error), NetgenCommand::kGenerate);
  EXPECT_EQ(output.outputPath, "n.txt");

  NetworkRequest defaults;
  ASSERT_EQ(Parse({"--nodes", "30"}, defaults, error), NetgenCommand::kGenerate);
  EXPECT_EQ(defaults.edges, 60);  // twice the nodes unless given
  EXPECT_EQ(Parse({"--nodes", "3", "--help"}, defaults, error), NetgenCommand::kHelp);

  NetworkRequest geometric;
  ASSERT_EQ(Parse({"--geometric", "--nodes", "3", "--positions=p.txt"}, geometric, error), NetgenCommand::kGenerate);
  EXPECT_EQ(geometric.family, NetworkFamily::kGeometric);
  EXPECT_EQ(geometric.positionsPath, "p.txt");
  EXPECT_EQ(geometric.edges, 3);  // twice the nodes, but no more than one per pair
}

// The extremes each option accepts.
TEST(NetgenArguments, AcceptsEveryExtremeValue) {
  const struct {
    std::vector<const char*> args;
    int nodes, edges;
    std::int32_t min, max;
    std::uint64_t seed;
  } cases[] = {
      {{"--nodes", "2", "--edges", "1"}, 2, 1, 1, 1000, 1},
      {{"--min", "-2147483648", "--max", "2147483647"}, 10, 20, INT32_MIN, INT32_MAX, 1},
      {{"--min=-2147483648", "--max=-2147483648"}, 10, 20, INT32_MIN, INT32_MIN, 1},
      {{"--nodes", "9", "--edges", "99", "--min", "9", "--max", "99"}, 9, 99, 9, 99, 1},
      {{"--nodes", "99999", "--seed", "9999999999999999999"}, 99999, 199998, 1, 1000, 9999999999999999999ULL},
      {{"--seed", "0"}, 10, 20, 1, 1000, 0},
      {{"--nodes", "2", "--edges", "50000000"}, 2, kMaxGeneratedEdges, 1, 1000, 1},
      {{"--nodes", "25000000"}, 25000000, kMaxGeneratedEdges, 1, 1000, 1},
      {{"--geometric", "--nodes", "20000", "--edges", "19999"}, 20000, 19999, 1, 1000, 1},
      {{"--geometric", "--nodes", "9", "--edges", "36"}, 9, 36, 1, 1000, 1},
      {{"--family=geometric", "--geometric", "--nodes", "9"}, 9, 18, 1, 1000, 1},
      {{"--family", "random", "--distinct", "--nodes", "9", "--edges", "36"}, 9, 36, 1, 1000, 1},
      {{"--family", "random", "--distinct", "--nodes", "3"}, 3, 3, 1, 1000, 1},
      {{"--family", "complete", "--nodes", "10000"}, 10000, 49995000, 1, 1000, 1},
      {{"--family", "complete", "--nodes", "5", "--edges", "10"}, 5, 10, 1, 1000, 1},
      {{"--family", "grid", "--nodes", "10", "--min", "-3"}, 10, 13, -3, 1000, 1},
      {{"--family", "grid", "--nodes", "2"}, 2, 1, 1, 1000, 1},
  };
  for (const auto& c : cases) {
    NetworkRequest request;
    std::string error;
    ASSERT_EQ(Parse(c.args, request, error), NetgenCommand::kGenerate) << error;
    EXPECT_EQ(request.nodes, c.nodes) << c.args[0];
    EXPECT_EQ(request.edges, c.edges) << c.args[0];
    EXPECT_EQ(request.minMeasure, c.min) << c.args[0];
    EXPECT_EQ(request.maxMeasure, c.max) << c.args[0];
    EXPECT_EQ(request.seed, c.seed) << c.args[0];
  }
}

struct BadArguments {
  std::vector<const char*> args;
  const char* error;
};

// mst-netgen's own ranges and the checks between its options; how any option's word is read is
// the command line's (CommandLine in tools/command_line_test.cpp).
TEST(NetgenArguments, RefusesBadOnesWithAMessage) {
  const std::vector<BadArguments> cases = {
      {{"--nodes", "10", "--edges", "8"}, "8 edges cannot connect 10 nodes: at least 9 are needed"},
      {{"--edges", "ten"}, "--edges: 'ten' is not a whole number from 1 to 50000000"},
      {{"--nodes", "1"}, "--nodes: '1' is not a whole number from 2 to 2147483647"},
      {{"--max", "2147483648"}, "--max: '2147483648' is not a whole number from -2147483648 to 2147483647"},
      {{"--min", "5", "--max", "3"}, "--min 5 is above --max 3"},
      {{"--seed", "-1"}, "--seed: '-1' is not a whole number from 0 to 18446744073709551615"},
      {{"--seed", "18446744073709551616"},
       "--seed: '18446744073709551616' is not a whole number from 0 to 18446744073709551615"},
      {{"--nodes", "30000000"},
       "--nodes 30000000: the default of 2 * N edges (60000000) is above mst-netgen's limit of 50000000 edges; "
       "give --edges"},
      {{"--geometric", "--max", "5"}, "--min and --max do not apply to --geometric: the measures are the distances"},
      {{"--max=5", "--geometric"}, "--min and --max do not apply to --geometric: the measures are the distances"},
      {{"--geometric", "--min", "1"}, "--min and --max do not apply to --geometric: the measures are the distances"},
      {{"--geometric", "--nodes", "4", "--edges", "7"},
       "--geometric: 4 nodes have at most 6 edges (no parallel edges)"},
      {{"--geometric", "--nodes", "20001"}, "--geometric: at most 20000 nodes"},
      {{"--positions", "p.txt"}, "--positions needs --geometric"},
      {{"--geometric", "--positions="}, "--positions needs a file name"},
      {{"--family", "tree"}, "--family: 'tree' is not one of random, complete, grid, geometric"},
      {{"--family", "grid", "--geometric"}, "two families asked for: grid and geometric"},
      {{"--family", "complete", "--nodes", "5", "--edges", "9"},
       "--family complete: 5 nodes make exactly 10 edges; leave out --edges or give that"},
      {{"--family", "grid", "--nodes", "9", "--edges", "13"},
       "--family grid: 9 nodes make exactly 12 edges; leave out --edges or give that"},
      {{"--family", "complete", "--nodes", "10001"},
       "--family complete: 10001 nodes make 50005000 edges, above mst-netgen's limit of 50000000"},
      {{"--distinct", "--nodes", "4", "--edges", "7"}, "--distinct: 4 nodes have at most 6 edges (no parallel edges)"},
      {{"--distinct", "--family", "grid"},
       "--distinct applies to --family random only (--family grid has no parallel edges anyway)"},
      {{"--family", "grid", "--positions", "p.txt"}, "--positions needs --geometric"},
  };
  for (const BadArguments& c : cases) {
    NetworkRequest request;
    std::string error;
    EXPECT_EQ(Parse(c.args, request, error), NetgenCommand::kError) << c.error;
    EXPECT_EQ(error, c.error);
  }
}

}  // namespace
