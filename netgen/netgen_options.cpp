#include "netgen/netgen_options.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "netgen/geometric_network.h"
#include "tools/command_line.h"

namespace mst {

namespace {

// A whole-number option as given on the command line, before any check between options.
struct Given {
  long long value;
  bool given;
};

// Every option, by name, as the command line gave it.
struct NetgenOptions {
  Given nodes;
  Given edges;
  Given minMeasure;
  Given maxMeasure;
  std::uint64_t seed;
  NetworkFamily family = NetworkFamily::kRandom;
  bool distinct = false;
  std::string positions;
  std::string output;
};

// The families by the name --family takes.
struct FamilyName {
  const char* name;
  NetworkFamily family;
};
const FamilyName kFamilies[] = {
    {"random", NetworkFamily::kRandom},
    {"complete", NetworkFamily::kComplete},
    {"grid", NetworkFamily::kGrid},
    {"geometric", NetworkFamily::kGeometric},
};

const char* NameOf(NetworkFamily family) {
  for (const FamilyName& entry : kFamilies) {
    if (entry.family == family) return entry.name;
  }
  return "random";
}

// Reads the command line into options: each value a whole number in its option's range, the
// family one of the names. Checks nothing between options but the family asked for twice.
NetgenCommand ReadOptions(int argc, const char* const* argv, NetgenOptions& options, std::string& error) {
  CommandLine line("mst-netgen", NetgenUsage());
  std::string family;
  bool geometric = false;
  std::vector<std::string> families;
  for (const FamilyName& entry : kFamilies) families.push_back(entry.name);
  line.Choice("--family", family, families);
  line.Flag("--geometric", geometric);
  line.Whole("--nodes", options.nodes.value, 2, INT32_MAX, &options.nodes.given);
  line.Whole("--edges", options.edges.value, 1, kMaxGeneratedEdges, &options.edges.given);
  line.Whole("--seed", options.seed);
  line.Whole("--min", options.minMeasure.value, INT32_MIN, INT32_MAX, &options.minMeasure.given);
  line.Whole("--max", options.maxMeasure.value, INT32_MIN, INT32_MAX, &options.maxMeasure.given);
  line.Flag("--distinct", options.distinct);
  line.File("--positions", options.positions);
  line.File("--output", options.output);
  switch (line.Read(argc, argv, error)) {
    case Parsed::kHelp:
      return NetgenCommand::kHelp;
    case Parsed::kVersion:
      return NetgenCommand::kVersion;
    case Parsed::kBadUsage:
      return NetgenCommand::kError;
    case Parsed::kRun:
      break;
  }
  for (const FamilyName& entry : kFamilies) {
    if (family == entry.name) options.family = entry.family;
  }
  if (geometric) {
    if (!family.empty() && options.family != NetworkFamily::kGeometric) {
      error = "two families asked for: " + family + " and geometric";
      return NetgenCommand::kError;
    }
    options.family = NetworkFamily::kGeometric;
  }
  return NetgenCommand::kGenerate;
}

// Checks the options against each other and fills request with a possible request: the
// family's own limits, the default edge count, enough edges to connect the nodes, min <= max.
NetgenCommand CheckRequest(NetgenOptions options, NetworkRequest& request, std::string& error) {
  const long long nodes = options.nodes.value;
  long long edges = options.edges.value;
  // How messages name the family (--geometric is the older spelling of --family geometric).
  const std::string family = options.family == NetworkFamily::kGeometric
                                 ? std::string("--geometric")
                                 : std::string("--family ") + NameOf(options.family);
  if (options.distinct && options.family != NetworkFamily::kRandom) {
    error = "--distinct applies to --family random only (" + family + " has no parallel edges anyway)";
    return NetgenCommand::kError;
  }
  if (!options.positions.empty() && options.family != NetworkFamily::kGeometric) {
    error = "--positions needs --geometric";
    return NetgenCommand::kError;
  }
  if (options.family == NetworkFamily::kGeometric) {
    if (options.minMeasure.given || options.maxMeasure.given) {
      error = "--min and --max do not apply to --geometric: the measures are the distances";
      return NetgenCommand::kError;
    }
    if (nodes > kMaxGeometricNodes) {
      error = family + ": at most " + std::to_string(kMaxGeometricNodes) + " nodes";
      return NetgenCommand::kError;
    }
  }
  if (options.family == NetworkFamily::kComplete || options.family == NetworkFamily::kGrid) {
    // The node count fixes the edge count.
    const long long fixed = options.family == NetworkFamily::kComplete ? CompleteEdges(nodes) : GridEdges(nodes);
    if (fixed > kMaxGeneratedEdges) {
      error = family + ": " + std::to_string(nodes) + " nodes make " + std::to_string(fixed) +
              " edges, above mst-netgen's limit of " + std::to_string(kMaxGeneratedEdges);
      return NetgenCommand::kError;
    }
    if (options.edges.given && edges != fixed) {
      error = family + ": " + std::to_string(nodes) + " nodes make exactly " + std::to_string(fixed) +
              " edges; leave out --edges or give that";
      return NetgenCommand::kError;
    }
    edges = fixed;
  } else if (options.family == NetworkFamily::kGeometric || options.distinct) {
    // No parallel edges: at most one edge per pair.
    if (!options.edges.given) {
      edges = std::min(2 * nodes, CompleteEdges(nodes));
    }
    if (edges > CompleteEdges(nodes)) {
      error = (options.distinct ? std::string("--distinct") : family) + ": " + std::to_string(nodes) +
              " nodes have at most " + std::to_string(CompleteEdges(nodes)) + " edges (no parallel edges)";
      return NetgenCommand::kError;
    }
  } else if (!options.edges.given) {
    edges = 2 * nodes;
    if (edges > kMaxGeneratedEdges) {
      error = "--nodes " + std::to_string(nodes) + ": the default of 2 * N edges (" + std::to_string(edges) +
              ") is above mst-netgen's limit of " + std::to_string(kMaxGeneratedEdges) + " edges; give --edges";
      return NetgenCommand::kError;
    }
  }
  if (edges < nodes - 1) {
    error = std::to_string(edges) + " edges cannot connect " + std::to_string(nodes) + " nodes: at least " +
            std::to_string(nodes - 1) + " are needed";
    return NetgenCommand::kError;
  }
  if (options.minMeasure.value > options.maxMeasure.value) {
    error = "--min " + std::to_string(options.minMeasure.value) + " is above --max " +
            std::to_string(options.maxMeasure.value);
    return NetgenCommand::kError;
  }
  request.nodes = static_cast<int>(nodes);
  request.edges = static_cast<int>(edges);
  request.seed = options.seed;
  request.minMeasure = static_cast<std::int32_t>(options.minMeasure.value);
  request.maxMeasure = static_cast<std::int32_t>(options.maxMeasure.value);
  request.family = options.family;
  request.distinctPairs = options.distinct;
  request.positionsPath = options.positions;
  request.outputPath = options.output;
  return NetgenCommand::kGenerate;
}

}  // namespace

const char* NetgenUsage() {
  return "Usage: mst-netgen [--family NAME] [--nodes N] [--edges E] [--seed S] [--min A] [--max B]\n"
         "                  [--distinct] [--positions FILE] [--output FILE]\n"
         "Writes one random connected network in the network file format to standard output.\n"
         "\n"
         "  --family NAME  the shape of the network (default random):\n"
         "      random     a random spanning tree, then edges between random pairs of distinct\n"
         "                 nodes; parallel edges can occur unless --distinct is given\n"
         "      complete   every pair of nodes once: E = N * (N - 1) / 2 (N at most 10000)\n"
         "      grid       the nodes fill rows of C = ceil(sqrt(N)) nodes, the last row possibly\n"
         "                 short; each is joined to its right-hand neighbour and to the node\n"
         "                 below it: E = 2N - rows - C when the rows are full (10 nodes: 13 edges)\n"
         "      geometric  random points on a 0..10000 grid; the edges are their Euclidean\n"
         "                 minimum spanning tree, then each node's 1st, 2nd, ... nearest partners\n"
         "                 in rounds; each measure is the rounded distance between its ends\n"
         "                 (N at most 20000, E at most N * (N - 1) / 2; --min/--max do not apply)\n"
         "  --geometric    the same as --family geometric\n"
         "  --nodes N      number of nodes, at least 2 (default 10)\n"
         "  --edges E      number of edges, at least N - 1 and at most 50000000, which keeps a\n"
         "                 network within what a benchmark can use (default 2 * N), and at most\n"
         "                 N * (N - 1) / 2 where no parallel edges are; complete and grid fix E\n"
         "                 by N: leave it out\n"
         "  --distinct     random: no two edges join the same pair of nodes, so E can reach\n"
         "                 N * (N - 1) / 2\n"
         "  --seed S       seed, 0 to 18446744073709551615 (default 1); the same options give\n"
         "                 the same network on every platform\n"
         "  --min A        smallest measure (default 1); negative values are allowed\n"
         "  --max B        largest measure (default 1000)\n"
         "  --positions FILE  geometric: write the points to FILE, one \"x y\" line per node,\n"
         "                 node 1 first (for mst-draw --positions)\n"
         "  --output FILE  write the network to FILE instead of standard output; FILE is\n"
         "                 replaced only once the whole network is written, and left as it was\n"
         "                 on any error\n"
         "  --help         show this text\n"
         "  --version      show the program's version\n"
         "\n"
         "Rows are shuffled and each row's ends put in random order, in every family.\n"
         "\n"
         "Exit status: 0 the network was written; 1 a file could not be written (standard\n"
         "output, --output or --positions); 2 bad usage or a request no network can meet\n"
         "(nothing is written).\n"
         "\n"
         "Examples: mst-netgen --nodes 40 --edges 300 --seed 7 --output matrix1.txt\n"
         "          mst-netgen --family random --distinct --nodes 64 --edges 2016\n"
         "          mst-netgen --family grid --nodes 100 --min 1 --max 9\n"
         "          mst-netgen --geometric --nodes 60 --edges 170 --positions points.txt > matrix1.txt\n";
}

NetgenCommand ParseNetgenArguments(int argc, const char* const* argv, NetworkRequest& request, std::string& error) {
  // Unset options keep request's values (the defaults).
  NetgenOptions options{
      {request.nodes, false}, {0, false},     {request.minMeasure, false}, {request.maxMeasure, false},
      request.seed,           request.family, request.distinctPairs,       request.positionsPath,
      request.outputPath};
  const NetgenCommand command = ReadOptions(argc, argv, options, error);
  if (command != NetgenCommand::kGenerate) {
    return command;
  }
  return CheckRequest(options, request, error);
}

}  // namespace mst
