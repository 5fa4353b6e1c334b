#include "bench/study_networks.h"

#include <cmath>
#include <cstdint>

#include "netgen/network_generator.h"

namespace mst {

namespace {

std::vector<Edges> Generated(NetworkFamily family, int nodes, int edges, std::uint64_t seed) {
  NetworkRequest request;
  request.family = family;
  request.nodes = nodes;
  request.edges = edges;
  request.distinctPairs = family == NetworkFamily::kRandom;
  request.seed = seed;
  return Generate(request).edges;
}

}  // namespace

std::vector<Edges> HarnessNetwork(int nodes, int edges) {
  NetworkRequest request;
  request.nodes = nodes;
  request.edges = edges;
  request.seed = 2026u + static_cast<unsigned>(nodes + edges);
  return Generate(request).edges;
}

std::vector<int> Densities(int nodes, int count) {
  const double low = 1.1 * (nodes - 1);
  const double high = static_cast<double>(CompleteEdges(nodes));
  std::vector<int> edges;
  for (int k = 0; k < count; ++k) {
    const double fraction = count == 1 ? 1.0 : static_cast<double>(k) / (count - 1);
    edges.push_back(static_cast<int>(std::lround(low * std::pow(high / low, fraction))));
  }
  return edges;
}

std::vector<StudyNetwork> DensityNetworks(int nodes, int densities) {
  const auto seed = [nodes](int edges) {
    return static_cast<std::uint64_t>(nodes) * 1000003u + static_cast<std::uint64_t>(edges);
  };
  std::vector<StudyNetwork> networks;
  for (const int edges : Densities(nodes, densities)) {
    networks.push_back({"random", nodes, Generated(NetworkFamily::kRandom, nodes, edges, seed(edges))});
  }
  for (const int edges : Densities(nodes, densities)) {
    // The geometric networks have always been seeded with their edge count.
    networks.push_back(
        {"geometric", nodes, Generated(NetworkFamily::kGeometric, nodes, edges, static_cast<std::uint64_t>(edges))});
  }
  const int grid = static_cast<int>(GridEdges(nodes));
  const int complete = static_cast<int>(CompleteEdges(nodes));
  networks.push_back({"grid", nodes, Generated(NetworkFamily::kGrid, nodes, grid, seed(grid))});
  networks.push_back({"complete", nodes, Generated(NetworkFamily::kComplete, nodes, complete, seed(complete))});
  return networks;
}

}  // namespace mst
