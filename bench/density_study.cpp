// mst-density: the time per call of the four routines (mst-bench's two, two from Boost.Graph
// when built with it) and what one call of each does, on networks of 64, 256 and 1024 nodes
// from a little above a tree to the complete graph, in every family mst-netgen makes. Writes
// CSV to standard output:
//   family,nodes,edges,routine,microseconds_per_call,min_microseconds,max_microseconds,
//   repetitions,edge_visits,comparisons,record_moves,scratch_allocations,scratch_bytes,
//   label_writes,edges_relaxed
// microseconds_per_call is the median of the repetitions, min and max their spread. A count a
// routine does not have (or that cannot be observed) is left empty. Progress goes to standard
// error.
// Network files given after the options (in any format mst-import reads) are raced after the
// families with the same plan, as family "real:<file name without folder and extension>".
// usage: mst-density [--quick] [NETWORK_FILE...]   (3 node counts x 8 densities, 7
//   repetitions of about 25 ms; --quick: 2 node counts x 4 densities, 3 of about 5 ms)
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "bench/study_networks.h"
#include "timing/routine_timing.h"
#include "tools/command_line.h"
#include "tools/network_input.h"

using namespace mst;

namespace {

const char* const kUsage =
    "Usage: mst-density [--quick] [NETWORK_FILE...]\n"
    "Times and counts the routines on every family and density, then on each network file\n"
    "(family real:NAME); CSV on standard output.\n"
    "  --quick    2 node counts x 4 densities, 3 repetitions of about 5 ms\n"
    "  --help     show this text\n"
    "  --version  show the program's version\n";

}  // namespace

int main(int argc, char** argv) {
  bool quick = false;
  CommandLine line("mst-density", kUsage);
  line.Flag("--quick", quick);
  std::vector<std::string> files;
  line.Files(files);
  if (const int ended = line.Parse(argc, argv); ended >= 0) return ended;
  const std::vector<int> sizes = quick ? std::vector<int>{64, 256} : std::vector<int>{64, 256, 1024};
  const int densities = quick ? 4 : 8;
  TimingPlan plan;
  plan.repetitions = quick ? 3 : 7;
  plan.targetSeconds = quick ? 0.005 : 0.025;

  // The real networks are read first: a file that cannot be used stops the study before it starts.
  std::vector<std::pair<std::string, Network>> real;
  for (const std::string& file : files) {
    ImportedNetwork imported;
    std::string title;
    if (const int ended = ReadNetworkArgument("mst-density", file, {}, imported, title); ended >= 0) return ended;
    Network& network = imported.network;
    std::string name = file.substr(file.find_last_of("/\\") == std::string::npos ? 0 : file.find_last_of("/\\") + 1);
    name = name.substr(0, name.find('.'));
    real.emplace_back("real:" + name, std::move(network));
  }
  std::printf("family,nodes,edges,routine,microseconds_per_call,min_microseconds,max_microseconds,repetitions,%s\n",
              kCountColumns);
  const auto race = [&plan](const char* family, const std::vector<Edges>& edges, int nodes) {
    const std::vector<RoutineTiming> timings = TimeRoutines(edges, nodes, plan);
    const RoutineCounts counts = CountOperations(edges, nodes);
    for (const RoutineTiming& t : timings) {
      std::printf("%s,%d,%d,%s,%.4f,%.4f,%.4f,%d,%s\n", family, nodes, static_cast<int>(edges.size()),
                  t.routine.c_str(), t.median, t.min, t.max, t.repetitions, CountValues(t.routine, counts).c_str());
    }
    std::fflush(stdout);
    std::fprintf(stderr, ".");
  };
  for (const int nodes : sizes) {
    for (const StudyNetwork& network : DensityNetworks(nodes, densities)) race(network.family, network.edges, nodes);
  }
  for (const auto& [family, network] : real) race(family.c_str(), network.edges, network.nON);
  std::fprintf(stderr, "\n");
  return 0;
}
