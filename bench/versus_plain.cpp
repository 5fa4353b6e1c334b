// mst-versus-plain: Prim and Kruskal beside a plain reading of their steps (bench/plain_routines,
// built at -O2), in complete timed runs like the program's own: one clock reading, CALLS calls
// with the same arguments, a second reading. The routines' runs are interleaved, repetition by
// repetition, so that a noisy moment hits them all alike. Also times Prim with every scan this
// processor runs that handles the network, to give each scan's cost per edge visit.
//
// Prints one table: per network the calls per run (20000 where a run of the slowest routine
// stays under about 2 s, fewer above), the ratios project / plain of the summed run times, the
// scan Prim chooses, and per scan the median nanoseconds per edge visit ((nodes - 1) x edges
// visits a call) and per call.
// usage: mst-versus-plain [--quick | --large | --kruskal] [--repetitions R] [--up-to NODES]
//                         [--scans A,B,...] [NETWORK_FILE...]
//   NETWORK_FILE (e.g. networks/matrix1.txt) is measured first, beside the generated networks.
//   --large measures networks of 8192 to 65536 nodes at 3 and 10 edges per node instead (hours
//   with every scan: name the scans to time with --scans, e.g. --scans avx512-marks,avx2-marks).
//   --kruskal times Kruskal alone beside its plain reading on networks of 10^5 to 10^6 edges at
//   1000, 10000 and 100000 nodes, with the cost per comparison and per record move of its sort
//   (counted by the observed routine; the plain reading makes the same ones).
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "bench/routine_calls.h"
#include "bench/study_networks.h"
#include "graph/network_vectors.h"
#include "mst/kruskal.h"
#include "mst/observed.h"
#include "mst/prim.h"
#include "mst/prim_scan.h"
#include "timing/call_timer.h"
#include "timing/median.h"
#include "timing/routine_timing.h"
#include "tools/command_line.h"
#include "tools/exit_status.h"
#include "tools/network_input.h"

using namespace mst;

