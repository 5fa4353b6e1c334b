#include "mst/detail/scan_table.h"

#include <climits>

#include "mst/detail/scan_kernels.h"

namespace {

constexpr InstructionSets kPlain{};
#ifdef MST_X86_SCANS
constexpr InstructionSets kAvx2{true, false};
constexpr InstructionSets kAvx512{false, true};
#endif

// minEdges, measured side by side with mst-versus-plain (see docs/performance.md): a vector
// step costs a few tens of nanoseconds however short the list (the lanes' reduction, then the
// joining node's round trip), which short lists do not repay.
const ScanKernel kKernels[] = {
#ifdef MST_X86_SCANS
    {PrimScan::kAvx512Pairs64, "avx512-pairs64", kAvx512, 64, 32, ScanOnceAvx512Pairs64, GrowAvx512Pairs64},
    {PrimScan::kAvx512Table512, "avx512-table512", kAvx512, 512, 48, ScanOnceAvx512Table<1>, GrowAvx512Table<1>},
    {PrimScan::kAvx512Table1024, "avx512-table1024", kAvx512, 1024, 48, ScanOnceAvx512Table<2>, GrowAvx512Table<2>},
    {PrimScan::kAvx512Table2048, "avx512-table2048", kAvx512, 2048, 48, ScanOnceAvx512Table<4>, GrowAvx512Table<4>},
    {PrimScan::kAvx512Table4096, "avx512-table4096", kAvx512, 4096, 48, ScanOnceAvx512Table<8>, GrowAvx512Table<8>},
    {PrimScan::kAvx512Gather, "avx512-gather", kAvx512, INT_MAX, 48, ScanOnceAvx512Table<0>, GrowAvx512Table<0>},
    {PrimScan::kAvx2Table256, "avx2-table256", kAvx2, 256, 48, ScanOnceAvx2Table256, GrowAvx2Table256},
    {PrimScan::kAvx2Gather, "avx2-gather", kAvx2, INT_MAX, 48, ScanOnceAvx2Gather, GrowAvx2Gather},
#endif
    {PrimScan::kPortablePairs64, "portable-pairs64", kPlain, 64, 48, ScanOncePortablePairs64, GrowPortablePairs64},
    {PrimScan::kPortable, "portable", kPlain, INT_MAX, 0, ScanOncePortable, GrowPortable},
};

constexpr int kKernelCount = static_cast<int>(sizeof kKernels / sizeof kKernels[0]);

}  // namespace

const ScanKernel* ScanKernels(int& count) {
  count = kKernelCount;
  return kKernels;
}

const ScanKernel& KernelOf(PrimScan scan) {
  for (const ScanKernel& kernel : kKernels) {
    if (kernel.scan == scan) {
      return kernel;
    }
  }
  return kKernels[kKernelCount - 1];
}
