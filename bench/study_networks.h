#pragma once

#include <string>
#include <vector>

#include "graph/edges.h"

namespace mst {

// The networks the density study and the harnesses time, from mst-netgen's generator.

struct StudyNetwork {
  const char* family;  // random, geometric, grid, complete
  int nodes;
  std::vector<Edges> edges;
};

// count edge counts from a little above a tree, 1.1 (nodes - 1) rounded, to the complete graph
// nodes (nodes - 1) / 2, evenly spaced on a log scale (count at least 2).
[[nodiscard]] std::vector<int> Densities(int nodes, int count);

// For one node count: a random network with no two edges on one pair, then a geometric one, at
// each of the densities; then the grid and the complete network. The seeds follow from the
// counts, so the study meets the same networks every time.
[[nodiscard]] std::vector<StudyNetwork> DensityNetworks(int nodes, int densities);

// The harnesses' network of nodes and edges (mst-routines-bench, mst-versus-plain): mst-netgen's
// random family with measures 1..1000, so that equal measures occur, seeded from the counts.
[[nodiscard]] std::vector<Edges> HarnessNetwork(int nodes, int edges);

}  // namespace mst
