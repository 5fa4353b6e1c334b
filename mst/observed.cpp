#include "mst/observed.h"

#include <cstdlib>
#include <deque>
#include <map>
#include <tuple>

#include "mst/detail/grow_tree.h"
#include "mst/detail/kruskal_steps.h"
#include "mst/detail/merge_steps.h"
#include "mst/detail/scan_table.h"
#include "mst/kruskal.h"
#include "mst/out_of_memory.h"
#include "mst/prim_scan.h"
#include "mst/reported_runs.h"

namespace mst {

namespace {

// Counts and records what the routines tell it.
struct Recorder {
  const Edges* in;
  int nOE;
  int nON;
  OperationCounts* counts;
  std::vector<PrimStepSeen>* primSteps;
  std::vector<KruskalStepSeen>* kruskalSteps;

  void PrimStep(int minEdge, const int* used) {
    ++counts->primScans;
    counts->primEdgeVisits += nOE;
    primSteps->push_back({minEdge, minEdge < 0 ? -1 : JoiningNode(in[minEdge], used)});
  }
  void SortScratch(int records) {
    ++counts->scratchAllocations;
    counts->scratchBytes += static_cast<std::int64_t>(records) * static_cast<std::int64_t>(sizeof(Edges));
  }
  void SortCompare() { ++counts->comparisons; }
  void SortMove(int records) { counts->recordMoves += records; }
  void KruskalMeets(int i, KruskalDecision decision, int add, int absorbed, const int* used) {
    counts->edgesExamined = i + 1;
    if (decision == KruskalDecision::kMergesComponents) {
      ++counts->relabelScans;
      for (int k = 0; k < nON; ++k) {
        counts->labelWrites += used[k] == absorbed ? 1 : 0;
      }
    }
    kruskalSteps->push_back({i, decision, add, absorbed});
  }
};

// Each step scans with the kernel Prim chooses, from the tree used marks.
struct ChosenScanTree {
  const ScanKernel& kernel;
  const Edges* in;
  int nOE;
  int nON;
  const int* used;
  int CheapestCrossingEdge() const { return kernel.scanOnce(in, nOE, nON, used); }
  void Join(int, int) {}
};

}  // namespace

void ObservePrim(const Edges* in, Edges* out, int nOE, int nON, PrimObservation& seen) {
  seen = PrimObservation{};
  if (nON < 1) {
    return;
  }
  int* used = static_cast<int*>(std::calloc(static_cast<std::size_t>(nON), sizeof(int)));
  if (used == nullptr) {
    OutOfMemory("PRIM");
  }
  used[0] = 1;
  Recorder recorder{in, nOE, nON, &seen.counts, &seen.steps, nullptr};
  ChosenScanTree tree{KernelOf(ChoosePrimScan(nON, nOE)), in, nOE, nON, used};
  GrowTree(in, out, nON, used, tree, recorder);
  std::free(used);
}

ReportedTrees ObserveReportedTrees(const Edges* in, int nOE, int nON) {
  ReportedTrees trees;
  std::vector<Edges> list(in, in + nOE);
  std::vector<Edges> out(static_cast<std::size_t>(nON > 0 ? nON : 1));
  ObservePrim(in, out.data(), nOE, nON, trees.prim);
  for (const PrimStepSeen& step : trees.prim.steps) {
    if (step.edge >= 0) trees.primRows.push_back(step.edge);
  }
  ObserveReportedKruskal(list.data(), out.data(), nOE, nON, trees.kruskal);
  std::map<std::tuple<int, int, int>, std::deque<int>> rowsOf;  // values -> rows not yet taken
  for (int r = 0; r < nOE; ++r) rowsOf[{in[r].node1, in[r].node2, in[r].measure}].push_back(r);
  for (const Edges& e : list) {
    std::deque<int>& rows = rowsOf[{e.node1, e.node2, e.measure}];
    trees.kruskalOrder.push_back(rows.front());
    rows.pop_front();
  }
  for (const KruskalStepSeen& step : trees.kruskal.steps) {
    if (step.decision != KruskalDecision::kSameComponent && step.decision != KruskalDecision::kSelfLoop) {
      trees.kruskalRows.push_back(trees.kruskalOrder[static_cast<std::size_t>(step.position)]);
    }
  }
  return trees;
}

void ObserveReportedKruskal(Edges* list, Edges* out, int nOE, int nON, KruskalObservation& seen) {
  seen = KruskalObservation{};
  for (int call = 0; call < kKruskalCallsBeforeReported; ++call) {
    Kruskal(list, out, nOE, nON);
  }
  Recorder recorder{list, nOE, nON, &seen.counts, nullptr, &seen.steps};
  kruskal_steps::KruskalSteps(list, out, nOE, nON, recorder, [&recorder](int edges, Edges* records) {
    merge_steps::SortRange(0, edges - 1, records, recorder);
  });
}

}  // namespace mst
