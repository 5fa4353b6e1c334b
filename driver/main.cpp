// mst-bench: times Prim's and Kruskal's minimum spanning tree routines on the networks in
// matrix1.txt, matrix2.txt and matrix3.txt of the working directory, and prints each routine's
// tree with its total measure and the time of its runs.
#include <cstdlib>

#include "driver/long_run_notice.h"
#include "driver/network_file.h"
#include "driver/report_output.h"
#include "driver/timed_run.h"
#include "driver/timing_line.h"
#include "driver/tree_report.h"
#include "mst/kruskal.h"
#include "mst/prim.h"
#include "platform/console_hold.h"

using namespace mst;

int main() {
  for (int i = 0; i < 3; ++i) {
    Edges* edges = nullptr;
    Edges* minSpanningTree = nullptr;
    int numOfEdges = 0;
    int numOfNodes = 0;
    // Loading is not timed; a bad or missing file ends the process in here.
    ReadFromFile(&edges, &minSpanningTree, numOfEdges, numOfNodes, i);

    // Prim runs first, on the edge list in file order.
    AnnounceLongRun(Prim, "PRIM", i + 1, edges, minSpanningTree, numOfEdges, numOfNodes);
    const int primMs = TimeRuns(Prim, edges, minSpanningTree, numOfEdges, numOfNodes);
    PrintEdge(minSpanningTree, numOfNodes - 1);
    DeliverReport();
    PrintTimingLine("PRIM", i + 1, primMs);
    DeliverReport();

    // Kruskal sorts the same list in place and overwrites the tree Prim left.
    AnnounceLongRun(Kruskal, "KRUSKAL", i + 1, edges, minSpanningTree, numOfEdges, numOfNodes);
    const int kruskalMs = TimeRuns(Kruskal, edges, minSpanningTree, numOfEdges, numOfNodes);
    PrintEdge(minSpanningTree, numOfNodes - 1);
    DeliverReport();
    PrintTimingLine("KRUSKAL", i + 1, kruskalMs);
    DeliverReport();

    std::free(edges);
    std::free(minSpanningTree);
  }
  HoldConsole();
  return 0;
}
