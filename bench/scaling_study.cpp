// mst-scaling: the time per call of mst-bench's two routines and of Boost.Graph's Prim and
// Kruskal (when built with Boost) on generated networks from 8 to 65536 nodes, at 3 and at 10
// edges per node. Writes CSV to standard output:
//   nodes,edges,routine,microseconds_per_call,min_microseconds,max_microseconds,repetitions,
//   then what one call of each does (kCountColumns in timing/routine_timing.h)
// microseconds_per_call is the median of the repetitions, min and max their spread. Progress
// goes to standard error.
// usage: mst-scaling [--quick]   (27 sizes, 11 repetitions of at least about 25 ms per routine
//                                  and size, one call each past that: Prim on 65536 nodes and
//                                  655360 edges takes seconds a call; --quick: 6 sizes, 3
//                                  repetitions of about 5 ms)
#include <cstdio>
#include <vector>

#include "netgen/network_generator.h"
#include "timing/routine_timing.h"
#include "tools/command_line.h"

using namespace mst;

namespace {

const char* const kUsage =
    "Usage: mst-scaling [--quick]\n"
    "Times the routines on generated networks from 8 to 65536 nodes; CSV on standard output.\n"
    "  --quick    6 sizes, 3 repetitions of about 5 ms\n"
    "  --help     show this text\n"
    "  --version  show the program's version\n";

}  // namespace

int main(int argc, char** argv) {
  bool quick = false;
  CommandLine line("mst-scaling", kUsage);
  line.Flag("--quick", quick);
  if (const int ended = line.Parse(argc, argv); ended >= 0) return ended;
  const std::vector<int> sizes =
      quick ? std::vector<int>{8, 32, 128, 512, 2048, 4096}
            : std::vector<int>{8,    12,   16,   24,   32,   48,   64,   96,    128,   192,   256,   384,   512,  768,
                               1024, 1536, 2048, 3072, 4096, 6144, 8192, 12288, 16384, 24576, 32768, 49152, 65536};
  TimingPlan plan;
  plan.repetitions = quick ? 3 : 11;
  plan.targetSeconds = quick ? 0.005 : 0.025;
  if (TimedRoutines().size() < 4) {
    std::fprintf(stderr,
                 "mst-scaling: built without Boost.Graph, so the library routines are skipped "
                 "(Debian: apt-get install libboost-graph-dev, then rebuild)\n");
  }

  std::printf("nodes,edges,routine,microseconds_per_call,min_microseconds,max_microseconds,repetitions,%s\n",
              kCountColumns);
  for (const int perNode : {3, 10}) {
    for (const int nodes : sizes) {
      NetworkRequest request;
      request.nodes = nodes;
      request.edges = perNode * nodes;
      request.seed = static_cast<std::uint64_t>(nodes * 100 + perNode);
      const std::vector<Edges> network = Generate(request).edges;
      const RoutineCounts counts = CountOperations(network, nodes);
      for (const RoutineTiming& t : TimeRoutines(network, nodes, plan)) {
        std::printf("%d,%d,%s,%.4f,%.4f,%.4f,%d,%s\n", nodes, request.edges, t.routine.c_str(), t.median, t.min, t.max,
                    t.repetitions, CountValues(t.routine, counts).c_str());
      }
      std::fflush(stdout);
      std::fprintf(stderr, ".");
    }
  }
  std::fprintf(stderr, "\n");
  return 0;
}
