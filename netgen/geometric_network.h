#pragma once

#include <cstdint>
#include <cstdio>
#include <vector>

#include "graph/edges.h"

namespace mst {

// Points are drawn on the integer grid 0..kGeometricSide in both directions: large enough that
// equal rounded distances are rare, small enough that they still occur.
constexpr int kGeometricSide = 10000;

// The spanning structure costs nodes^2 distance computations, which stays near a second here.
constexpr int kMaxGeometricNodes = 20000;

struct Point {
  std::int32_t x;
  std::int32_t y;
};

struct GeometricNetwork {
  std::vector<Point> points;  // points[k] is node k (0-based)
  std::vector<Edges> edges;
};

// Euclidean distance between two points, rounded to the nearest integer, computed exactly in
// integers (an exact half cannot occur between grid points).
[[nodiscard]] std::int32_t RoundedDistance(Point a, Point b);

// A connected network of `nodes` points (2..kMaxGeometricNodes) with exactly `edges` edges
// (nodes - 1 <= edges <= nodes * (nodes - 1) / 2), no self-loops and no parallel edges. The
// points are uniform on the grid. The edges are the Euclidean minimum spanning tree, then, in
// rounds r = 1, 2, ..., each node in turn (node 1 first) is joined to its r-th nearest node
// unless the two are already joined, until the count is reached; nearer nodes, and among equal
// distances lower numbers, come first. Each measure is RoundedDistance of its ends. Rows are
// shuffled and each row's ends put in random order. The same seed gives the same network on
// every platform. Cost: about nodes^2 distance computations plus nodes^2 x log per round.
[[nodiscard]] GeometricNetwork GenerateGeometricNetwork(int nodes, int edges, std::uint64_t seed);

// Writes one line "x y" per point, node 1 first.
void WritePositions(std::FILE* file, const std::vector<Point>& points);

}  // namespace mst