namespace {

struct Measured {
  std::string name;
  std::vector<Edges> edges;
  int nodes;
};

struct Timed {
  std::string name;
  std::vector<Edges> list;  // this routine's own copy: Kruskal keeps sorting what it left
  std::vector<Edges> tree;
  RoutineCall call;
  PrimScan scan;
  std::vector<double> seconds;  // one complete run per repetition
};

double Run(Timed& t, long long calls, int nOE, int nON) {
  return SecondsFor([&] { t.call(t.list.data(), t.tree.data(), nOE, nON, t.scan); }, calls);
}

double Sum(const std::vector<double>& values) {
  double sum = 0;
  for (double v : values) sum += v;
  return sum;
}

Measured Generated(int nodes, int edges) {
  return {std::to_string(nodes) + "/" + std::to_string(edges), HarnessNetwork(nodes, edges), nodes};
}

const char* const kUsage =
    "Usage: mst-versus-plain [--quick | --large | --kruskal] [--repetitions R] [--up-to NODES]\n"
    "                        [--scans A,B,...] [NETWORK_FILE...]\n"
    "Times complete runs of the routines beside the plain reading, on the files given and on\n"
    "generated networks, and Prim's cost per edge visit with every scan.\n"
    "  --quick          fewer, smaller networks and a shorter budget per network\n"
    "  --large          8192 to 65536 nodes\n"
    "  --kruskal        Kruskal alone, per comparison and per record move, at 10^5-10^6 edges\n"
    "  --repetitions R  timed runs per routine (default 15)\n"
    "  --up-to NODES    leave out generated networks above NODES nodes\n"
    "  --scans A,B      time only the named scans\n"
    "  --help, --version\n";

struct Options {
  bool quick = false;
  bool large = false;
  bool kruskalOnly = false;
  std::vector<std::string> scans;  // the per-scan columns to time, by name; all when empty
  long long repetitions = 15;
  long long upTo = 1 << 30;  // generated networks of at most this many nodes
  std::vector<std::string> files;
};

// The networks to measure: the files given, then the generated ones the options ask for.
bool Networks(const Options& options, std::vector<Measured>& networks) {
  for (const std::string& file : options.files) {
    std::string title;
    ImportedNetwork loaded;
    if (ReadNetworkArgument("mst-versus-plain", file, {}, loaded, title) >= 0) return false;
    networks.push_back({title, loaded.network.edges, loaded.network.nON});
  }
  using Sizes = std::vector<std::pair<int, int>>;
  const Sizes sizes = options.kruskalOnly ? Sizes{{1000, 100000},   {1000, 400000},   {10000, 100000},
                                                  {10000, 1000000}, {100000, 300000}, {100000, 1000000}}
                      : options.large     ? Sizes{{8192, 24576},  {8192, 81920},   {16384, 49152},  {16384, 163840},
                                              {32768, 98304}, {32768, 327680}, {65536, 196608}, {65536, 655360}}
                      : options.quick     ? Sizes{{8, 16}, {16, 48}, {64, 192}, {1024, 3072}, {2048, 6144}}
                                          : Sizes{{8, 16},      {16, 48},      {30, 90},      {30, 240},    {64, 192},
                                              {64, 640},    {256, 768},    {256, 2560},   {1024, 3072}, {1024, 10240},
                                              {2048, 6144}, {2048, 20480}, {4096, 12288}, {4096, 40960}};
  for (const auto& [nodes, edges] : sizes) {
    if (nodes <= options.upTo) networks.push_back(Generated(nodes, edges));
  }
  return true;
}

// Times every routine on one network, repetitions interleaved; returns the calls per run: 20000
// unless the slowest routine (one call each, after a warm-up call) would take more than about 2
// s (0.3 s in the quick form). A warm-up call that alone passes the budget is taken as the
// measure.
long long Measure(const Options& options, const Measured& network, std::vector<Timed>& timed) {
  const int nOE = static_cast<int>(network.edges.size());
  const int nON = network.nodes;
  const auto add = [&](const std::string& name, RoutineCall call, PrimScan scan) {
    timed.push_back({name, network.edges, std::vector<Edges>(static_cast<std::size_t>(nON)), call, scan, {}});
  };
  if (!options.kruskalOnly) {
    add("plain PRIM", CallPlainPrim, PrimScan::kPortable);
    add("PRIM", CallPrim, PrimScan::kPortable);
  }
  add("plain KRUSKAL", CallPlainKruskal, PrimScan::kPortable);
  add("KRUSKAL", CallKruskal, PrimScan::kPortable);
  for (PrimScan scan : options.kruskalOnly ? std::vector<PrimScan>{} : AllPrimScans()) {
    const bool named = options.scans.empty() ||
                       std::find(options.scans.begin(), options.scans.end(), PrimScanName(scan)) != options.scans.end();
    if (named && PrimScanRuns(scan) && nON <= PrimScanMaxNodes(scan)) add(PrimScanName(scan), CallPrimScan, scan);
  }
  const double budget = options.quick ? 0.3 : 2.0;
  double slowest = 0;
  for (Timed& t : timed) {
    const double first = Run(t, 1, nOE, nON);
    slowest = std::max(slowest, first > budget ? first : Run(t, 3, nOE, nON) / 3);
  }
  const long long calls = std::max(1LL, std::min(20000LL, static_cast<long long>(budget / slowest)));
  for (int rep = 0; rep < options.repetitions; ++rep) {
    for (Timed& t : timed) t.seconds.push_back(Run(t, calls, nOE, nON));
  }
  return calls;
}

// Kruskal alone: the ratio to the plain reading, and the cost per comparison and per record move
// of its sort (counted by the observed routine; the plain reading makes the same ones).
void PrintKruskalRow(const Measured& network, const std::vector<Timed>& timed, long long calls) {
  const int nOE = static_cast<int>(network.edges.size());
  std::vector<Edges> list = network.edges;
  std::vector<Edges> tree(static_cast<std::size_t>(network.nodes));
  KruskalObservation seen;
  ObserveReportedKruskal(list.data(), tree.data(), nOE, network.nodes, seen);
  const double plain = Median(timed[0].seconds) / static_cast<double>(calls) * 1e9;
  const double mine = Median(timed[1].seconds) / static_cast<double>(calls) * 1e9;
  const auto per = [](double ns, std::int64_t count) { return count > 0 ? ns / static_cast<double>(count) : 0.0; };
  std::printf("%-22s %7d %8d %6lld %7.2fx   %.2f / %.2f, %.2f / %.2f\n", network.name.c_str(), network.nodes, nOE,
              calls, Sum(timed[1].seconds) / Sum(timed[0].seconds), per(mine, seen.counts.comparisons),
              per(mine, seen.counts.recordMoves), per(plain, seen.counts.comparisons),
              per(plain, seen.counts.recordMoves));
}

// Both routines beside their plain readings, then each scan's cost per edge visit and per call.
void PrintRow(const Measured& network, const std::vector<Timed>& timed, long long calls) {
  const int nOE = static_cast<int>(network.edges.size());
  const int nON = network.nodes;
  std::printf("%-22s %6d %6d %6lld %6.2fx %-18s %6.2fx  ", network.name.c_str(), nON, nOE, calls,
              Sum(timed[1].seconds) / Sum(timed[0].seconds), PrimScanName(ChoosePrimScan(nON, nOE)),
              Sum(timed[3].seconds) / Sum(timed[2].seconds));
  const double visits = static_cast<double>(nON - 1) * nOE;
  for (std::size_t k = 4; k < timed.size(); ++k) {
    const double perCall = Median(timed[k].seconds) / static_cast<double>(calls);
    std::printf(" %s %.3f/%.2f", timed[k].name.c_str(), perCall * 1e9 / visits, perCall * 1e6);
  }
  const double plainPerCall = Median(timed[0].seconds) / static_cast<double>(calls);
  std::printf(" plain %.3f/%.2f\n", plainPerCall * 1e9 / visits, plainPerCall * 1e6);
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  CommandLine line("mst-versus-plain", kUsage);
  line.Flag("--quick", options.quick);
  line.Flag("--large", options.large);
  line.Flag("--kruskal", options.kruskalOnly);
  line.Exclusive("--quick", "--large");
  line.Exclusive("--quick", "--kruskal");
  line.Exclusive("--large", "--kruskal");
  line.List("--scans", options.scans, 1, 64, "scan names split at commas");
  line.Whole("--repetitions", options.repetitions, 1, 1000);
  line.Whole("--up-to", options.upTo, 2, 1 << 30);
  line.Files(options.files);
  if (const int ended = line.Parse(argc, argv); ended >= 0) return ended;
  std::vector<Measured> networks;
  if (!Networks(options, networks)) return kExitUnusableInput;
  if (options.kruskalOnly) {
    std::printf("%-22s %7s %8s %6s %8s   ns per comparison / per record move: KRUSKAL, plain (median)\n", "network",
                "nodes", "edges", "calls", "KRUSKAL");
  } else {
    std::printf("%-22s %6s %6s %6s %7s %-18s", "network", "nodes", "edges", "calls", "PRIM", "scan");
    std::printf(" %7s   per scan: ns per edge visit / microseconds per call (median)\n", "KRUSKAL");
  }
  for (const Measured& network : networks) {
    std::vector<Timed> timed;
    const long long calls = Measure(options, network, timed);
    if (options.kruskalOnly) {
      PrintKruskalRow(network, timed, calls);
    } else {
      PrintRow(network, timed, calls);
    }
    std::fflush(stdout);
  }
  return 0;
}
