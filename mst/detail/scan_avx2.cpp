// AVX2 kernels, eight edges per instruction, over ScanLayout: membership of up to 256 nodes in
// one register (Table256), or gathered from the layout's bits (Gather). Built with the
// instruction set enabled per function and run only where the processor has it.
#include "mst/detail/scan_kernels.h"

#ifdef MST_X86_SCANS

#include <immintrin.h>

#include <climits>

#include "mst/detail/scan_layout.h"

namespace {

// Each lane's node bit moved to the sign bit (the lane's other bits mean nothing): word
// node / 32 of the tree bits, shifted left by 31 - node % 32. kTable: from the register
// `table`; else gathered from bits.
template <bool kTable>
MST_TARGET_AVX2 inline __m256i TreeBitAtSign(__m256i table, const std::uint32_t* bits, __m256i node) {
  const __m256i index = _mm256_srli_epi32(node, 5);
  __m256i word;
  if constexpr (kTable) {
    word = _mm256_permutevar8x32_epi32(table, index);
  } else {
    word = _mm256_i32gather_epi32(reinterpret_cast<const int*>(bits), index, 4);
  }
  return _mm256_sllv_epi32(word, _mm256_andnot_si256(node, _mm256_set1_epi32(31)));
}

// Running minimum of one set of lanes: measure and edge index per lane (-1 while none).
struct Lanes {
  __m256i min;
  __m256i edge;
};

// Takes the eight edges from `first` into the lanes.
template <bool kTable>
MST_TARGET_AVX2 inline void Take(const ScanLayout& layout, int first, __m256i table, Lanes& lanes) {
  const __m256i node1 = _mm256_load_si256(reinterpret_cast<const __m256i*>(layout.node1 + first));
  const __m256i node2 = _mm256_load_si256(reinterpret_cast<const __m256i*>(layout.node2 + first));
  const __m256i measure = _mm256_load_si256(reinterpret_cast<const __m256i*>(layout.measure + first));
  const __m256i crossesAtSign = _mm256_xor_si256(TreeBitAtSign<kTable>(table, layout.treeBits, node1),
                                                 TreeBitAtSign<kTable>(table, layout.treeBits, node2));
  // All ones where the edge crosses and its measure is not above the lane's minimum.
  const __m256i take = _mm256_andnot_si256(_mm256_cmpgt_epi32(measure, lanes.min),
                                           _mm256_srai_epi32(crossesAtSign, 31));
  lanes.min = _mm256_blendv_epi8(lanes.min, measure, take);
  const __m256i index = _mm256_add_epi32(_mm256_set1_epi32(first), _mm256_setr_epi32(0, 1, 2, 3, 4, 5, 6, 7));
  lanes.edge = _mm256_blendv_epi8(lanes.edge, index, take);
}

// The lowest of the eight lanes, signed or unsigned, in every lane. (Plain functions rather than
// lambdas: a lambda does not inherit the AVX2 target.)
MST_TARGET_AVX2 inline __m256i SpreadMinSigned(__m256i v) {
  v = _mm256_min_epi32(v, _mm256_permute2x128_si256(v, v, 1));
  v = _mm256_min_epi32(v, _mm256_shuffle_epi32(v, _MM_SHUFFLE(1, 0, 3, 2)));
  return _mm256_min_epi32(v, _mm256_shuffle_epi32(v, _MM_SHUFFLE(2, 3, 0, 1)));
}

MST_TARGET_AVX2 inline __m256i SpreadMinUnsigned(__m256i v) {
  v = _mm256_min_epu32(v, _mm256_permute2x128_si256(v, v, 1));
  v = _mm256_min_epu32(v, _mm256_shuffle_epi32(v, _MM_SHUFFLE(1, 0, 3, 2)));
  return _mm256_min_epu32(v, _mm256_shuffle_epi32(v, _MM_SHUFFLE(2, 3, 0, 1)));
}

// Each lane's edge where its minimum equals `minimum`, else -1 ("none", the largest unsigned).
MST_TARGET_AVX2 inline __m256i EdgeAtMinimum(const Lanes& lanes, __m256i minimum) {
  const __m256i notAtMin = _mm256_xor_si256(_mm256_cmpeq_epi32(lanes.min, minimum), _mm256_set1_epi32(-1));
  return _mm256_or_si256(lanes.edge, notAtMin);
}

// Tree membership for the step loop: in the register `table` (kTable), which the tree's growth
// updates in place, or in layout.treeBits, gathered at every edge.
template <bool kTable>
struct Avx2Tree {
  ScanLayout& layout;
  __m256i table;

  MST_TARGET_AVX2 explicit Avx2Tree(ScanLayout& scanLayout)
      : layout(scanLayout), table(_mm256_loadu_si256(reinterpret_cast<const __m256i*>(scanLayout.treeBits))) {}

  MST_TARGET_AVX2 int CheapestCrossingEdge() const {
    // Four independent sets of lanes, so that one block's compare need not wait for the last's.
    Lanes a{_mm256_set1_epi32(INT_MAX), _mm256_set1_epi32(-1)};
    Lanes b = a;
    Lanes c = a;
    Lanes d = a;
    static_assert(kScanBlock % 32 == 0, "rounds of 4 x 8 edges");
    for (int first = layout.paddedEdges - 32; first >= 0; first -= 32) {
      Take<kTable>(layout, first + 24, table, a);
      Take<kTable>(layout, first + 16, table, b);
      Take<kTable>(layout, first + 8, table, c);
      Take<kTable>(layout, first, table, d);
    }
    const __m256i minimum =
        SpreadMinSigned(_mm256_min_epi32(_mm256_min_epi32(a.min, b.min), _mm256_min_epi32(c.min, d.min)));
    // Among the lanes at the minimum, the lowest index.
    const __m256i edge = SpreadMinUnsigned(
        _mm256_min_epu32(_mm256_min_epu32(EdgeAtMinimum(a, minimum), EdgeAtMinimum(b, minimum)),
                         _mm256_min_epu32(EdgeAtMinimum(c, minimum), EdgeAtMinimum(d, minimum))));
    return _mm256_cvtsi256_si32(edge);
  }

  MST_TARGET_AVX2 void Join(int node, int) {
    if constexpr (kTable) {
      const __m256i word = _mm256_cmpeq_epi32(_mm256_setr_epi32(0, 1, 2, 3, 4, 5, 6, 7), _mm256_set1_epi32(node / 32));
      const __m256i bit = _mm256_set1_epi32(static_cast<int>(std::uint32_t{1} << (node % 32)));
      table = _mm256_or_si256(table, _mm256_and_si256(word, bit));
    } else {
      AddToTree(layout, node);
    }
  }
};

}  // namespace

MST_TARGET_AVX2 int ScanOnceAvx2Table256(const Edges* in, int nOE, int nON, const int* used) {
  return ScanOnceWith<TableLayout<8>, Avx2Tree<true>>(in, nOE, nON, used);
}
MST_TARGET_AVX2 void GrowAvx2Table256(const Edges* in, Edges* out, int nOE, int nON, int* used) {
  GrowWith<TableLayout<8>, Avx2Tree<true>>(in, out, nOE, nON, used);
}
MST_TARGET_AVX2 int ScanOnceAvx2Gather(const Edges* in, int nOE, int nON, const int* used) {
  return ScanOnceWith<TableLayout<8>, Avx2Tree<false>>(in, nOE, nON, used);
}
MST_TARGET_AVX2 void GrowAvx2Gather(const Edges* in, Edges* out, int nOE, int nON, int* used) {
  GrowWith<TableLayout<8>, Avx2Tree<false>>(in, out, nOE, nON, used);
}

#endif
