#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "graph/edges.h"

// What to generate; the options parser checks the counts and the range before generating.
struct NetworkRequest {
  int nodes = 10;
  int edges = 20;
  std::uint64_t seed = 1;
  std::int32_t minMeasure = 1;
  std::int32_t maxMeasure = 1000;
  bool geometric = false;     // points in the plane, measures their distances
  std::string positionsPath;  // where a geometric network's points go; empty: not written
  std::string outputPath;     // where the network goes; empty: standard output
};

// A random connected network of exactly request.nodes nodes and request.edges edges
// (edges >= nodes - 1 >= 1), 0-based ends, no edge from a node to itself, measures uniform in
// [minMeasure, maxMeasure]. Edges beyond a spanning tree join random pairs of distinct nodes,
// so parallel edges can occur. The same request gives the same network on every platform: the
// only source of randomness is mt19937_64, whose sequence the C++ standard fixes, read through
// the integer arithmetic of netgen/random_draws.h.
[[nodiscard]] std::vector<Edges> GenerateNetwork(const NetworkRequest& request);

// Writes a network in the network file format: "edges\tnodes", then "first\tsecond\tmeasure"
// per edge with 1-based ends, each line ending in "\n".
void WriteNetwork(std::FILE* file, const std::vector<Edges>& edges, int nodes);
