#include "netgen/geometric_network.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <random>
#include <unordered_set>
#include <utility>

#include "graph/random_draws.h"

namespace mst {

namespace {

std::int64_t SquaredDistance(Point a, Point b) {
  const std::int64_t dx = std::int64_t{a.x} - b.x;
  const std::int64_t dy = std::int64_t{a.y} - b.y;
  return dx * dx + dy * dy;
}

std::uint64_t PairKey(int a, int b) {
  const auto low = static_cast<std::uint64_t>(std::min(a, b));
  const auto high = static_cast<std::uint64_t>(std::max(a, b));
  return (high << 32) | low;
}

// Prim's algorithm on the complete graph of the points, O(n^2) time and O(n) memory; ties
// go to the lower node number, so the tree is fixed by the points alone.
std::vector<std::pair<int, int>> EuclideanSpanningTree(const std::vector<Point>& points) {
  const int n = static_cast<int>(points.size());
  std::vector<std::int64_t> best(static_cast<std::size_t>(n), std::numeric_limits<std::int64_t>::max());
  std::vector<int> from(static_cast<std::size_t>(n), 0);
  std::vector<bool> inTree(static_cast<std::size_t>(n), false);
  std::vector<std::pair<int, int>> tree;
  int joining = 0;
  for (int step = 0; step < n; ++step) {
    inTree[static_cast<std::size_t>(joining)] = true;
    if (step > 0) {
      tree.emplace_back(from[static_cast<std::size_t>(joining)], joining);
    }
    int next = -1;
    for (int k = 0; k < n; ++k) {
      const auto uk = static_cast<std::size_t>(k);
      if (inTree[uk]) continue;
      const std::int64_t d = SquaredDistance(points[static_cast<std::size_t>(joining)], points[uk]);
      if (d < best[uk]) {
        best[uk] = d;
        from[uk] = joining;
      }
      if (next < 0 || best[uk] < best[static_cast<std::size_t>(next)]) next = k;
    }
    joining = next;
  }
  return tree;
}

// The nodes nearest to one node, nearest first (ties: lower number first), computed in
// growing prefixes so that only as many as the rounds need are sorted.
class NearestNodes {
 public:
  NearestNodes(const std::vector<Point>& points, int node) : points_(points), node_(node) {}

  // The r-th nearest other node (r from 1), or -1 past the last. scratch is working room
  // shared by all nodes, so that no node allocates a list of every node.
  int At(int r, std::vector<int>& scratch) {
    const int others = static_cast<int>(points_.size()) - 1;
    if (r > others) return -1;
    if (r > static_cast<int>(order_.size())) Extend(std::min(others, std::max(2 * r, 8)), scratch);
    return order_[static_cast<std::size_t>(r - 1)];
  }

 private:
  void Extend(int count, std::vector<int>& all) {
    all.clear();
    for (int k = 0; k < static_cast<int>(points_.size()); ++k) {
      if (k != node_) all.push_back(k);
    }
    const Point here = points_[static_cast<std::size_t>(node_)];
    auto nearer = [&](int a, int b) {
      const std::int64_t da = SquaredDistance(here, points_[static_cast<std::size_t>(a)]);
      const std::int64_t db = SquaredDistance(here, points_[static_cast<std::size_t>(b)]);
      return da != db ? da < db : a < b;
    };
    std::partial_sort(all.begin(), all.begin() + count, all.end(), nearer);
    order_.assign(all.begin(), all.begin() + count);
  }

  const std::vector<Point>& points_;
  int node_;
  std::vector<int> order_;
};

}  // namespace

std::int32_t RoundedDistance(Point a, Point b) {
  const std::int64_t squared = SquaredDistance(a, b);
  // The double square root is correctly rounded, then corrected to the exact integer root.
  auto root = static_cast<std::int64_t>(std::sqrt(static_cast<double>(squared)));
  while (root * root > squared) --root;
  while ((root + 1) * (root + 1) <= squared) ++root;
  // Round up exactly when squared > (root + 1/2)^2 = root^2 + root + 1/4.
  return static_cast<std::int32_t>(squared - root * root > root ? root + 1 : root);
}

GeometricNetwork GenerateGeometricNetwork(int nodes, int edges, std::uint64_t seed) {
  std::mt19937_64 rng(seed);
  GeometricNetwork network;
  network.points.resize(static_cast<std::size_t>(nodes));
  for (Point& point : network.points) {
    point.x = BelowInt(rng, kGeometricSide + 1);
    point.y = BelowInt(rng, kGeometricSide + 1);
  }

  std::vector<std::pair<int, int>> pairs = EuclideanSpanningTree(network.points);
  std::unordered_set<std::uint64_t> joined;
  for (const auto& pair : pairs) joined.insert(PairKey(pair.first, pair.second));

  std::vector<NearestNodes> nearest;
  nearest.reserve(static_cast<std::size_t>(nodes));
  for (int k = 0; k < nodes; ++k) nearest.emplace_back(network.points, k);
  std::vector<int> scratch;
  scratch.reserve(static_cast<std::size_t>(nodes));
  for (int r = 1; static_cast<int>(pairs.size()) < edges && r < nodes; ++r) {
    for (int k = 0; k < nodes && static_cast<int>(pairs.size()) < edges; ++k) {
      const int partner = nearest[static_cast<std::size_t>(k)].At(r, scratch);
      if (joined.insert(PairKey(k, partner)).second) pairs.emplace_back(k, partner);
    }
  }

  // Shuffle the rows so that the spanning tree is not listed first; random end order.
  for (std::size_t k = pairs.size() - 1; k > 0; --k) {
    std::swap(pairs[k], pairs[Below(rng, k + 1)]);
  }
  network.edges.resize(pairs.size());
  for (std::size_t k = 0; k < pairs.size(); ++k) {
    int a = pairs[k].first;
    int b = pairs[k].second;
    if (Below(rng, 2) == 1) std::swap(a, b);
    network.edges[k].set(
        a, b,
        RoundedDistance(network.points[static_cast<std::size_t>(a)], network.points[static_cast<std::size_t>(b)]));
  }
  return network;
}

void WritePositions(std::FILE* file, const std::vector<Point>& points) {
  for (const Point& point : points) {
    std::fprintf(file, "%d %d\n", point.x, point.y);
  }
}

}  // namespace mst
