#include "import/detail/builder.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <numeric>

#include "graph/integer_text.h"
#include "graph/union_find.h"
#include "import/detail/text.h"

namespace mst {

bool NetworkBuilder::NodeById(std::string_view text, int& node, std::string& why) {
  long long id = 0;
  if (!WholeNumber(text, id)) {
    why = Quote(text) + " is not a node number";
    return false;
  }
  if (id < 1 || id > declared_) {
    why = "node " + std::to_string(id) + " is outside 1 to " + std::to_string(declared_);
    return false;
  }
  // Ids up to a bound the file's size keeps go in a table indexed by id (4 bytes each); the
  // rest, and all of a header announcing more than that, in a hash map (about 50 bytes an id).
  if (id < static_cast<long long>(dense_.size()) || (dense_.empty() && declared_ <= denseBound_)) {
    if (dense_.empty()) dense_.assign(static_cast<std::size_t>(declared_) + 1, -1);
    int& at = dense_[static_cast<std::size_t>(id)];
    if (at < 0) {
      at = static_cast<int>(idOf_.size());
      idOf_.push_back(id);
    }
    node = at;
    return true;
  }
  const auto [at, added] = byId_.emplace(id, static_cast<int>(idOf_.size()));
  if (added) idOf_.push_back(id);
  node = at->second;
  return true;
}

int NetworkBuilder::NodeByName(std::string_view name) {
  const auto [at, added] = byName_.emplace(std::string(name), static_cast<int>(imported_.names.size()));
  if (added) imported_.names.emplace_back(name);
  return at->second;
}

bool NetworkBuilder::ScaleMeasure(std::string_view text, Place place, int& measure, std::string& why) {
  const auto where = [this, &place] {
    measureRefused_ = true;  // every refusal below names where the measure stands
    return place.Text() + ": ";
  };
  double value = 1;
  long long whole = 1;
  bool isWhole = true;
  std::string decimal;  // with --decimal-comma, the measure with its comma a point
  if (options_.decimalComma && text.find(',') != std::string_view::npos) {
    decimal.assign(text);
    decimal[decimal.find(',')] = '.';
    text = decimal;
  }
  if (!text.empty() && !WholeNumber(text, whole)) {
    const Decimal parsed = ParseDecimal(text, value);
    if (parsed == Decimal::kNone) {
      why = where() + "the measure " + Quote(text) + " is not a number";
      const std::size_t comma = text.find(',');
      if (comma != std::string_view::npos && comma > 0 && text.find(',', comma + 1) == std::string_view::npos &&
          IsNumber(std::string(text.substr(0, comma)) + "." + std::string(text.substr(comma + 1)))) {
        why += " (if its comma is a decimal mark, as in 1,5, --decimal-comma reads it)";
      }
      return false;
    }
    if (!std::isfinite(value)) {
      why = where() + "the measure " + Quote(text) + " is not a finite number";
      return false;
    }
    // Below the smallest double (1e-400), a number is no whole one, however it rounds.
    isWhole =
        std::floor(value) == value && std::fabs(value) < 9.0e18 && !(parsed == Decimal::kOutOfRange && value == 0);
    whole = isWhole ? static_cast<long long>(value) : 0;
  } else {
    value = static_cast<double>(whole);
  }
  if (options_.scale > 0) {
    const double scaled = value * options_.scale;
    // Beyond any 32-bit measure (refused below, as out of range), llround is not asked.
    const bool near = std::fabs(scaled) <= 4.0e9;
    whole = near ? std::llround(scaled) : (scaled < 0 ? LLONG_MIN / 2 : LLONG_MAX / 2);
    const double error = near ? std::fabs(scaled - static_cast<double>(whole)) : 0;
    if (error > imported_.largestRounding) {
      imported_.largestRounding = error;
      imported_.roundingAt = place.Text();
    }
  } else if (!isWhole) {
    why = where() + "the measure " + Quote(text) +
          " is not a whole number (--scale F multiplies every measure by F and rounds it)";
    return false;
  }
  if (options_.maximum) whole = -whole;
  largest_ = std::max(largest_, std::fabs(value));
  if (measuring_) whole = std::clamp<long long>(whole, INT32_MIN, INT32_MAX);
  if (whole < INT32_MIN || whole > INT32_MAX) {
    outOfRange_ = true;
    why = where() + "the measure " + Quote(text) + " is outside -2147483648 to 2147483647" +
          (options_.scale > 0 ? " after --scale" : "") + (options_.maximum ? " once negated for --maximum" : "");
    const double scale = options_.scale > 0 ? options_.scale : 1;
    if (std::fabs(value * scale) > 2147483648.0 && std::fabs(value * scale) < 1e300) {
      // The power of ten that brings this measure within range: 5e9 needs 1e-1, 5e10 1e-2.
      int digits = 1;
      while (std::fabs(value * scale) / std::pow(10.0, digits) > 2147483647.0) ++digits;
      char advised[32];
      std::snprintf(advised, sizeof advised, "%g", scale / std::pow(10.0, digits));
      why += options_.scale > 0
                 ? std::string(" (--scale ") + advised + " brings it within range)"
                 : " (--scale 1e-" + std::to_string(digits) + " divides every measure by 1e" + std::to_string(digits) +
                       " and rounds it; the largest rounding error is reported)";
    }
    return false;
  }
  measure = static_cast<int>(whole);
  return true;
}

bool NetworkBuilder::AddEdge(int a, int b, std::string_view measure, long long line, std::string& why) {
  int value = 0;
  if (!ScaleMeasure(measure, {"line", line}, value, why)) return false;
  ++imported_.listed;
  if (measure.empty()) ++imported_.unmeasured;
  if (a == b) {
    ++imported_.selfLoops;
    return true;
  }
  listed_.push_back({a, b, value});
  return true;
}

void NetworkBuilder::Keep(Network network) {
  kept_ = true;
  imported_.listed = static_cast<long long>(network.edges.size());
  imported_.network = std::move(network);
}

long long NetworkBuilder::Merge() {
  if (kept_) return static_cast<long long>(imported_.network.edges.size());
  if (merged_) return static_cast<long long>(listed_.size());
  merged_ = true;
  // Declared nodes: names are their ids (or labels), in order of first appearance.
  if (declared_ >= 0) {
    byId_.clear();
    std::vector<int>().swap(dense_);
    imported_.names.clear();
    for (const long long id : idOf_) {
      const auto label = labels_.find(id);
      imported_.names.push_back(label != labels_.end() ? label->second : std::to_string(id));
    }
  }
  byName_.clear();
  // Each pair's listings merge into the first, with the smallest measure: sort by pair, then by
  // place in the file.
  std::vector<std::uint32_t> order(listed_.size());
  std::iota(order.begin(), order.end(), 0u);
  const auto pair = [this](std::uint32_t k) {
    const Listed& e = listed_[k];
    return std::make_pair(std::min(e.a, e.b), std::max(e.a, e.b));
  };
  std::sort(order.begin(), order.end(), [&](std::uint32_t x, std::uint32_t y) {
    const auto px = pair(x);
    const auto py = pair(y);
    return px != py ? px < py : x < y;
  });
  std::vector<bool> kept(listed_.size(), false);
  for (std::size_t k = 0; k < order.size();) {
    std::size_t next = k + 1;
    int smallest = listed_[order[k]].measure;
    while (next < order.size() && pair(order[next]) == pair(order[k])) {
      smallest = std::min(smallest, listed_[order[next]].measure);
      ++next;
    }
    listed_[order[k]].measure = smallest;
    kept[order[k]] = true;
    imported_.merged += static_cast<long long>(next - k - 1);
    k = next;
  }
  std::vector<Listed> edges;
  edges.reserve(order.size() - static_cast<std::size_t>(imported_.merged));
  for (std::size_t k = 0; k < listed_.size(); ++k) {
    if (kept[k]) edges.push_back(listed_[k]);
  }
  listed_ = std::move(edges);
  return static_cast<long long>(listed_.size());
}

bool NetworkBuilder::SameAs(const NetworkBuilder& other) const {
  if (kept_ != other.kept_) return false;
  if (kept_) {
    const std::vector<Edges>& x = imported_.network.edges;
    const std::vector<Edges>& y = other.imported_.network.edges;
    return imported_.network.nON == other.imported_.network.nON &&
           std::equal(x.begin(), x.end(), y.begin(), y.end(), [](const Edges& p, const Edges& q) {
             return p.node1 == q.node1 && p.node2 == q.node2 && p.measure == q.measure;
           });
  }
  const auto unseen = [](const NetworkBuilder& b) {
    return b.declared_ >= 0 ? b.declared_ - static_cast<long long>(b.idOf_.size()) : 0;
  };
  return imported_.names == other.imported_.names && unseen(*this) == unseen(other) &&
         std::equal(
             listed_.begin(), listed_.end(), other.listed_.begin(), other.listed_.end(),
             [](const Listed& p, const Listed& q) { return p.a == q.a && p.b == q.b && p.measure == q.measure; });
}

bool NetworkBuilder::Finish(std::string& why) {
  Merge();
  if (kept_) {
    imported_.names.clear();
    for (int v = 1; v <= imported_.network.nON; ++v) imported_.names.push_back(std::to_string(v));
    imported_.named = false;
    return true;
  }
  // Nodes the file declares but never names are parts of one node each, counted but not kept:
  // the header may announce any number.
  const long long unseen = declared_ >= 0 ? declared_ - static_cast<long long>(idOf_.size()) : 0;
  const int nodes = static_cast<int>(imported_.names.size());
  if (nodes + unseen < 2) {
    why = "a network needs at least 2 nodes; this one has " + std::to_string(nodes + unseen);
    return false;
  }
  // The parts; a part's root is its first node (in order of appearance).
  std::vector<int> parent(static_cast<std::size_t>(nodes));
  std::iota(parent.begin(), parent.end(), 0);
  for (const Listed& e : listed_) (void)Join(parent.data(), e.a, e.b);
  std::vector<int> size(static_cast<std::size_t>(nodes), 0);
  long long parts = unseen;
  for (int v = 0; v < nodes; ++v) {
    if (size[static_cast<std::size_t>(Root(parent.data(), v))]++ == 0) ++parts;
  }
  int keep = 0;  // the largest part's root; the first met among equals
  for (int v = 1; v < nodes; ++v) {
    if (size[static_cast<std::size_t>(v)] > size[static_cast<std::size_t>(keep)]) keep = v;
  }
  if (parts > 1) {
    const int largest = nodes > 0 ? size[static_cast<std::size_t>(keep)] : 1;
    if (!options_.largestPart) {
      why = "the network is in " + std::to_string(parts) + " parts; the largest has " + std::to_string(largest) +
            " of its " + std::to_string(nodes + unseen) + " nodes (--largest-part keeps that one)";
      return false;
    }
    std::vector<int> renumbered(static_cast<std::size_t>(nodes), -1);
    std::vector<std::string> names;
    for (int v = 0; v < nodes; ++v) {
      if (Root(parent.data(), v) == keep) {
        renumbered[static_cast<std::size_t>(v)] = static_cast<int>(names.size());
        names.push_back(std::move(imported_.names[static_cast<std::size_t>(v)]));
      }
    }
    std::vector<Listed> within;
    for (const Listed& e : listed_) {
      if (renumbered[static_cast<std::size_t>(e.a)] >= 0) {
        within.push_back(
            {renumbered[static_cast<std::size_t>(e.a)], renumbered[static_cast<std::size_t>(e.b)], e.measure});
      }
    }
    imported_.partsLeft = parts - 1;
    imported_.nodesLeft = nodes + unseen - static_cast<long long>(names.size());
    imported_.edgesLeft = static_cast<long long>(listed_.size() - within.size());
    imported_.names = std::move(names);
    listed_ = std::move(within);
  }
  if (listed_.empty()) {
    why = "the network has no edges between two different nodes";
    return false;
  }
  imported_.network.nON = static_cast<int>(imported_.names.size());
  imported_.network.edges.clear();
  imported_.network.edges.reserve(listed_.size());
  for (const Listed& e : listed_) imported_.network.edges.push_back({e.a, e.b, e.measure});
  imported_.named = false;
  for (std::size_t k = 0; k < imported_.names.size() && !imported_.named; ++k) {
    imported_.named = imported_.names[k] != std::to_string(k + 1);
  }
  return true;
}

}  // namespace mst
