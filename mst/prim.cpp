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
  // joining node is read from it.
  int* used = static_cast<int*>(std::calloc(static_cast<std::size_t>(nON), sizeof(int)));
  if (used == nullptr) {
    OutOfMemory("PRIM");
  }
  used[0] = 1;
  kernel.grow(in, out, nOE, nON, used);
  std::free(used);
}

}  // namespace

void Prim(const Edges* in, Edges* out, int nOE, int nON) {
  GrowWithKernel(ChooseKernel(nON, nOE, ThisProcessor()), in, out, nOE, nON);
}

void PrimWithScan(PrimScan scan, const Edges* in, Edges* out, int nOE, int nON) {
  GrowWithKernel(KernelOf(scan), in, out, nOE, nON);
}

}  // namespace mst
