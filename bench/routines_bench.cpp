// Per-call time of Prim and Kruskal beside a plain reading of their steps (built at -O2), over
// a sweep of network sizes and densities. Ends with a table of ratios (plain / optimized) of
// the medians measured in this one run.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "mst/kruskal.h"
#include "bench/plain_routines.h"
#include "mst/prim.h"
#include "bench/sweep_networks.h"

namespace {

using Routine = void (*)(Edges*, Edges*, int, int);

void PrimRoutine(Edges* in, Edges* out, int nOE, int nON) { Prim(in, out, nOE, nON); }
void PlainPrimRoutine(Edges* in, Edges* out, int nOE, int nON) { PlainPrim(in, out, nOE, nON); }

// Calls one routine over and over on one network, as the program's timed runs do: Kruskal
// keeps sorting the list its previous call left.
void RunRoutine(benchmark::State& state, Routine routine, std::vector<Edges> network, int nodes,
                bool countEdgeVisits) {
  std::vector<Edges> tree(static_cast<std::size_t>(nodes));
  const int nOE = static_cast<int>(network.size());
  for (auto _ : state) {
    routine(network.data(), tree.data(), nOE, nodes);
    benchmark::ClobberMemory();
  }
  if (countEdgeVisits) {  // Prim visits every edge at each of its nodes - 1 steps
    state.counters["per_edge_visit"] = benchmark::Counter(
        static_cast<double>(nodes - 1) * nOE,
        benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
  }
}

std::string Name(const char* routine, int nodes, int edges) {
  return std::string(routine) + "/nodes:" + std::to_string(nodes) + "/edges:" + std::to_string(edges);
}

// Keeps every median the console shows, to print the ratio table at the end.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median") {
        std::string name = run.run_name.str();
        medians_[name] = run.GetAdjustedRealTime();
      }
    }
    ConsoleReporter::ReportRuns(runs);
  }

  void PrintRatios(const std::vector<std::pair<int, int>>& sweep) const {
    std::printf("\nplain / optimized, medians of this run (above 1 means the optimized routine is faster)\n");
    std::printf("%8s %8s %10s %10s\n", "nodes", "edges", "PRIM", "KRUSKAL");
    for (const auto& [nodes, edges] : sweep) {
      std::printf("%8d %8d %10s %10s\n", nodes, edges, Ratio("PRIM", nodes, edges).c_str(),
                  Ratio("KRUSKAL", nodes, edges).c_str());
    }
  }

 private:
  std::string Ratio(const std::string& routine, int nodes, int edges) const {
    const auto plain = medians_.find(Name(("plain " + routine).c_str(), nodes, edges));
    const auto optimized = medians_.find(Name(routine.c_str(), nodes, edges));
    if (plain == medians_.end() || optimized == medians_.end() || optimized->second <= 0) {
      return "-";
    }
    char text[32];
    std::snprintf(text, sizeof text, "%.2fx", plain->second / optimized->second);
    return text;
  }

  std::map<std::string, double> medians_;
};

}  // namespace

int main(int argc, char** argv) {
  // Sizes from a handful of nodes to the largest the vector scan handles, sparse and dense.
  std::vector<std::pair<int, int>> sweep;
  for (int nodes : {16, 32, 64, 128, 256}) {
    sweep.emplace_back(nodes, 3 * nodes);
    sweep.emplace_back(nodes, 10 * nodes);
  }
  for (const auto& [nodes, edges] : sweep) {
    const std::vector<Edges> network = SweepNetwork(nodes, edges, 2026u + nodes + edges);
    const int n = nodes;
    struct Entry {
      const char* name;
      Routine routine;
      bool countVisits;
    } entries[] = {{"plain PRIM", PlainPrimRoutine, true},
                   {"PRIM", PrimRoutine, true},
                   {"plain KRUSKAL", PlainKruskal, false},
                   {"KRUSKAL", Kruskal, false}};
    for (const Entry& entry : entries) {
      benchmark::RegisterBenchmark(Name(entry.name, nodes, edges).c_str(),
                                   [=](benchmark::State& state) {
                                     RunRoutine(state, entry.routine, network, n, entry.countVisits);
                                   })
          ->Unit(benchmark::kMicrosecond);
    }
  }

  // Defaults for a fair side-by-side reading on a noisy machine; flags given on the command
  // line come later and win.
  std::vector<char*> args(argv, argv + argc);
  char repetitions[] = "--benchmark_repetitions=7";
  char interleave[] = "--benchmark_enable_random_interleaving=true";
  char aggregates[] = "--benchmark_report_aggregates_only=true";
  char minTime[] = "--benchmark_min_time=0.05";
  args.insert(args.begin() + 1, {repetitions, interleave, aggregates, minTime});
  int count = static_cast<int>(args.size());
  benchmark::Initialize(&count, args.data());
  if (benchmark::ReportUnrecognizedArguments(count, args.data())) {
    return 1;
  }
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.PrintRatios(sweep);
  benchmark::Shutdown();
  return 0;
}
