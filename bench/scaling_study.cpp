// mst-scaling: the time per call of the two prescribed routines and of Boost.Graph's Prim and
// Kruskal (when built with Boost) on generated networks from 8 to 4096 nodes, at 3 and at 10
// edges per node. Writes CSV to standard output:
//   nodes,edges,routine,microseconds_per_call,min_microseconds,max_microseconds,repetitions
// microseconds_per_call is the median of the repetitions, min and max their spread. Progress
// goes to standard error.
// usage: mst-scaling [--quick]   (19 sizes, 11 repetitions of about 25 ms per routine and size;
//                                  --quick: 6 sizes, 3 repetitions of about 5 ms)
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "mst/kruskal.h"
#include "mst/prim.h"
#include "netgen/network_generator.h"
#ifdef MST_HAVE_BOOST
#include "bench/library_routines.h"
#endif

namespace {

using Clock = std::chrono::steady_clock;

struct Timed {
  const char* routine;
  std::function<void()> call;  // one call, on state set up outside the timing
  long long callsPerRepetition = 1;
  std::vector<double> microseconds;  // per call, one entry per repetition
};

double SecondsFor(const std::function<void()>& call, long long calls) {
  const Clock::time_point start = Clock::now();
  for (long long k = 0; k < calls; ++k) call();
  return std::chrono::duration<double>(Clock::now() - start).count();
}

}  // namespace

int main(int argc, char** argv) {
  const bool quick = argc == 2 && std::strcmp(argv[1], "--quick") == 0;
  if (argc > 2 || (argc == 2 && !quick)) {
    std::fprintf(stderr, "usage: mst-scaling [--quick]\n");
    return 2;
  }
  const std::vector<int> sizes =
      quick ? std::vector<int>{8, 32, 128, 512, 2048, 4096}
            : std::vector<int>{8,   12,  16,  24,  32,   48,   64,   96,   128,  192,
                               256, 384, 512, 768, 1024, 1536, 2048, 3072, 4096};
  const int repetitions = quick ? 3 : 11;
  const double target = quick ? 0.005 : 0.025;  // seconds per repetition of one routine
#ifndef MST_HAVE_BOOST
  std::fprintf(stderr, "mst-scaling: built without Boost.Graph, so the library routines are skipped "
                       "(Debian: apt-get install libboost-graph-dev, then rebuild)\n");
#endif

  std::printf("nodes,edges,routine,microseconds_per_call,min_microseconds,max_microseconds,repetitions\n");
  for (const int perNode : {3, 10}) {
    for (const int nodes : sizes) {
      NetworkRequest request;
      request.nodes = nodes;
      request.edges = perNode * nodes;
      request.seed = static_cast<std::uint64_t>(nodes * 100 + perNode);
      const std::vector<Edges> network = GenerateNetwork(request);
      const int nOE = request.edges;

      // Each routine's own copy of the list and its own tree list: Kruskal keeps sorting the
      // list its previous call left, as in the program's timed runs.
      std::vector<Edges> primList = network, kruskalList = network;
      std::vector<Edges> primTree(static_cast<std::size_t>(nodes)), kruskalTree(primTree);
      std::vector<Timed> timed;
      timed.push_back({"prim", [&] { Prim(primList.data(), primTree.data(), nOE, nodes); }, 1, {}});
      timed.push_back({"kruskal", [&] { Kruskal(kruskalList.data(), kruskalTree.data(), nOE, nodes); }, 1, {}});
#ifdef MST_HAVE_BOOST
      // The library's graph and output are built here, outside the timing.
      const LibraryGraph graph = MakeLibraryGraph(network.data(), nOE, nodes);
      std::vector<std::size_t> predecessors(static_cast<std::size_t>(nodes));
      std::vector<LibraryEdge> libraryTree;
      libraryTree.reserve(static_cast<std::size_t>(nodes));
      timed.push_back({"library-prim", [&] { LibraryPrim(graph, predecessors); }, 1, {}});
      timed.push_back({"library-kruskal", [&] { LibraryKruskal(graph, libraryTree); }, 1, {}});
#endif
      // Calibrate (which also warms up): double the calls until they last a tenth of target,
      // then scale to about target per repetition.
      for (Timed& t : timed) {
        long long calls = 1;
        double seconds = SecondsFor(t.call, calls);
        while (seconds < target / 10) {
          calls *= 2;
          seconds = SecondsFor(t.call, calls);
        }
        t.callsPerRepetition = std::max(1LL, static_cast<long long>(static_cast<double>(calls) * target / seconds));
      }
      // Repetitions interleave the routines, so that a noisy moment hits them all alike.
      for (int rep = 0; rep < repetitions; ++rep) {
        for (Timed& t : timed) {
          t.microseconds.push_back(SecondsFor(t.call, t.callsPerRepetition) * 1e6 /
                                   static_cast<double>(t.callsPerRepetition));
        }
      }
      for (Timed& t : timed) {
        std::sort(t.microseconds.begin(), t.microseconds.end());
        std::printf("%d,%d,%s,%.4f,%.4f,%.4f,%d\n", nodes, nOE, t.routine,
                    t.microseconds[t.microseconds.size() / 2], t.microseconds.front(), t.microseconds.back(),
                    repetitions);
      }
      std::fflush(stdout);
      std::fprintf(stderr, ".");
    }
  }
  std::fprintf(stderr, "\n");
  return 0;
}
