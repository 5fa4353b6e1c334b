#include "mst/prim.h"

#include <cstdlib>

#include "mst/joining_node.h"
#include "mst/out_of_memory.h"
#include "mst/scan_layout.h"

void Prim(const Edges* in, Edges* out, int nOE, int nON) {
  PrimWithScan(ChooseVectorScan(nON, nOE), in, out, nOE, nON);
}

void PrimWithScan(VectorScan scan, const Edges* in, Edges* out, int nOE, int nON) {
  if (nON < 1) {
    return;  // no node to grow from
  }
  // used[k] is 1 when node k is in the tree, else 0.
  int* used = static_cast<int*>(std::calloc(static_cast<std::size_t>(nON), sizeof(int)));
  if (used == nullptr) {
    OutOfMemory("PRIM");
  }
  used[0] = 1;
  // The vector scans work on a copy of the edge list laid out for them, made in this call and
  // kept in step with used. Without a vector scan, or without the copy's memory, the portable
  // scan reads the edge list itself; the tree is the same either way.
  ScanLayout layout{};
  if (scan != VectorScan::kNone && MakeScanLayout(in, nOE, nON, layout)) {
    AddToTree(layout, 0);
    GrowTreeVector(scan, in, out, nON, used, layout);
    FreeScanLayout(layout);
  } else {
    for (int counter = 0; counter < nON - 1; ++counter) {
      const int minEdge = CheapestCrossingEdge(in, nOE, used);
      if (minEdge < 0) {
        break;  // no edge leaves the tree: the network is not connected
      }
      used[JoiningNode(in[minEdge], used)] = 1;
      out[counter].set(in[minEdge].node1, in[minEdge].node2, in[minEdge].measure);
    }
  }
  std::free(used);
}
