#include "draw/label_placement.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <unordered_map>

#include "draw/plane.h"

namespace mst {

namespace {

// The boxes placed so far, by the cells of a square grid they cover.
class BoxGrid {
 public:
  explicit BoxGrid(double cell) : cell_(cell) {}

  void Add(const PlacedBox& box) {
    const int index = static_cast<int>(boxes_.size());
    boxes_.push_back(box);
    ForCells(box, [&](long long key) { cells_[key].push_back(index); });
  }

  // Whether box comes within gap of any box added.
  [[nodiscard]] bool Hits(const PlacedBox& box, double gap) const {
    bool hit = false;
    ForCells(box, [&](long long key) {
      if (hit) return;
      const auto found = cells_.find(key);
      if (found == cells_.end()) return;
      for (const int index : found->second) {
        const PlacedBox& other = boxes_[static_cast<std::size_t>(index)];
        if (std::fabs(box.x - other.x) * 2 < box.width + other.width + 2 * gap &&
            std::fabs(box.y - other.y) * 2 < box.height + other.height + 2 * gap) {
          hit = true;
          return;
        }
      }
    });
    return hit;
  }

 private:
  template <typename Visit>
  void ForCells(const PlacedBox& box, Visit visit) const {
    const auto cell = [this](double v) { return static_cast<long long>(std::floor(v / cell_)); };
    const long long x0 = cell(box.x - box.width / 2 - kLabelGap), x1 = cell(box.x + box.width / 2 + kLabelGap);
    const long long y0 = cell(box.y - box.height / 2 - kLabelGap), y1 = cell(box.y + box.height / 2 + kLabelGap);
    for (long long x = x0; x <= x1; ++x) {
      for (long long y = y0; y <= y1; ++y) visit(x * 2654435761LL + y);
    }
  }

