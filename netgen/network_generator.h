#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "graph/edges.h"
#include "netgen/geometric_network.h"

namespace mst {

// The shapes of network mst-netgen makes.
enum class NetworkFamily {
  kRandom,     // a random spanning tree, then random pairs of distinct nodes
  kComplete,   // every pair of nodes once
  kGrid,       // a lattice as close to square as the node count allows
  kGeometric,  // points in the plane, measures their distances (netgen/geometric_network.h)
};

// What to generate; the options parser checks the counts and the range before generating.
struct NetworkRequest {
  int nodes = 10;
  int edges = 20;
  std::uint64_t seed = 1;
  std::int32_t minMeasure = 1;
  std::int32_t maxMeasure = 1000;
  NetworkFamily family = NetworkFamily::kRandom;
  bool distinctPairs = false;  // random: no two edges join the same pair of nodes
  std::string positionsPath;   // where a geometric network's points go; empty: not written
  std::string outputPath;      // where the network goes; empty: standard output
};

struct GeneratedNetwork {
  std::vector<Edges> edges;
  std::vector<Point> points;  // geometric: points[k] is node k; other families: empty
};

// A connected network of request.family with request.nodes nodes and request.edges edges,
// 0-based ends, no edge from a node to itself, rows shuffled and each row's ends in random
// order.
//   random:    edges >= nodes - 1 >= 1. A random spanning tree, then random pairs of distinct
//              nodes: parallel edges can occur, unless distinctPairs, which needs edges at most
//              nodes * (nodes - 1) / 2.
//   complete:  edges == CompleteEdges(nodes), every pair once.
//   grid:      edges == GridEdges(nodes), see GridColumns.
//   geometric: see GenerateGeometricNetwork; its measures are distances.
// The other families' measures are uniform in [minMeasure, maxMeasure]. The same request gives
// the same network on every platform: the only source of randomness is mt19937_64, whose
// sequence the C++ standard fixes, read through the integer arithmetic of
// graph/random_draws.h.
[[nodiscard]] GeneratedNetwork Generate(const NetworkRequest& request);

// Pairs of distinct nodes among n: the edges of the complete network.
[[nodiscard]] long long CompleteEdges(long long n);

// The grid family's lattice: nodes 0..n-1 fill rows of GridColumns(n) = ceil(sqrt(n)) nodes
// (the last row possibly short), each joined to its right-hand neighbour and to the node below
// it. GridEdges(n) counts those joins: 2n - rows - columns for a full lattice.
[[nodiscard]] long long GridColumns(long long n);
[[nodiscard]] long long GridEdges(long long n);

}  // namespace mst
