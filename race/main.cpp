// mst-race: times the four routines on one network file and says which is fastest there.
// See Usage().
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "race/race_report.h"
#include "timing/routine_timing.h"
#include "tools/command_line.h"
#include "tools/exit_status.h"
#include "tools/network_input.h"
#include "tools/output_file.h"

using namespace mst;

namespace {

std::string Usage() {
  return "Usage: mst-race [--repetitions N] [IMPORT OPTIONS] [--] NETWORK_FILE\n"
         "Times Prim's and Kruskal's routines as mst-bench runs them, and Boost.Graph's Prim and\n"
         "Kruskal, on the network in NETWORK_FILE (mst-bench's network file format or any format\n"
         "mst-import reads; - reads standard input, ./- a file named -). Prints per routine the\n"
         "time per call (median, min and max of 7 repetitions, or N, of calibrated batches of about 25\n"
         "ms), how many times the fastest's it takes and what one call does; then which routine is\n"
         "fastest here, or no verdict where a routine's times spread wider than twice their least\n"
         "(a busy machine's mark).\n"
         "Boost.Graph's Prim takes no negative measures: the race adds one constant to every measure\n"
         "for it, which changes no spanning tree's rank, and says so.\n"
         "\n"
         "Options:\n" +
         OptionHelp("--repetitions N",
                    "time N repetitions (3 to 1001; default 7): a steadier verdict on a busy machine") +
         CompanionOptionsHelp() +
         "\n"
         "Exit status: 0 the race was run; 1 the file could not be read or used, or standard\n"
         "output could not be written; 2 bad usage.\n"
         "\n"
         "Example: mst-race matrix1.txt\n";
}

}  // namespace

int main(int argc, char** argv) {
  std::string file;
  ImportOptions options;
  CommandLine line("mst-race", Usage());
  long long repetitions = 7;
  line.Whole("--repetitions", repetitions, 3, 1001);
  AddImportOptions(line, options);
  line.Network(file);
  if (const int ended = line.Parse(argc, argv); ended >= 0) return ended;
  ImportedNetwork imported;
  std::string title;
  if (const int ended = ReadNetworkArgument("mst-race", file, options, imported, title); ended >= 0) return ended;
  const Network& network = imported.network;
  const int nON = network.nON;
  TimingPlan plan;
  plan.repetitions = static_cast<int>(repetitions);
  const double expected = ExpectedSeconds(network.edges, nON, plan);
  if (expected > 10) {
    std::fprintf(stderr, "mst-race: this race will take about %.0f seconds\n", expected);
  }
  const std::vector<RoutineTiming> timings = TimeRoutines(network.edges, nON, plan);
  const RoutineCounts counts = CountOperations(network.edges, nON);

  std::int64_t shift = 0;
  const std::vector<std::string> built = TimedRoutines();
  const bool library = std::find(built.begin(), built.end(), "library-prim") != built.end();
  const bool shiftable = library && LibraryPrimShift(network.edges, shift);
  const auto write = [&](std::FILE* out) {
    const int edges = static_cast<int>(network.edges.size());
    std::fprintf(out, "%s: %d nodes, %d %s; microseconds per call, median of %d repetitions (min to max)\n\n",
                 title.c_str(), nON, edges, edges == 1 ? "edge" : "edges", plan.repetitions);
    std::fputs(RaceTable(timings, counts).c_str(), out);
    std::fputs(LibraryNote(library, shiftable, shift).c_str(), out);
    std::fprintf(out, "\n%s", Verdict(timings).c_str());
  };
  return WriteOutput("mst-race", "", write) ? kExitDone : kExitUnusableInput;
}
