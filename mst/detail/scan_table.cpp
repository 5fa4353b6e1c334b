#include "mst/detail/scan_table.h"

#include <climits>

#include "mst/detail/scan_kernels.h"

namespace mst {

namespace {

constexpr InstructionSets kPlain{};
#ifdef MST_X86_SCANS
constexpr InstructionSets kAvx2{true, false};
constexpr InstructionSets kAvx512{false, true};
#endif

// minNodes and minEdges, measured side by side with mst-versus-plain (see docs/performance.md):
// a vector step costs a few tens of nanoseconds however short the list (the lanes' reduction,
// then the joining node's round trip), which short lists do not repay, so up to 64 nodes the
// lists too short for them take the plain C++ Pairs64; below 32 edges the portable scan,
// whose branches the predictor learns across a run's identical calls and which copies
// nothing, as the plain reading does (on an AMD Zen 5, at 16 and 24 edges: 0.08 and 0.19
// microseconds per call against Pairs64's 0.10 and 0.21); the portable scan reads `used` at
// each edge, cheaper than flipping marks until `used` outgrows the first-level cache.
const ScanKernel kKernels[] = {
#ifdef MST_X86_SCANS
    {PrimScan::kAvx512Pairs64, "avx512-pairs64", kAvx512, 64, 0, 32, ScanOnceAvx512Pairs64, GrowAvx512Pairs64},
    {PrimScan::kAvx512Marks16, "avx512-marks16", kAvx512, 65536, 0, 48, ScanOnceAvx512Marks16, GrowAvx512Marks16},
    {PrimScan::kAvx512Marks, "avx512-marks", kAvx512, INT_MAX, 0, 48, ScanOnceAvx512Marks, GrowAvx512Marks},
    {PrimScan::kAvx2Marks16, "avx2-marks16", kAvx2, 65536, 0, 48, ScanOnceAvx2Marks16, GrowAvx2Marks16},
    {PrimScan::kAvx2Marks, "avx2-marks", kAvx2, INT_MAX, 0, 48, ScanOnceAvx2Marks, GrowAvx2Marks},
#endif
    {PrimScan::kPortablePairs64, "portable-pairs64", kPlain, 64, 0, 32, ScanOncePortablePairs64, GrowPortablePairs64},
    {PrimScan::kPortableMarks, "portable-marks", kPlain, INT_MAX, 16384, 48, ScanOncePortableMarks, GrowPortableMarks},
    {PrimScan::kPortable, "portable", kPlain, INT_MAX, 0, 0, ScanOncePortable, GrowPortable},
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

}  // namespace mst
