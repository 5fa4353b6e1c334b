#pragma once

#include <cstdint>
#include <vector>

#include "graph/edges.h"
#include "mst/observer.h"

namespace mst {

// The routines watched at work: the same step loop, scans, sort and Kruskal's steps that
// mst-bench times (mst/observer.h), made with an observer that counts and records. For the
// companions (traces, studies, the race); mst-bench does not link this library.

// What one call did, counted.
struct OperationCounts {
  // Prim
  std::int64_t primScans = 0;       // scans of the whole list: one per step (N - 1 when connected)
  std::int64_t primEdgeVisits = 0;  // edges those scans visited: scans x edges
  // Kruskal: its merge sort, then its loop over the sorted list
  std::int64_t comparisons = 0;         // measures compared
  std::int64_t recordMoves = 0;         // records copied into scratch arrays and back
  std::int64_t scratchAllocations = 0;  // one per merge: edges - 1
  std::int64_t scratchBytes = 0;        // their sizes together
  std::int64_t edgesExamined = 0;       // sorted edges the loop looked at before it stopped
  std::int64_t relabelScans = 0;        // joins of two components, each a scan of all N labels
  std::int64_t labelWrites = 0;         // labels those scans changed
};

// One step of Prim's routine: the edge it took (its index in the list, which Prim reads in
// file order) and the node that joined; edge -1 when no edge crossed and the routine stopped.
struct PrimStepSeen {
  int edge;
  int joining;
};

// One edge Kruskal's loop examined: its position in the sorted list, what the routine did,
// and the labels (see KruskalMeets in mst/observer.h).
struct KruskalStepSeen {
  int position;
  KruskalDecision decision;
  int add;
  int absorbed;
};

struct PrimObservation {
  OperationCounts counts;
  std::vector<PrimStepSeen> steps;
};

struct KruskalObservation {
  OperationCounts counts;
  std::vector<KruskalStepSeen> steps;
};

// One call of Prim's routine, with the scan Prim chooses for this processor and size, watched.
// Writes out as Prim does. Cost: a Prim call plus one copy of the list into the scan's layout
// per step.
void ObservePrim(const Edges* in, Edges* out, int nOE, int nON, PrimObservation& seen);

// The call of Kruskal's routine whose tree mst-bench reports (ReportedKruskal): list in file
// order, as the timed run begins; the calls before it run unwatched. Leaves list sorted and out
// as they do. Its counts are those of every call after the first, which all sort the list their
// predecessor left.
void ObserveReportedKruskal(Edges* list, Edges* out, int nOE, int nON, KruskalObservation& seen);

// Both trees mst-bench reports for a network (in, nOE rows in file order, nON nodes), each
// record tied to the file row it came from, with the steps that made them: Prim's call on the
// list in file order, and the reported Kruskal call. A record of Kruskal's sorted list stands
// for the first file row with the same three values not yet taken: identical rows cannot be
// told apart, and the reported call meets equal measures in file order. Prim's steps name
// their rows themselves. Cost: a Prim call (observed), two Kruskal calls and an ordered map of
// the rows.
struct ReportedTrees {
  PrimObservation prim;
  KruskalObservation kruskal;
  std::vector<int> kruskalOrder;  // file rows in the order of the reported call's sorted list
  std::vector<int> primRows;      // file row of each of Prim's tree records, in its order
  std::vector<int> kruskalRows;   // likewise for Kruskal's tree
};
[[nodiscard]] ReportedTrees ObserveReportedTrees(const Edges* in, int nOE, int nON);

}  // namespace mst
