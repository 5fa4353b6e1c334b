// Per-call time of Prim and Kruskal beside a plain reading of their steps (built at -O2) and
// beside Boost.Graph's Prim and Kruskal (when built with Boost), over a sweep of network sizes
// and densities, and of Prim with each scan this processor runs. Ends with tables from the
// medians measured in this one run: project / plain and project / library per routine, and
// Prim's cost per edge visit with each scan.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "bench/routine_calls.h"
#include "bench/study_networks.h"
#include "mst/kruskal.h"
#include "mst/prim.h"
#include "mst/prim_scan.h"
#ifdef MST_HAVE_BOOST
#include "timing/library_routines.h"
#endif

using namespace mst;

namespace {

// Calls one routine over and over on one network, as the program's timed runs do: Kruskal
// keeps sorting the list its previous call left.
void RunRoutine(benchmark::State& state, RoutineCall routine, PrimScan scan, std::vector<Edges> network, int nodes) {
  std::vector<Edges> tree(static_cast<std::size_t>(nodes));
  const int nOE = static_cast<int>(network.size());
  for (auto _ : state) {
    routine(network.data(), tree.data(), nOE, nodes, scan);
    benchmark::ClobberMemory();
  }
}

std::string Name(const std::string& routine, int nodes, int edges) {
  return routine + "/nodes:" + std::to_string(nodes) + "/edges:" + std::to_string(edges);
}

// Keeps every median the console shows, to print the tables at the end.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median") {
        // Adjusted to the console's unit, microseconds.
        medians_[run.run_name.str()] = run.GetAdjustedRealTime();
      }
    }
    ConsoleReporter::ReportRuns(runs);
  }

  void PrintTables(const std::vector<std::pair<int, int>>& sweep) const {
    std::printf(
        "\nproject / plain reading and project / library, medians of this run (below 1 means the project is faster)\n");
    std::printf("%8s %8s %10s %10s %12s %12s %18s\n", "nodes", "edges", "PRIM", "KRUSKAL", "PRIM/lib", "KRUSKAL/lib",
                "Prim's scan");
    for (const auto& [nodes, edges] : sweep) {
      std::printf("%8d %8d %10s %10s %12s %12s %18s\n", nodes, edges, Ratio("PRIM", nodes, edges).c_str(),
                  Ratio("KRUSKAL", nodes, edges).c_str(), Ratio("PRIM", nodes, edges, "library ").c_str(),
                  Ratio("KRUSKAL", nodes, edges, "library ").c_str(), PrimScanName(ChoosePrimScan(nodes, edges)));
    }
    std::printf("\nPrim's cost per edge visit, nanoseconds (a call visits (nodes - 1) x edges edges)\n");
    std::printf("%8s %8s %8s", "nodes", "edges", "plain");
    for (PrimScan scan : AllPrimScans()) {
      std::printf(" %17s", PrimScanName(scan));
    }
    std::printf("\n");
    for (const auto& [nodes, edges] : sweep) {
      const double visits = static_cast<double>(nodes - 1) * edges;
      std::printf("%8d %8d %8s", nodes, edges, PerVisit("plain PRIM", nodes, edges, visits).c_str());
      for (PrimScan scan : AllPrimScans()) {
        const std::string name = std::string("PRIM[") + PrimScanName(scan) + "]";
        std::printf(" %17s", PerVisit(name, nodes, edges, visits).c_str());
      }
      std::printf("\n");
    }
  }

 private:
  const double* Median(const std::string& routine, int nodes, int edges) const {
    const auto found = medians_.find(Name(routine, nodes, edges));
    return found == medians_.end() ? nullptr : &found->second;
  }

  std::string Ratio(const std::string& routine, int nodes, int edges, const char* baseline = "plain ") const {
    const double* plain = Median(baseline + routine, nodes, edges);
    const double* project = Median(routine, nodes, edges);
    if (plain == nullptr || project == nullptr || *plain <= 0) {
      return "-";
    }
    char text[32];
    std::snprintf(text, sizeof text, "%.2fx", *project / *plain);
    return text;
  }

  std::string PerVisit(const std::string& routine, int nodes, int edges, double visits) const {
    const double* microseconds = Median(routine, nodes, edges);
    if (microseconds == nullptr) {
      return "-";
    }
    char text[32];
    std::snprintf(text, sizeof text, "%.3f", *microseconds * 1000.0 / visits);
    return text;
  }

  std::map<std::string, double> medians_;
};

