#include "mst/prim_scan.h"

#include "mst/detail/scan_table.h"
#include "mst/detail/x86_target.h"

namespace {

bool Provides(InstructionSets sets, InstructionSets needs) {
  return (sets.avx2 || !needs.avx2) && (sets.avx512f || !needs.avx512f);
}

}  // namespace

InstructionSets ThisProcessor() {
  InstructionSets sets;
#ifdef MST_X86_SCANS
  sets.avx2 = __builtin_cpu_supports("avx2") != 0;
  sets.avx512f = __builtin_cpu_supports("avx512f") != 0;
#endif
  return sets;
}

std::vector<PrimScan> AllPrimScans() {
  int count = 0;
  const ScanKernel* kernels = ScanKernels(count);
  std::vector<PrimScan> scans;
  for (int k = 0; k < count; ++k) {
    scans.push_back(kernels[k].scan);
  }
  return scans;
}

const char* PrimScanName(PrimScan scan) { return KernelOf(scan).name; }

int PrimScanMaxNodes(PrimScan scan) { return KernelOf(scan).maxNodes; }

bool PrimScanRuns(PrimScan scan) {
  const ScanKernel& kernel = KernelOf(scan);
  return kernel.scan == scan && Provides(ThisProcessor(), kernel.needs);
}

PrimScan ChoosePrimScanFor(int nON, int nOE, InstructionSets sets) {
  int count = 0;
  const ScanKernel* kernels = ScanKernels(count);
  for (int k = 0; k < count; ++k) {
    const ScanKernel& kernel = kernels[k];
    if (Provides(sets, kernel.needs) && nON <= kernel.maxNodes && nON >= kernel.minNodes && nOE >= kernel.minEdges) {
      return kernel.scan;
    }
  }
  return PrimScan::kPortable;
}

PrimScan ChoosePrimScan(int nON, int nOE) { return ChoosePrimScanFor(nON, nOE, ThisProcessor()); }