  double cell_;
  std::vector<PlacedBox> boxes_;
  std::unordered_map<long long, std::vector<int>> cells_;
};

// The distance from point (x, y) to the segment from a to b.
double PointToSegment(double x, double y, const PlacedBox& a, const PlacedBox& b) {
  const double dx = b.x - a.x, dy = b.y - a.y, length2 = dx * dx + dy * dy;
  const double t = length2 > 0 ? std::clamp(((x - a.x) * dx + (y - a.y) * dy) / length2, 0.0, 1.0) : 0.0;
  return Length(x - a.x - t * dx, y - a.y - t * dy);
}

// The distance between a box and the segment from a's centre to b's: 0 where they meet.
double BoxToSegment(const PlacedBox& box, const PlacedBox& a, const PlacedBox& b) {
  const double left = box.x - box.width / 2, right = box.x + box.width / 2;
  const double low = box.y - box.height / 2, high = box.y + box.height / 2;
  const auto inside = [&](double x, double y) { return x >= left && x <= right && y >= low && y <= high; };
  if (inside(a.x, a.y) || inside(b.x, b.y)) return 0;
  // The segment crosses the box where it crosses one of its sides, or the distance is the least
  // from a corner to the segment or from an end to the box.
  double nearest = std::numeric_limits<double>::infinity();
  for (const double cx : {left, right}) {
    for (const double cy : {low, high}) nearest = std::min(nearest, PointToSegment(cx, cy, a, b));
  }
  for (const PlacedBox* end : {&a, &b}) {
    const double ex = std::max({left - end->x, 0.0, end->x - right});
    const double ey = std::max({low - end->y, 0.0, end->y - high});
    nearest = std::min(nearest, Length(ex, ey));
  }
  const double dx = b.x - a.x, dy = b.y - a.y;
  for (const double side : {left, right}) {
    if (dx == 0) continue;
    const double t = (side - a.x) / dx, y = a.y + t * dy;
    if (t >= 0 && t <= 1 && y >= low && y <= high) return 0;
  }
  for (const double side : {low, high}) {
    if (dy == 0) continue;
    const double t = (side - a.y) / dy, x = a.x + t * dx;
    if (t >= 0 && t <= 1 && x >= left && x <= right) return 0;
  }
  return nearest;
}

}  // namespace

void SeparateNodes(std::vector<PlacedBox>& nodes, double gap) {
  // A pair pushed apart stands exactly gap apart, give or take rounding: overlaps below this
  // are settled, or the rounds would run to their cap with pairs a rounding error short.
  constexpr double kSettled = 1e-3;
  // A cell holds the largest box and its gap, so that a box's neighbours within gap lie in
  // the 3 by 3 cells around its centre's.
  double cell = 1;
  for (const PlacedBox& node : nodes) cell = std::max({cell, node.width + gap, node.height + gap});
  for (int round = 0; round < 1000; ++round) {
    std::unordered_map<long long, std::vector<int>> cells;
    const auto key = [cell](double x, double y) {
      return static_cast<long long>(std::floor(x / cell)) * 2654435761LL + static_cast<long long>(std::floor(y / cell));
    };
    for (std::size_t k = 0; k < nodes.size(); ++k) cells[key(nodes[k].x, nodes[k].y)].push_back(static_cast<int>(k));
    bool moved = false;
    for (std::size_t k = 0; k < nodes.size(); ++k) {
      PlacedBox& p = nodes[k];
      for (int dx = -1; dx <= 1; ++dx) {
        for (int dy = -1; dy <= 1; ++dy) {
          const auto found = cells.find(key(p.x + dx * cell, p.y + dy * cell));
          if (found == cells.end()) continue;
          for (const int other : found->second) {
            if (static_cast<std::size_t>(other) <= k) continue;
            PlacedBox& q = nodes[static_cast<std::size_t>(other)];
            const double overlapX = (p.width + q.width) / 2 + gap - std::fabs(p.x - q.x);
            const double overlapY = (p.height + q.height) / 2 + gap - std::fabs(p.y - q.y);
            if (overlapX <= kSettled || overlapY <= kSettled) continue;
            moved = true;
            // Along the axis of the smaller overlap; of two nodes at one place, the later (q)
            // goes right or up.
            if (overlapX < overlapY) {
              const double sign = p.x <= q.x ? -1 : 1;
              p.x += sign * overlapX / 2;
              q.x -= sign * overlapX / 2;
            } else {
              const double sign = p.y <= q.y ? -1 : 1;
              p.y += sign * overlapY / 2;
              q.y -= sign * overlapY / 2;
            }
          }
        }
      }
    }
    if (!moved) return;
  }
}

void PlaceLabels(const std::vector<PlacedBox>& nodes, const std::vector<LabelWanted>& labels,
                 std::vector<PlacedBox>& boxes, std::vector<bool>& placed) {
  double cell = 1;
  for (const LabelWanted& label : labels) cell = std::max({cell, label.width, label.height});
  BoxGrid grid(cell);
  for (const PlacedBox& node : nodes) grid.Add(node);
  boxes.assign(labels.size(), {0, 0, 0, 0});
  placed.assign(labels.size(), false);
  static const double kAlong[] = {0.5,  0.44, 0.56, 0.38, 0.62, 0.32, 0.68, 0.26,
                                  0.74, 0.2,  0.8,  0.14, 0.86, 0.08, 0.92};
  for (std::size_t k = 0; k < labels.size(); ++k) {
    const LabelWanted& label = labels[k];
    const PlacedBox& a = nodes[static_cast<std::size_t>(label.a)];
    const PlacedBox& b = nodes[static_cast<std::size_t>(label.b)];
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double length = std::sqrt(dx * dx + dy * dy);
    // The unit normal, and how far the label's centre must go along it for its edge to touch
    // the line.
    const double nx = length > 0 ? -dy / length : 0, ny = length > 0 ? dx / length : 1;
    const double beside = std::fabs(nx) * label.width / 2 + std::fabs(ny) * label.height / 2;
    // On the line, then beside it on either side, then half and a whole label's height further
    // out (past the end nodes of a short edge).
    const double offsets[] = {0,
                              beside,
                              -beside,
                              beside + label.height / 2,
                              -beside - label.height / 2,
                              beside + label.height,
                              -beside - label.height};
    for (const double offset : offsets) {
      if (placed[k]) break;
      for (const double t : kAlong) {
        const PlacedBox box = {a.x + t * dx + offset * nx, a.y + t * dy + offset * ny, label.width, label.height};
        // Off the line, a label of a short edge may end up past its ends: it must stay near.
        if (offset != 0 && BoxToSegment(box, a, b) > label.height) continue;
        if (!grid.Hits(box, kLabelGap)) {
          boxes[k] = box;
          placed[k] = true;
          grid.Add(box);
          break;
        }
      }
    }
  }
}

}  // namespace mst
