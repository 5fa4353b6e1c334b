// AVX-512F kernels: Pairs64 over PairLayout (eight edges per instruction, up to 64 nodes), and
// over ScanLayout (sixteen edges per instruction) membership tables of 512, 1024, 2048 and 4096
// nodes held in 1, 2, 4 and 8 registers, or gathered from the layout's bits for any node count.
// Built with the instruction set enabled per function and run only where the processor has it.
#include "mst/detail/scan_kernels.h"

#ifdef MST_X86_SCANS

// GCC 12's AVX-512 intrinsics start from _mm512_undefined_epi32(), which its flow analysis
// takes for an uninitialised read (a known false positive, fixed in later releases).
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#pragma GCC diagnostic ignored "-Wuninitialized"
#endif

#include <immintrin.h>

#include <climits>
#include <cstdint>

#include "mst/detail/pair_layout.h"
#include "mst/detail/scan_layout.h"

namespace {

// ---- Pairs64 ----

// The lowest of eight unsigned 64-bit lanes: halves, then quarters, then pairs.
MST_TARGET_AVX512 inline std::uint64_t LowestOfEight(__m512i v) {
  v = _mm512_min_epu64(v, _mm512_shuffle_i64x2(v, v, _MM_SHUFFLE(1, 0, 3, 2)));
  v = _mm512_min_epu64(v, _mm512_shuffle_i64x2(v, v, _MM_SHUFFLE(2, 3, 0, 1)));
  v = _mm512_min_epu64(v, _mm512_shuffle_epi32(v, _MM_PERM_BADC));
  return static_cast<std::uint64_t>(_mm_cvtsi128_si64(_mm512_castsi512_si128(v)));
}

// The tree as one 64-bit mask. Per block of eight edges: the pair masks ANDed with the tree, a
// lane crossing where that is neither 0 nor the pair, and its key into the lane's running
// minimum (keys order by measure, then index, so no tie rule is needed beyond the minimum).
struct Avx512PairsTree {
  const PairLayout& layout;
  std::uint64_t mask = 0;

  explicit Avx512PairsTree(const PairLayout& pairLayout) : layout(pairLayout) {}

  MST_TARGET_AVX512 static inline __m512i Take(const std::uint64_t* pairs, const std::uint64_t* keys,
                                               __m512i tree, __m512i lowest) {
    const __m512i pair = _mm512_load_si512(pairs);
    const __mmask8 crosses = _mm512_mask_cmpneq_epu64_mask(_mm512_test_epi64_mask(pair, tree),
                                                           _mm512_and_si512(pair, tree), pair);
    return _mm512_mask_min_epu64(lowest, crosses, lowest, _mm512_load_si512(keys));
  }

  MST_TARGET_AVX512 int CheapestCrossingEdge() const {
    const __m512i tree = _mm512_set1_epi64(static_cast<long long>(mask));
    __m512i a = _mm512_set1_epi64(-1);  // "none", above every key
    __m512i b = a;
    for (int first = 0; first < layout.paddedEdges; first += PairLayout::kBlock) {
      a = Take(layout.pairs + first, layout.keys + first, tree, a);
      b = Take(layout.pairs + first + 8, layout.keys + first + 8, tree, b);
    }
    const std::uint64_t lowest = LowestOfEight(_mm512_min_epu64(a, b));
    return lowest == ~std::uint64_t{0} ? -1 : static_cast<int>(static_cast<std::uint32_t>(lowest));
  }