// From a handful of nodes to 1024, sparse (3 edges per node) and dense (10 per node), with
// points between at 6 to 9 edges per node and either side of the old 256-node limit.
std::vector<std::pair<int, int>> Sweep() {
  std::vector<std::pair<int, int>> sweep;
  for (int nodes : {16, 32, 64, 128, 256, 512, 1024}) {
    sweep.emplace_back(nodes, 3 * nodes);
    sweep.emplace_back(nodes, 10 * nodes);
  }
  for (const auto& point : std::vector<std::pair<int, int>>{
           {30, 240}, {48, 288}, {80, 720}, {180, 1500}, {300, 900}, {420, 1300}, {768, 4608}}) {
    sweep.push_back(point);
  }
  return sweep;
}

// Registers every routine (and each scan Prim can use here) on one generated network.
void RegisterRoutines(int nodes, int edges) {
  const std::vector<Edges> network = HarnessNetwork(nodes, edges);
  struct Entry {
    std::string name;
    RoutineCall routine;
    PrimScan scan;
  };
  std::vector<Entry> entries = {{"plain PRIM", CallPlainPrim, PrimScan::kPortable},
                                {"PRIM", CallPrim, PrimScan::kPortable},
                                {"plain KRUSKAL", CallPlainKruskal, PrimScan::kPortable},
                                {"KRUSKAL", CallKruskal, PrimScan::kPortable}};
  for (PrimScan scan : AllPrimScans()) {
    if (PrimScanRuns(scan) && nodes <= PrimScanMaxNodes(scan)) {
      entries.push_back({std::string("PRIM[") + PrimScanName(scan) + "]", CallPrimScan, scan});
    }
  }
  for (const Entry& entry : entries) {
    const RoutineCall r = entry.routine;
    const PrimScan scan = entry.scan;
    benchmark::RegisterBenchmark(Name(entry.name, nodes, edges).c_str(), [=](benchmark::State& state) {
      RunRoutine(state, r, scan, network, nodes);
    })->Unit(benchmark::kMicrosecond);
  }
#ifdef MST_HAVE_BOOST
  // The library's graph is built once here; each timed call runs the algorithm alone.
  benchmark::RegisterBenchmark(Name("library PRIM", nodes, edges).c_str(), [=](benchmark::State& state) {
    const LibraryGraph graph = MakeLibraryGraph(network.data(), edges, nodes);
    std::vector<std::size_t> predecessors(static_cast<std::size_t>(nodes));
    for (auto _ : state) {
      LibraryPrim(graph, predecessors);
      benchmark::ClobberMemory();
    }
  })->Unit(benchmark::kMicrosecond);
  benchmark::RegisterBenchmark(Name("library KRUSKAL", nodes, edges).c_str(), [=](benchmark::State& state) {
    const LibraryGraph graph = MakeLibraryGraph(network.data(), edges, nodes);
    std::vector<LibraryEdge> tree;
    tree.reserve(static_cast<std::size_t>(nodes));
    for (auto _ : state) {
      LibraryKruskal(graph, tree);
      benchmark::ClobberMemory();
    }
  })->Unit(benchmark::kMicrosecond);
#endif
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::pair<int, int>> sweep = Sweep();
  for (const auto& [nodes, edges] : sweep) RegisterRoutines(nodes, edges);
#ifndef MST_HAVE_BOOST
  std::fprintf(stderr,
               "mst-routines-bench: built without Boost.Graph, so the library baselines are skipped "
               "(Debian: apt-get install libboost-graph-dev, then rebuild)\n");
#endif
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
  reporter.PrintTables(sweep);
  benchmark::Shutdown();
  return 0;
}
