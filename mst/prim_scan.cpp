#include "mst/prim_scan.h"

#include "mst/detail/scan_table.h"
#include "mst/detail/x86_target.h"

namespace mst {

namespace {

bool Provides(InstructionSets sets, InstructionSets needs) {
  return (sets.avx2 || !needs.avx2) && (sets.avx512f || !needs.avx512f);
}

}  // namespace

InstructionSets ThisProcessor() {
  // Asked once: Prim chooses a scan at every call, and on the smallest networks a call takes
  // about a tenth of a microsecond.
  static const InstructionSets sets = [] {
    InstructionSets found;
#ifdef MST_X86_SCANS
    found.avx2 = __builtin_cpu_supports("avx2") != 0;
    found.avx512f = __builtin_cpu_supports("avx512f") != 0;
#endif
    return found;
  }();
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

const ScanKernel& ChooseKernel(int nON, int nOE, InstructionSets sets) {
  int count = 0;
  const ScanKernel* kernels = ScanKernels(count);
  for (int k = 0; k < count - 1; ++k) {
    const ScanKernel& kernel = kernels[k];
    if (Provides(sets, kernel.needs) && nON <= kernel.maxNodes && nON >= kernel.minNodes && nOE >= kernel.minEdges) {
      return kernel;
    }
  }
  return kernels[count - 1];  // the portable scan, for any size
}

PrimScan ChoosePrimScanFor(int nON, int nOE, InstructionSets sets) { return ChooseKernel(nON, nOE, sets).scan; }

PrimScan ChoosePrimScan(int nON, int nOE) { return ChoosePrimScanFor(nON, nOE, ThisProcessor()); }

}  // namespace mst