  // The pair mask of a crossing edge adds just its outside end (see PortablePairsTree).
  void Join(int node, int edge) { mask |= edge >= 0 ? layout.pairs[edge] : std::uint64_t{1} << node; }
};

// ---- Tables and gather ----

// The membership word of each lane's node, word node / 32 of the tree bits: from a table of
// kRegisters registers (16 words each; permutex2var reads a pair of them with the word's low
// five bits, and the higher bits pick the pair), or gathered from bits when kRegisters is 0.
template <int kRegisters>
MST_TARGET_AVX512 inline __m512i TreeWord(const __m512i* table, const std::uint32_t* bits, __m512i node) {
  const __m512i word = _mm512_srli_epi32(node, 5);
  if constexpr (kRegisters == 0) {
    return _mm512_i32gather_epi32(word, bits, 4);
  } else if constexpr (kRegisters == 1) {
    return _mm512_permutexvar_epi32(word, table[0]);
  } else {
    const __m512i pair0 = _mm512_permutex2var_epi32(table[0], word, table[1]);
    if constexpr (kRegisters == 2) {
      return pair0;
    } else {
      const __mmask16 bit5 = _mm512_test_epi32_mask(word, _mm512_set1_epi32(32));
      const __m512i quad0 = _mm512_mask_mov_epi32(pair0, bit5, _mm512_permutex2var_epi32(table[2], word, table[3]));
      if constexpr (kRegisters == 4) {
        return quad0;
      } else {
        static_assert(kRegisters == 8, "tables of 1, 2, 4 or 8 registers");
        const __m512i pair2 = _mm512_permutex2var_epi32(table[4], word, table[5]);
        const __m512i quad1 = _mm512_mask_mov_epi32(pair2, bit5, _mm512_permutex2var_epi32(table[6], word, table[7]));
        return _mm512_mask_mov_epi32(quad0, _mm512_test_epi32_mask(word, _mm512_set1_epi32(64)), quad1);
      }
    }
  }
}

// Running minimum of one set of lanes: measure and edge index per lane (-1 while none).
struct Lanes {
  __m512i min;
  __m512i edge;
};

// Takes the sixteen edges from `first` into the lanes.
template <int kRegisters>
MST_TARGET_AVX512 inline void Take(const ScanLayout& layout, int first, const __m512i* table, Lanes& lanes) {
  const __m512i node1 = _mm512_load_si512(layout.node1 + first);
  const __m512i node2 = _mm512_load_si512(layout.node2 + first);
  const __m512i measure = _mm512_load_si512(layout.measure + first);
  // Rotating a word right by node (the count is taken modulo 32) brings the node's bit to bit 0.
  const __m512i in1 = _mm512_rorv_epi32(TreeWord<kRegisters>(table, layout.treeBits, node1), node1);
  const __m512i in2 = _mm512_rorv_epi32(TreeWord<kRegisters>(table, layout.treeBits, node2), node2);
  const __mmask16 crosses = _mm512_test_epi32_mask(_mm512_xor_si512(in1, in2), _mm512_set1_epi32(1));
  const __mmask16 take = _mm512_mask_cmple_epi32_mask(crosses, measure, lanes.min);
  lanes.min = _mm512_mask_mov_epi32(lanes.min, take, measure);
  const __m512i index = _mm512_add_epi32(
      _mm512_set1_epi32(first), _mm512_setr_epi32(0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15));
  lanes.edge = _mm512_mask_mov_epi32(lanes.edge, take, index);
}

// Lanes to 64-bit keys (measure, then index, both ordered as unsigned): measure with its sign
// bit flipped in the high half, the edge index in the low half. "None" (INT_MAX, -1) becomes
// the largest key, above an edge of measure INT_MAX.
MST_TARGET_AVX512 inline __m512i LowestKey(const Lanes& lanes) {
  const __m512i measure = _mm512_xor_si512(lanes.min, _mm512_set1_epi32(INT_MIN));
  return _mm512_min_epu64(_mm512_unpacklo_epi32(lanes.edge, measure), _mm512_unpackhi_epi32(lanes.edge, measure));
}

// Tree membership for the step loop: a table of kRegisters registers, which the tree's growth
// updates in place, or (kRegisters 0) layout.treeBits in memory, gathered at every edge.
template <int kRegisters>
struct Avx512Tree {
  ScanLayout& layout;
  __m512i table[kRegisters > 0 ? kRegisters : 1];

