#include "mst/crossing_edge_scan.h"

#include <climits>

#include "mst/vector_scan_kernels.h"

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#define MST_VECTOR_SCANS 1
#endif

int CheapestCrossingEdge(const Edges* in, int nOE, const int* used) {
  // The plain loop, branches and all: across the 20000 identical calls of a timed run the
  // branch predictor learns much of the pattern, and measured side by side this beat a
  // branch-free loop of conditional moves (0.7 ns per edge visit) on networks up to a few
  // hundred nodes.
  int minEdge = -1;
  int min = 0;
  for (int i = 0; i < nOE; ++i) {
    // Strictly less: among equals the first in the list stays.
    if (used[in[i].node1] + used[in[i].node2] == 1 && (minEdge < 0 || in[i].measure < min)) {
      min = in[i].measure;
      minEdge = i;
    }
  }
  return minEdge;
}

bool VectorScanRuns(VectorScan scan) {
#ifdef MST_VECTOR_SCANS
  switch (scan) {
    case VectorScan::kNone:
      return true;
    case VectorScan::kAvx2Table256:
    case VectorScan::kAvx2Gather:
      return __builtin_cpu_supports("avx2") != 0;
    case VectorScan::kAvx512Table512:
    case VectorScan::kAvx512Table1024:
    case VectorScan::kAvx512Gather:
      return __builtin_cpu_supports("avx512f") != 0;
  }
  return false;
#else
  return scan == VectorScan::kNone;
#endif
}

int VectorScanMaxNodes(VectorScan scan) {
  switch (scan) {
    case VectorScan::kAvx2Table256:
      return 256;
    case VectorScan::kAvx512Table512:
      return 512;
    case VectorScan::kAvx512Table1024:
      return 1024;
    case VectorScan::kNone:
    case VectorScan::kAvx2Gather:
    case VectorScan::kAvx512Gather:
      break;
  }
  return INT_MAX;
}

const char* VectorScanName(VectorScan scan) {
  switch (scan) {
    case VectorScan::kNone:
      return "portable";
    case VectorScan::kAvx2Table256:
      return "avx2-table256";
    case VectorScan::kAvx2Gather:
      return "avx2-gather";
    case VectorScan::kAvx512Table512:
      return "avx512-table512";
    case VectorScan::kAvx512Table1024:
      return "avx512-table1024";
    case VectorScan::kAvx512Gather:
      return "avx512-gather";
  }
  return "?";
}

VectorScan ChooseVectorScan(int nON, int nOE) {
  if (nOE < kMinVectorScanEdges) {
    return VectorScan::kNone;
  }
  // AVX-512 before AVX2 (about half the cost per edge visit), tables before gathers (about a
  // sixth), the one-register table first.
  const VectorScan preference[] = {VectorScan::kAvx512Table512, VectorScan::kAvx512Table1024,
                                   VectorScan::kAvx512Gather, VectorScan::kAvx2Table256,
                                   VectorScan::kAvx2Gather};
  for (VectorScan scan : preference) {
    if (nON <= VectorScanMaxNodes(scan) && VectorScanRuns(scan)) {
      return scan;
    }
  }
  return VectorScan::kNone;
}

int CheapestCrossingEdgeVector(VectorScan scan, const ScanLayout& layout) {
#ifdef MST_VECTOR_SCANS
  switch (scan) {
    case VectorScan::kAvx2Table256:
      return ScanAvx2Table256(layout);
    case VectorScan::kAvx2Gather:
      return ScanAvx2Gather(layout);
    case VectorScan::kAvx512Table512:
      return ScanAvx512Table512(layout);
    case VectorScan::kAvx512Table1024:
      return ScanAvx512Table1024(layout);
    case VectorScan::kAvx512Gather:
      return ScanAvx512Gather(layout);
    case VectorScan::kNone:
      break;
  }
#endif
  (void)scan;
  (void)layout;
  return -1;
}

void GrowTreeVector(VectorScan scan, const Edges* in, Edges* out, int nON, int* used, ScanLayout& layout) {
#ifdef MST_VECTOR_SCANS
  switch (scan) {
    case VectorScan::kAvx2Table256:
      return GrowAvx2Table256(in, out, nON, used, layout);
    case VectorScan::kAvx2Gather:
      return GrowAvx2Gather(in, out, nON, used, layout);
    case VectorScan::kAvx512Table512:
      return GrowAvx512Table512(in, out, nON, used, layout);
    case VectorScan::kAvx512Table1024:
      return GrowAvx512Table1024(in, out, nON, used, layout);
    case VectorScan::kAvx512Gather:
      return GrowAvx512Gather(in, out, nON, used, layout);
    case VectorScan::kNone:
      break;
  }
#endif
  (void)scan;
  (void)in;
  (void)out;
  (void)nON;
  (void)used;
  (void)layout;
}
