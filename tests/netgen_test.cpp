#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "graph/connectivity.h"
#include "netgen/netgen_options.h"
#include "netgen/network_generator.h"
#include "tests/test_networks.h"

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

TEST(GenerateNetwork, MeetsEveryRequest) {
  const std::vector<NetworkRequest> requests = {
      Request(2, 1, 1, 1, 1),       Request(2, 9, 5, 0, 0),    Request(10, 9, 3, -50, -10),
      Request(40, 300, 7, 1, 1000), Request(100, 99, 11, 5, 5),
      Request(64, 2016, 2, -2147483647 - 1, 2147483647), Request(250, 2500, 1234567890123ULL, -3, 3)};
  for (const NetworkRequest& request : requests) {
    SCOPED_TRACE(std::to_string(request.nodes) + " nodes, " + std::to_string(request.edges) + " edges");
    const std::vector<Edges> edges = GenerateNetwork(request);
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

TEST(GenerateNetwork, SameSeedSameNetworkOnEveryPlatform) {
  const NetworkRequest request = Request(5, 7, 42, 1, 1000);
  // Pinned: mt19937_64's sequence is fixed by the standard, and so is everything built on it.
  EXPECT_EQ(Text(GenerateNetwork(request), 5),
            "7\t5\n4\t3\t660\n3\t1\t426\n5\t3\t790\n3\t4\t554\n2\t3\t631\n4\t1\t560\n1\t4\t3\n");
  const NetworkRequest other = Request(5, 7, 43, 1, 1000);
  EXPECT_NE(Text(GenerateNetwork(other), 5), Text(GenerateNetwork(request), 5));
}

NetgenCommand Parse(const std::vector<const char*>& args, NetworkRequest& request, std::string& error) {
  std::vector<const char*> argv = {"mst-netgen"};
  argv.insert(argv.end(), args.begin(), args.end());
  return ParseNetgenArguments(static_cast<int>(argv.size()), argv.data(), request, error);
}

TEST(NetgenArguments, ReadsEveryOptionInBothForms) {
  NetworkRequest request;
  std::string error;
  ASSERT_EQ(Parse({"--nodes", "40", "--edges=300", "--seed", "18446744073709551615", "--min",
                   "-50", "--max=+7"},
                  request, error),
            NetgenCommand::kGenerate)
      << error;
  EXPECT_EQ(request.nodes, 40);
  EXPECT_EQ(request.edges, 300);
  EXPECT_EQ(request.seed, 18446744073709551615ULL);
  EXPECT_EQ(request.minMeasure, -50);
  EXPECT_EQ(request.maxMeasure, 7);

  NetworkRequest defaults;
  ASSERT_EQ(Parse({"--nodes", "30"}, defaults, error), NetgenCommand::kGenerate);
  EXPECT_EQ(defaults.edges, 60);  // twice the nodes unless given
  EXPECT_EQ(Parse({"--nodes", "3", "--help"}, defaults, error), NetgenCommand::kHelp);
}

struct BadArguments {
  std::vector<const char*> args;
  const char* error;
};

TEST(NetgenArguments, RefusesBadOnesWithAMessage) {
  const std::vector<BadArguments> cases = {
      {{"--nodes", "10", "--edges", "8"}, "8 edges cannot connect 10 nodes: at least 9 are needed"},
      {{"--nodes"}, "--nodes needs a value"},
      {{"--edges", "ten"}, "--edges: 'ten' is not a whole number from 1 to 50000000"},
      {{"--nodes", "1"}, "--nodes: '1' is not a whole number from 2 to 2147483647"},
      {{"--nodes", " 5"}, "--nodes: ' 5' is not a whole number from 2 to 2147483647"},
      {{"--nodes", "5x"}, "--nodes: '5x' is not a whole number from 2 to 2147483647"},
      {{"--edges="}, "--edges: '' is not a whole number from 1 to 50000000"},
      {{"--max", "2147483648"}, "--max: '2147483648' is not a whole number from -2147483648 to 2147483647"},
      {{"--min", "5", "--max", "3"}, "--min 5 is above --max 3"},
      {{"--seed", "-1"}, "--seed: '-1' is not a whole number from 0 to 18446744073709551615"},
      {{"--seed", "18446744073709551616"},
       "--seed: '18446744073709551616' is not a whole number from 0 to 18446744073709551615"},
      {{"--nodes", "30000000"}, "--nodes 30000000 needs more than 50000000 edges"},
      {{"--verbose"}, "unknown option '--verbose' (see --help)"},
      {{"40"}, "unknown option '40' (see --help)"},
      {{"--help=yes"}, "unknown option '--help=yes' (see --help)"},
  };
  for (const BadArguments& c : cases) {
    NetworkRequest request;
    std::string error;
    EXPECT_EQ(Parse(c.args, request, error), NetgenCommand::kError) << c.error;
    EXPECT_EQ(error, c.error);
  }
}

}  // namespace
