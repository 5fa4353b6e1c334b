#include "draw/stress_layout.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <queue>
#include <random>
#include <utility>

#include "draw/plane.h"
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

// Places the nodes by pivot MDS (Brandes and Pich): the squared distances from up to 50 pivots
// (each the farthest from those before), double-centred, and the two leading directions of that
// n by k matrix found by power iteration, scaled so that the pairs' distances fit best. Nodes no
// path joins stand farthest + 1 apart. Returns false where the second direction is (next to)
// nothing, as for a path, whose points would all lie on one line. Cost: k shortest-path runs
// and 2 x 100 rounds of O(n k).
bool PivotMds(const std::vector<std::vector<std::pair<int, double>>>& near, double farthest,
              const std::vector<Pair>& pairs, std::vector<LayoutPoint>& at) {
  const auto n = static_cast<std::size_t>(at.size());
  const std::size_t k = std::min<std::size_t>(n, 50);
  if (k < 3) return false;
  std::vector<double> c(n * k);  // row i, column p: the squared distance from pivot p
  std::vector<double> d(n), nearest(n, std::numeric_limits<double>::infinity());
  int pivot = 0;
  for (std::size_t p = 0; p < k; ++p) {
    Distances(pivot, near, d);
    double far = -1;
    int next = 0;
    for (std::size_t v = 0; v < n; ++v) {
      const double length = std::isfinite(d[v]) ? d[v] : farthest + 1;
      c[v * k + p] = length * length;
      nearest[v] = std::min(nearest[v], length);
      if (nearest[v] > far) {
        far = nearest[v];
        next = static_cast<int>(v);
      }
    }
    pivot = next;
  }
  // Double centring: minus half of (entry - row mean - column mean + grand mean).
  std::vector<double> rowMean(n, 0), columnMean(k, 0);
  double grand = 0;
  for (std::size_t v = 0; v < n; ++v) {
    for (std::size_t p = 0; p < k; ++p) {
      rowMean[v] += c[v * k + p] / static_cast<double>(k);
      columnMean[p] += c[v * k + p] / static_cast<double>(n);
    }
    grand += rowMean[v] / static_cast<double>(n);
  }
  for (std::size_t v = 0; v < n; ++v) {
    for (std::size_t p = 0; p < k; ++p) c[v * k + p] = -0.5 * (c[v * k + p] - rowMean[v] - columnMean[p] + grand);
  }
  // The two leading eigenvectors of C^T C, by power iteration from fixed starts, the second kept
  // orthogonal to the first.
  std::vector<std::vector<double>> directions;
  std::vector<double> values;
  std::vector<double> image(n);
  for (int which = 0; which < 2; ++which) {
    std::vector<double> v(k);
    for (std::size_t p = 0; p < k; ++p)
      v[p] = 1.0 + static_cast<double>((p * 7 + static_cast<std::size_t>(which) * 3) % 11);
    double value = 0;
    for (int round = 0; round < 100; ++round) {
      for (const std::vector<double>& u : directions) {
        double dot = 0;
        for (std::size_t p = 0; p < k; ++p) dot += u[p] * v[p];
        for (std::size_t p = 0; p < k; ++p) v[p] -= dot * u[p];
      }
      double norm = 0;
      for (const double x : v) norm += x * x;
      norm = std::sqrt(norm);
      if (!(norm > 1e-12)) return false;
      for (double& x : v) x /= norm;
      for (std::size_t i = 0; i < n; ++i) {
        double sum = 0;
        for (std::size_t p = 0; p < k; ++p) sum += c[i * k + p] * v[p];
        image[i] = sum;
      }
      std::vector<double> next(k, 0);
      for (std::size_t i = 0; i < n; ++i) {
        for (std::size_t p = 0; p < k; ++p) next[p] += c[i * k + p] * image[i];
      }
      value = 0;
      for (std::size_t p = 0; p < k; ++p) value += next[p] * v[p];
      v = next;
    }
    double norm = 0;
    for (const double x : v) norm += x * x;
    norm = std::sqrt(norm);
    if (!(norm > 1e-12)) return false;
    for (double& x : v) x /= norm;
    directions.push_back(v);
    values.push_back(value);
  }
  if (!(values[1] > 1e-9 * values[0])) return false;
  for (std::size_t i = 0; i < n; ++i) {
    double x = 0, y = 0;
    for (std::size_t p = 0; p < k; ++p) {
      x += c[i * k + p] * directions[0][p];
      y += c[i * k + p] * directions[1][p];
    }
    at[i] = {x, y};
  }
  // The scale that fits the pairs' distances best (least squares).
  double along = 0, squared = 0;
  for (const Pair& pair : pairs) {
    const double length = Length(at[static_cast<std::size_t>(pair.i)].x - at[static_cast<std::size_t>(pair.j)].x,
                                 at[static_cast<std::size_t>(pair.i)].y - at[static_cast<std::size_t>(pair.j)].y);
    along += pair.distance * length;
    squared += length * length;
  }
  if (!(squared > 0) || !(along > 0)) return false;
  for (LayoutPoint& p : at) p = {p.x * along / squared, p.y * along / squared};
  return true;
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
  // Start from the network's own shape (PivotMds): a grid starts as a grid, a cycle as a ring,
  // which the rounds below only refine; they would rarely undo a fold of a random start. Where
  // that shape is flat (a path), from a fixed scatter, as wide as the network is deep.
  // The draws are the project's own (graph/random_draws.h): the same network is laid out the same
  // by every compiler and standard library.
  std::mt19937_64 random(20181101u);
  if (!PivotMds(near, farthest, pairs, at)) {
    const double spread = std::max(farthest, 1.0);
    for (LayoutPoint& p : at) {
      const double x = spread * Unit(random);
      p = {x, spread * Unit(random)};
    }
  }
  // Step sizes from the longest distance's square down to a tenth of the shortest's.
  const int rounds = 30;
  const double etaMax = std::max(farthest, 1.0) * std::max(farthest, 1.0);
  const double etaMin = 0.1 * shortest * shortest;
  // The step shrinks by one factor a round, from etaMax to etaMin: the factor is found, and the
  // steps made, with the basic operations alone, which every build rounds alike (a maths
  // library's exp and log may differ in a last bit, and the layout with them).
  double factor = 1;
  const double ratio = etaMin / etaMax;
  if (ratio < 1) {
    double low = 0, high = 1;  // factor^(rounds - 1) rises with factor: bisect to ratio
    for (int halving = 0; halving < 60; ++halving) {
      const double middle = (low + high) / 2;
      double power = 1;
      for (int k = 0; k < rounds - 1; ++k) power *= middle;
      (power < ratio ? low : high) = middle;
    }
    factor = (low + high) / 2;
  }
  double eta = etaMax;
  for (int round = 0; round < rounds; ++round) {
    if (round > 0) eta *= factor;
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