  MST_TARGET_AVX512 explicit Avx512Tree(ScanLayout& scanLayout) : layout(scanLayout) {
    for (int r = 0; r < (kRegisters > 0 ? kRegisters : 1); ++r) {
      table[r] = _mm512_loadu_si512(scanLayout.treeBits + 16 * r);
    }
  }

  MST_TARGET_AVX512 int CheapestCrossingEdge() const {
    // Four independent sets of lanes, so that one block's compare need not wait for the last's.
    Lanes a{_mm512_set1_epi32(INT_MAX), _mm512_set1_epi32(-1)};
    Lanes b = a;
    Lanes c = a;
    Lanes d = a;
    for (int first = layout.paddedEdges - kScanBlock; first >= 0; first -= kScanBlock) {
      Take<kRegisters>(layout, first + 48, table, a);
      Take<kRegisters>(layout, first + 32, table, b);
      Take<kRegisters>(layout, first + 16, table, c);
      Take<kRegisters>(layout, first, table, d);
    }
    // The lowest (measure, index) over all lanes: the first cheapest crossing edge, or none.
    const unsigned long long key = _mm512_reduce_min_epu64(_mm512_min_epu64(
        _mm512_min_epu64(LowestKey(a), LowestKey(b)), _mm512_min_epu64(LowestKey(c), LowestKey(d))));
    return static_cast<int>(static_cast<std::uint32_t>(key));
  }

  MST_TARGET_AVX512 void Join(int node, int) {
    if constexpr (kRegisters == 0) {
      AddToTree(layout, node);
    } else {
      const __m512i bit = _mm512_set1_epi32(static_cast<int>(std::uint32_t{1} << (node % 32)));
      const int word = node / 32;
      for (int r = 0; r < kRegisters; ++r) {
        const auto lane = static_cast<__mmask16>(word / 16 == r ? 1u << (word % 16) : 0u);
        table[r] = _mm512_mask_or_epi32(table[r], lane, table[r], bit);
      }
    }
  }
};

}  // namespace

MST_TARGET_AVX512 int ScanOnceAvx512Pairs64(const Edges* in, int nOE, int nON, const int* used) {
  return ScanOnceWith<PairLayout, Avx512PairsTree>(in, nOE, nON, used);
}
MST_TARGET_AVX512 void GrowAvx512Pairs64(const Edges* in, Edges* out, int nOE, int nON, int* used) {
  GrowWith<PairLayout, Avx512PairsTree>(in, out, nOE, nON, used);
}

template <int kRegisters>
MST_TARGET_AVX512 int ScanOnceAvx512Table(const Edges* in, int nOE, int nON, const int* used) {
  return ScanOnceWith<TableLayout<16 * (kRegisters > 0 ? kRegisters : 1)>, Avx512Tree<kRegisters>>(in, nOE, nON, used);
}
template <int kRegisters>
MST_TARGET_AVX512 void GrowAvx512Table(const Edges* in, Edges* out, int nOE, int nON, int* used) {
  GrowWith<TableLayout<16 * (kRegisters > 0 ? kRegisters : 1)>, Avx512Tree<kRegisters>>(in, out, nOE, nON, used);
}

// Gather (0) and the four table sizes the scan table names.
template int ScanOnceAvx512Table<0>(const Edges*, int, int, const int*);
template int ScanOnceAvx512Table<1>(const Edges*, int, int, const int*);
template int ScanOnceAvx512Table<2>(const Edges*, int, int, const int*);
template int ScanOnceAvx512Table<4>(const Edges*, int, int, const int*);
template int ScanOnceAvx512Table<8>(const Edges*, int, int, const int*);
template void GrowAvx512Table<0>(const Edges*, Edges*, int, int, int*);
template void GrowAvx512Table<1>(const Edges*, Edges*, int, int, int*);
template void GrowAvx512Table<2>(const Edges*, Edges*, int, int, int*);
template void GrowAvx512Table<4>(const Edges*, Edges*, int, int, int*);
template void GrowAvx512Table<8>(const Edges*, Edges*, int, int, int*);

#endif
