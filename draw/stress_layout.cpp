#include "draw/stress_layout.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <queue>
#include <random>
#include <utility>

#include "graph/random_draws.h"

namespace mst {

namespace {

struct Pair {
  int i;
  int j;
  float distance;
  float weight;  // 1 / distance^2, times how many nodes a pivot stands for
};

// Shortest-path lengths from source over the edges (Dijkstra).
void Distances(int source, const std::vector<std::vector<std::pair<int, double>>>& near, std::vector<double>& d) {
  std::fill(d.begin(), d.end(), std::numeric_limits<double>::infinity());
  using Item = std::pair<double, int>;
  std::priority_queue<Item, std::vector<Item>, std::greater<>> queue;
  d[static_cast<std::size_t>(source)] = 0;
  queue.push({0, source});
  while (!queue.empty()) {
    const auto [length, node] = queue.top();
    queue.pop();
    if (length > d[static_cast<std::size_t>(node)]) continue;
    for (const auto& [other, step] : near[static_cast<std::size_t>(node)]) {
      if (length + step < d[static_cast<std::size_t>(other)]) {
        d[static_cast<std::size_t>(other)] = length + step;
        queue.push({length + step, other});
      }
    }
  }
}

}  // namespace

std::vector<LayoutPoint> StressLayout(int nodes, const std::vector<LayoutEdge>& edges) {
  const auto n = static_cast<std::size_t>(nodes);
  std::vector<LayoutPoint> at(n, {0, 0});
  if (nodes < 2) return at;
  std::vector<std::vector<std::pair<int, double>>> near(n);
  for (const LayoutEdge& e : edges) {
    if (e.a == e.b) continue;
    near[static_cast<std::size_t>(e.a)].push_back({e.b, e.length});
    near[static_cast<std::size_t>(e.b)].push_back({e.a, e.length});
  }
  // The pairs: all of them for small networks; else each node against pivots spread over the
  // network (each the farthest from those chosen before), weighted by the nodes nearest it, and
  // against its neighbours.
  std::vector<Pair> pairs;
  std::vector<double> d(n);
  double farthest = 0;
  const auto distanceOf = [&](double length) { return std::isfinite(length) ? length : -1.0; };
  if (nodes <= kAllPairsUpTo) {
    pairs.reserve(n * (n - 1) / 2);
    for (int i = 0; i < nodes; ++i) {
      Distances(i, near, d);
      for (int j = i + 1; j < nodes; ++j) {
        const double length = distanceOf(d[static_cast<std::size_t>(j)]);
        farthest = std::max(farthest, length);
        pairs.push_back({i, j, static_cast<float>(length), 1});
      }
    }
  } else {
    const int pivots = 200;
    std::vector<double> nearest(n, std::numeric_limits<double>::infinity());
    std::vector<int> region(n, 0);
    std::vector<std::vector<double>> fromPivot;
    std::vector<int> chosen;
    int next = 0;
    for (int p = 0; p < pivots; ++p) {
      chosen.push_back(next);
      Distances(next, near, d);
      fromPivot.push_back(d);
      double far = -1;
      for (std::size_t v = 0; v < n; ++v) {
        if (d[v] < nearest[v]) {
          nearest[v] = d[v];
          region[v] = p;
        }
        if (std::isfinite(nearest[v]) && nearest[v] > far) {
          far = nearest[v];
          next = static_cast<int>(v);
        }
      }
    }
    std::vector<int> regionSize(pivots, 0);
    for (std::size_t v = 0; v < n; ++v) ++regionSize[static_cast<std::size_t>(region[v])];
    for (int p = 0; p < pivots; ++p) {
      for (int v = 0; v < nodes; ++v) {
        if (v == chosen[static_cast<std::size_t>(p)]) continue;
        const double length = distanceOf(fromPivot[static_cast<std::size_t>(p)][static_cast<std::size_t>(v)]);
        farthest = std::max(farthest, length);
        pairs.push_back({v, chosen[static_cast<std::size_t>(p)], static_cast<float>(length),
                         static_cast<float>(regionSize[static_cast<std::size_t>(p)])});
      }
    }
    for (const LayoutEdge& e : edges) {
      if (e.a != e.b) pairs.push_back({e.a, e.b, static_cast<float>(e.length), 1});
    }
  }
  double shortest = std::numeric_limits<double>::infinity();
  for (Pair& pair : pairs) {
    if (pair.distance < 0) pair.distance = static_cast<float>(farthest + 1);  // apart from the rest
    if (pair.distance <= 0) pair.distance = 1e-3f;                            // parallel, zero-length
    shortest = std::min(shortest, static_cast<double>(pair.distance));
    pair.weight /= pair.distance * pair.distance;
  }
  // Start from a fixed scatter, as wide as the network is deep.
  // The draws are the project's own (graph/random_draws.h): the same network is laid out the same
  // by every compiler and standard library.
  std::mt19937_64 random(20181101u);
  const double spread = std::max(farthest, 1.0);
  for (LayoutPoint& p : at) {
    const double x = spread * Unit(random);
    p = {x, spread * Unit(random)};
  }
  // Step sizes from the longest distance's square down to a tenth of the shortest's.
  const int rounds = 30;
  const double etaMax = std::max(farthest, 1.0) * std::max(farthest, 1.0);
  const double etaMin = 0.1 * shortest * shortest;
  const double decay = std::log(etaMax / etaMin) / (rounds - 1);
  for (int round = 0; round < rounds; ++round) {
    const double eta = etaMax * std::exp(-decay * round);
    Shuffle(pairs, random);
    for (const Pair& pair : pairs) {
      LayoutPoint& p = at[static_cast<std::size_t>(pair.i)];
      LayoutPoint& q = at[static_cast<std::size_t>(pair.j)];
      double dx = p.x - q.x;
      double dy = p.y - q.y;
      double length = std::sqrt(dx * dx + dy * dy);
      if (length < 1e-9) {  // the same place: part them along a fixed direction
        dx = 1e-6 * (1 + pair.i % 7);
        dy = 1e-6 * (1 + pair.j % 5);
        length = std::sqrt(dx * dx + dy * dy);
      }
      const double mu = std::min(pair.weight * eta, 1.0);
      const double move = mu * (length - pair.distance) / 2 / length;
      p.x -= move * dx;
      p.y -= move * dy;
      q.x += move * dx;
      q.y += move * dy;
    }
  }
  return at;
}

}  // namespace mst
