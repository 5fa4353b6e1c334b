#include "bench/study_summary.h"

#include <algorithm>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <map>
#include <vector>

#include "text/decimal.h"
#include "text/lines.h"
#include "timing/median.h"

namespace mst {
namespace {

using Row = std::vector<std::string>;

// The rows after the header, each split at its commas. A row shorter than the header, or
// whose field under a column of numbers (every column but family and routine) is neither empty
// (a count not kept) nor a number, is left out: junk is never read as 0.
std::vector<Row> Rows(const std::string& csv) {
  std::vector<Row> rows;
  std::vector<bool> numeric;
  Lines lines(csv);
  for (std::string_view line; lines.Next(line);) {
    Row fields;
    std::size_t start = 0;
    for (std::size_t comma; (comma = line.find(',', start)) != std::string_view::npos; start = comma + 1) {
      fields.emplace_back(line.substr(start, comma - start));
    }
    fields.emplace_back(line.substr(start));
    if (lines.Number() == 1) {
      for (const std::string& name : fields) numeric.push_back(name != "family" && name != "routine");
      continue;
    }
    bool numbers = fields.size() >= numeric.size() && !line.empty();
    for (std::size_t k = 0; k < numeric.size() && numbers; ++k) {
      numbers = !numeric[k] || fields[k].empty() || IsNumber(fields[k]);  // empty: a count not kept
    }
    if (numbers) rows.push_back(std::move(fields));
  }
  return rows;
}

// A field of a column of numbers (Rows has checked it is one).
double Number(const std::string& field) {
  double value = 0;
  (void)ParseDecimal(field, value);
  return value;
}

int Whole(const std::string& field) { return static_cast<int>(Number(field)); }

// printf into a string.
std::string Format(const char* format, ...) {
  va_list args;
  va_start(args, format);
  char buffer[512];
  std::vsnprintf(buffer, sizeof buffer, format, args);
  va_end(args);
  return buffer;
}

// Adds name to list unless it is there; returns its index.
std::size_t Index(std::vector<std::string>& list, const std::string& name) {
  const auto found = std::find(list.begin(), list.end(), name);
  if (found != list.end()) return static_cast<std::size_t>(found - list.begin());
  list.push_back(name);
  return list.size() - 1;
}

// Where two series change order for good. lead[k]: -1 where the first is clearly ahead, 1 where
// the second is, 0 where their spreads overlap; ratio[k]: the log of first / second medians;
// x[k]: the log of the position. Calls found(place, leaderBelow, leaderAbove, index) with the
// interpolated place of the last crossing of the medians between two clear points of different
// leaders, index being the point before that crossing.
template <typename Found>
void Crossings(const std::vector<int>& lead, const std::vector<double>& ratio, const std::vector<double>& x,
               Found found) {
  std::size_t last = SIZE_MAX;
  for (std::size_t k = 0; k < lead.size(); ++k) {
    if (lead[k] == 0) continue;
    if (last != SIZE_MAX && lead[k] != lead[last]) {
      std::size_t j = k - 1;
      while (j > last && !(ratio[j] * ratio[j + 1] <= 0 && ratio[j] != ratio[j + 1])) --j;
      const double place = x[j] + (x[j + 1] - x[j]) * ratio[j] / (ratio[j] - ratio[j + 1]);
      found(std::exp(place), lead[last], lead[k], j);
    }
    last = k;
  }
}

// One network of the density study: its routines' medians and spreads, by routine.
struct Network {
  std::string family;
  int nodes;
  int edges;
  std::map<std::string, double> time, low, high;
};

// The fastest routine of a network and the runner-up, in the order routines first appeared.
std::pair<std::string, std::string> Fastest(const Network& net, const std::vector<std::string>& routines) {
  std::string best, second;
  for (const std::string& r : routines) {
    if (net.time.count(r) == 0) continue;
    if (best.empty() || net.time.at(r) < net.time.at(best)) {
      second = best;
      best = r;
    } else if (second.empty() || net.time.at(r) < net.time.at(second)) {
      second = r;
    }
  }
  return {best, second};
}

// The real networks: each routine's median and spread, the fastest, Prim against Kruskal; and
// what the random family predicts for Prim against Kruskal there: the order at the random
// network nearest in node count and edges per node (on log scales, the two weighed alike).
std::string RealNetworks(const std::vector<Network>& real, const std::vector<Network>& families,
                         const std::vector<std::string>& routines) {
  std::string out =
      "\nReal networks (microseconds per call: median, min to max; x: times as fast as the runner-up)\n\n";
  out += Format("%-16s %6s %7s %10s", "network", "nodes", "edges", "edges/node");
  for (const std::string& r : routines) out += Format("  %-24s", r.c_str());
  out += Format("  %-16s %6s %12s\n", "fastest", "x", "prim/kruskal");
  for (const Network& net : real) {
    out += Format("%-16s %6d %7d %10.1f", net.family.c_str(), net.nodes, net.edges,
                  static_cast<double>(net.edges) / net.nodes);
    for (const std::string& r : routines) {
      const std::string cell = net.time.count(r)
                                   ? Format("%.4g (%.4g-%.4g)", net.time.at(r), net.low.at(r), net.high.at(r))
                                   : std::string("-");
      out += Format("  %-24s", cell.c_str());
    }
    const auto [best, second] = Fastest(net, routines);
    out += Format("  %-16s %6.2f %12.2f\n", best.c_str(), net.time.at(second) / net.time.at(best),
                  net.time.at("prim") / net.time.at("kruskal"));
  }
  out +=
      "\nWhere the random family predicts Prim against Kruskal (the random network nearest in nodes and density)\n\n";
  for (const Network& net : real) {
    const Network* nearest = nullptr;
    double distance = 0;
    for (const Network& f : families) {
      if (f.family != "random" || f.time.count("prim") == 0 || f.time.count("kruskal") == 0) continue;
      const double d = std::fabs(std::log(static_cast<double>(f.nodes) / net.nodes)) +
                       std::fabs(std::log(static_cast<double>(f.edges) / f.nodes * net.nodes / net.edges));
      if (nearest == nullptr || d < distance) {
        nearest = &f;
        distance = d;
      }
    }
    if (nearest == nullptr) continue;
    const double found = net.time.at("prim") / net.time.at("kruskal");
    const double predicted = nearest->time.at("prim") / nearest->time.at("kruskal");
    const auto leader = [](double ratio) { return ratio < 1 ? "prim" : "kruskal"; };
    // On the real network, a leader only where the spreads do not overlap.
    const bool clear = net.high.at("prim") < net.low.at("kruskal") || net.high.at("kruskal") < net.low.at("prim");
    out += Format("%-16s prim/kruskal %.2f (%s); the random family at %d nodes, %.1f per node: %.2f (%s): %s\n",
                  net.family.c_str(), found,
                  clear ? (std::string(leader(found)) + " faster").c_str() : "their spreads overlap", nearest->nodes,
                  static_cast<double>(nearest->edges) / nearest->nodes, predicted, leader(predicted),
                  !clear                           ? "too close to tell"
                  : (found < 1) == (predicted < 1) ? "as predicted"
                                                   : "not as predicted");
  }
  return out;
}

}  // namespace

std::string DensitySummary(const std::string& csv) {
  // Networks (family,nodes,edges) and routines in order of first appearance; per network and
  // routine the median, min and max.
  std::vector<std::string> keys, routines, sizes;
  std::vector<Network> networks;
  std::map<std::pair<std::string, std::string>, std::vector<double>> perOperation;  // routine, nodes
  std::vector<Network> real;  // family "real:NAME": the real networks, summarized apart
  std::vector<std::string> realKeys;
  for (const Row& row : Rows(csv)) {
    if (row[0].rfind("real:", 0) == 0) {
      const std::size_t n = Index(realKeys, row[0]);
      if (n == real.size()) real.push_back({row[0].substr(5), Whole(row[1]), Whole(row[2]), {}, {}, {}});
      real[n].time[row[3]] = Number(row[4]);
      real[n].low[row[3]] = Number(row[5]);
      real[n].high[row[3]] = Number(row[6]);
      continue;
    }
    const std::size_t n = Index(keys, row[0] + "," + row[1] + "," + row[2]);
    if (n == networks.size()) networks.push_back({row[0], Whole(row[1]), Whole(row[2]), {}, {}, {}});
    Index(routines, row[3]);
    networks[n].time[row[3]] = Number(row[4]);
    networks[n].low[row[3]] = Number(row[5]);
    networks[n].high[row[3]] = Number(row[6]);
    if (!row[8].empty()) {
      const double operations = Number(row[3] == "kruskal" ? row[9] : row[8]);  // Kruskal: comparisons
      perOperation[{row[3], row[1]}].push_back(Number(row[4]) * 1000 / operations);
      Index(sizes, row[1]);
    }
  }

  std::string out = "Fastest routine per network (median time per call; x: times as fast as the runner-up)\n\n";
  out += Format("%-10s %6s %7s %10s  %-16s %6s  %-16s %12s\n", "family", "nodes", "edges", "edges/node", "fastest", "x",
                "runner-up", "prim/kruskal");
  std::map<std::string, int> wins;
  for (const Network& net : networks) {
    const auto [best, second] = Fastest(net, routines);
    const auto time = [&net](const std::string& r) { return net.time.count(r) ? net.time.at(r) : 0.0; };
    out += Format("%-10s %6d %7d %10.1f  %-16s %6.2f  %-16s %12.2f\n", net.family.c_str(), net.nodes, net.edges,
                  static_cast<double>(net.edges) / net.nodes, best.c_str(), time(second) / time(best), second.c_str(),
                  time("prim") / time("kruskal"));
    ++wins[best];
  }
  out += "\nWins: ";
  std::string separator;
  for (const std::string& r : routines) {
    if (wins.count(r) == 0) continue;
    out += Format("%s%s %d", separator.c_str(), r.c_str(), wins[r]);
    separator = ", ";
  }
  out += Format(" of %d networks\n", static_cast<int>(networks.size()));

  out += "\nPrim against Kruskal on the random family (where they change order beyond their spreads)\n\n";
  std::vector<std::string> rules;
  for (const std::string& size : sizes) {
    const int n = Whole(size);
    std::vector<const Network*> points;
    for (const Network& net : networks) {
      if (net.family == "random" && net.nodes == n && net.time.count("prim") && net.time.count("kruskal")) {
        points.push_back(&net);
      }
    }
    if (points.empty()) continue;
    std::vector<int> lead;
    std::vector<double> ratio, x;
    for (const Network* p : points) {
      lead.push_back(p->high.at("prim") < p->low.at("kruskal")   ? -1
                     : p->high.at("kruskal") < p->low.at("prim") ? 1
                                                                 : 0);
      ratio.push_back(std::log(p->time.at("prim") / p->time.at("kruskal")));
      x.push_back(std::log(p->edges));
    }
    const auto name = [](int leader) { return leader < 0 ? "prim" : "kruskal"; };
    bool said = false;
    Crossings(lead, ratio, x, [&](double edges, int below, int above, std::size_t) {
      out += Format("%5d nodes: %s faster below about %d edges (%.1f per node), %s faster above\n", n, name(below),
                    static_cast<int>(edges + 0.5), edges / n, name(above));
      said = true;
    });
    const Network& sparsest = *points.front();
    const Network& densest = *points.back();
    if (!said) {
      const auto first = std::find_if(lead.begin(), lead.end(), [](int l) { return l != 0; });
      if (first == lead.end()) {
        out += Format("%5d nodes: within noise of each other at every density\n", n);
      } else {
        out += Format("%5d nodes: %s faster at every density from %d to %d edges\n", n, name(*first), sparsest.edges,
                      densest.edges);
      }
    }
    // The rule of thumb: does Prim gain on Kruskal as the network gets denser?
    const double sparse = sparsest.time.at("prim") / sparsest.time.at("kruskal");
    const double dense = densest.time.at("prim") / densest.time.at("kruskal");
    rules.push_back(Format("%5d nodes: Prim takes %.2f of Kruskal's time at %d edges and %.2f at %d: %s\n", n, sparse,
                           sparsest.edges, dense, densest.edges,
                           dense < sparse ? "Prim gains with density, as the rule of thumb says"
                                          : "Prim loses ground with density: the rule of thumb turns around"));
  }
  out += "\nThe rule of thumb (Prim for dense networks), Prim against Kruskal from the sparsest to the densest\n\n";
  for (const std::string& rule : rules) out += rule;

  out += "\nCost per operation (nanoseconds per counted operation; median, and range over the networks)\n\n";
  const std::pair<const char*, const char*> kinds[] = {
      {"prim", "edge visit"}, {"kruskal", "comparison of its sort"}, {"library-prim", "edge examined"}};
  for (const auto& [routine, operation] : kinds) {
    for (const std::string& size : sizes) {
      const auto found = perOperation.find({routine, size});
      if (found == perOperation.end()) continue;
      const std::vector<double>& list = found->second;
      const auto [low, high] = std::minmax_element(list.begin(), list.end());
      out += Format("%-13s per %-24s %5d nodes: %.3g (%.3g to %.3g)\n", routine, operation, Whole(size), Median(list),
                    *low, *high);
    }
  }
  if (!real.empty()) out += RealNetworks(real, networks, routines);
  return out;
}

std::string ScalingFit(const std::string& csv) {
  // One curve per routine and density (edges / nodes), its points in file order.
  struct Curve {
    std::string routine, density;
    std::vector<double> x, y, low, high;  // log nodes, log median; the spread
    std::vector<int> nodes;
  };
  std::vector<std::string> keys;
  std::vector<Curve> curves;
  for (const Row& row : Rows(csv)) {
    const std::string density = Format("%.6g", Number(row[1]) / Number(row[0]));
    const std::size_t c = Index(keys, row[2] + "," + density);
    if (c == curves.size()) curves.push_back({row[2], density, {}, {}, {}, {}, {}});
    Curve& curve = curves[c];
    curve.x.push_back(std::log(Number(row[0])));
    curve.y.push_back(std::log(Number(row[3])));
    curve.low.push_back(Number(row[4]));
    curve.high.push_back(Number(row[5]));
    curve.nodes.push_back(Whole(row[0]));
  }
  std::string out = Format("%-16s %16s %10s %s\n", "routine", "edges per node", "exponent", "(fitted over nodes)");
  for (const Curve& curve : curves) {
    const std::size_t m = curve.x.size();
    const std::size_t first = m / 2;
    double sx = 0, sy = 0, sxx = 0, sxy = 0;
    const double n = static_cast<double>(m - first);
    for (std::size_t k = first; k < m; ++k) {
      sx += curve.x[k];
      sy += curve.y[k];
      sxx += curve.x[k] * curve.x[k];
      sxy += curve.x[k] * curve.y[k];
    }
    out += Format("%-16s %16s %10.2f (%d to %d)\n", curve.routine.c_str(), curve.density.c_str(),
                  (n * sxy - sx * sy) / (n * sxx - sx * sx), curve.nodes[first], curve.nodes[m - 1]);
  }
  out += "\ncrossovers (nodes where two curves at one density change order beyond their spread)\n";
  const char* const names[] = {"prim", "kruskal", "library-prim", "library-kruskal"};
  std::string noisy;
  for (const char* density : {"3", "10"}) {
    for (int a = 0; a < 4; ++a) {
      for (int b = a + 1; b < 4; ++b) {
        const auto find = [&](const char* routine) {
          const auto at = std::find(keys.begin(), keys.end(), std::string(routine) + "," + density);
          return at == keys.end() ? nullptr : &curves[static_cast<std::size_t>(at - keys.begin())];
        };
        const Curve* ca = find(names[a]);
        const Curve* cb = find(names[b]);
        if (ca == nullptr || cb == nullptr) continue;
        const std::size_t m = std::min(ca->x.size(), cb->x.size());
        std::vector<int> lead;
        std::vector<double> ratio;
        for (std::size_t k = 0; k < m; ++k) {
          lead.push_back(ca->high[k] < cb->low[k] ? -1 : cb->high[k] < ca->low[k] ? 1 : 0);
          ratio.push_back(ca->y[k] - cb->y[k]);
        }
        std::vector<bool> crossed(m, false);
        Crossings(lead, ratio, ca->x, [&](double nodes, int below, int, std::size_t j) {
          out += Format("%2d edges per node: %s and %s cross at about %d nodes (%s faster below)\n", Whole(density),
                        names[a], names[b], static_cast<int>(nodes + 0.5), below < 0 ? names[a] : names[b]);
          crossed[j] = true;
        });
        for (std::size_t k = 0; k + 1 < m; ++k) {
          if (ratio[k] * ratio[k + 1] < 0 && !crossed[k]) {
            noisy += Format("%2d edges per node: %s and %s medians touch between %d and %d nodes\n", Whole(density),
                            names[a], names[b], ca->nodes[k], ca->nodes[k + 1]);
          }
        }
      }
    }
  }
  if (!noisy.empty()) {
    out += "\nwithin noise (the medians cross, but the spreads overlap on one side; no change of order)\n" + noisy;
  }
  return out;
}

}  // namespace mst

namespace mst {

std::string DensityMap(const std::string& csv) {
  std::vector<std::string> keys, routines;
  std::vector<Network> networks;
  for (const Row& row : Rows(csv)) {
    if (row[0] != "random" && row[0].rfind("real:", 0) != 0) continue;
    const std::size_t n = Index(keys, row[0] + "," + row[1] + "," + row[2]);
    if (n == networks.size()) networks.push_back({row[0], Whole(row[1]), Whole(row[2]), {}, {}, {}});
    Index(routines, row[3]);
    networks[n].time[row[3]] = Number(row[4]);
  }
  std::string out;
  for (const Network& net : networks) {
    const auto [best, second] = Fastest(net, routines);
    if (second.empty() || net.time.count("prim") == 0 || net.time.count("kruskal") == 0) continue;
    out += Format("%s %s %g %d x%.1f P/K=%.2f\n", net.family.c_str(), best.c_str(),
                  static_cast<double>(net.edges) / net.nodes, net.nodes, net.time.at(second) / net.time.at(best),
                  net.time.at("prim") / net.time.at("kruskal"));
  }
  return out;
}

}  // namespace mst
