#include "mst/prim.h"

#include <cstdlib>

#include "mst/detail/scan_table.h"
#include "mst/out_of_memory.h"

namespace mst {

namespace {

void GrowWithKernel(const ScanKernel& kernel, const Edges* in, Edges* out, int nOE, int nON) {
  if (nON < 1) {
    return;  // no node to grow from
  }
  // used[k] is 1 when node k is in the tree, else 0. Every scan keeps it up to date; the
  // joining node is read from it. Small networks keep it on the stack: on the smallest, an
  // allocation per call costs as much as the scans.
  constexpr int kLocalNodes = 64;
  int local[kLocalNodes] = {};
  int* used = local;
  if (nON > kLocalNodes) {
    used = static_cast<int*>(std::calloc(static_cast<std::size_t>(nON), sizeof(int)));
    if (used == nullptr) {
      OutOfMemory("PRIM");
    }
  }
  used[0] = 1;
  kernel.grow(in, out, nOE, nON, used);
  if (used != local) std::free(used);
}

}  // namespace

void Prim(const Edges* in, Edges* out, int nOE, int nON) {
  // The scan depends on the sizes and the processor alone: the calls of a timed run, all on one
  // network, choose it once (per thread), which on the smallest networks saves a tenth of a call.
  static thread_local int lastNodes = -1;
  static thread_local int lastEdges = -1;
  static thread_local const ScanKernel* lastKernel = nullptr;
  if (nON != lastNodes || nOE != lastEdges || lastKernel == nullptr) {
    lastKernel = &ChooseKernel(nON, nOE, ThisProcessor());
    lastNodes = nON;
    lastEdges = nOE;
  }
  GrowWithKernel(*lastKernel, in, out, nOE, nON);
}

void PrimWithScan(PrimScan scan, const Edges* in, Edges* out, int nOE, int nON) {
  GrowWithKernel(KernelOf(scan), in, out, nOE, nON);
}

}  // namespace mst
