#pragma once

#include <cstdint>
#include <vector>

// Where to put the nodes of a network drawn without given points: a stress layout, which puts
// every two nodes about as far apart as the network's shortest path between them, so that the
// drawing shows the network's shape (Graphviz's neato minimises the same stress). It is found by
// stochastic gradient descent (Zheng, Pawar and Goodman, "Graph drawing by stochastic gradient
// descent", 2018): pair by pair, in a shuffled order, each pair moves toward its distance, with
// steps that shrink over 30 rounds. Deterministic: the same network gives the same layout.
namespace mst {

struct LayoutPoint {
  double x;
  double y;
};

struct LayoutEdge {
  int a;  // 0-based ends
  int b;
  double length;  // the distance the edge stands for, above 0
};

// Positions for nodes 0..nodes-1, in the units of the edges' lengths. Nodes the edges do not
// join are placed as if one length beyond the farthest pair. The start is the network's own
// shape, by pivot MDS (50 pivots), then 30 rounds of stress descent refine it. Cost: the
// shortest paths from every node, then 30 rounds over the pairs: all pairs up to kAllPairsUpTo
// nodes (time and memory about N^2), else each node against 200 pivot nodes and its neighbours.
constexpr int kAllPairsUpTo = 1000;
[[nodiscard]] std::vector<LayoutPoint> StressLayout(int nodes, const std::vector<LayoutEdge>& edges);

}  // namespace mst
