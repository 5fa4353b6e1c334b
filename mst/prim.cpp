#include "mst/prim.h"

#include <cstdint>
#include <cstdlib>

#include "mst/crossing_edge_scan.h"
#include "mst/out_of_memory.h"

void Prim(const Edges* in, Edges* out, int nOE, int nON) {
  if (nON < 1) {
    return;  // no node to grow from
  }
  // used[k] is 1 when node k is in the tree, else 0.
  int* used = static_cast<int*>(std::calloc(static_cast<std::size_t>(nON), sizeof(int)));
  if (used == nullptr) {
    OutOfMemory("PRIM");
  }
  // The same membership packed into bits, for the vector scan on networks it can hold.
  std::uint32_t usedBits[kVectorScanMaxNodes / 32] = {};
  const bool vectorScan = nON <= kVectorScanMaxNodes && VectorScanAvailable();
  used[0] = 1;
  usedBits[0] = 1;
  for (int counter = 0; counter < nON - 1; ++counter) {
    const int minEdge = vectorScan ? CheapestCrossingEdgeVector(in, nOE, used, usedBits)
                                   : CheapestCrossingEdge(in, nOE, used);
    if (minEdge < 0) {
      break;  // no edge leaves the tree: the network is not connected
    }
    const Edges& chosen = in[minEdge];
    // The end outside the tree joins it.
    const int joining = used[chosen.node2] > 0 ? chosen.node1 : chosen.node2;
    used[joining] = 1;
    if (vectorScan) {
      usedBits[joining / 32] |= std::uint32_t{1} << (joining % 32);
    }
    out[counter].set(chosen.node1, chosen.node2, chosen.measure);
  }
  std::free(used);
}
