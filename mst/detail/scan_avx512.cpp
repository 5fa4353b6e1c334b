// AVX-512F kernels: Pairs64 over PairLayout (eight edges per instruction, up to 64 nodes), and
// Marks over MarkLayout (sixteen edges per instruction, any node count; its ends packed in 16
// bits up to 65536 nodes). Built with the instruction set enabled per function and run only
// where the processor has it.
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

#include "mst/detail/mark_layout.h"
#include "mst/detail/pair_layout.h"

namespace mst {

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

  MST_TARGET_AVX512 static inline __m512i Take(const std::uint64_t* pairs, const std::uint64_t* keys, __m512i tree,
                                               __m512i lowest) {
    const __m512i pair = _mm512_load_si512(pairs);
    const __mmask8 crosses =
        _mm512_mask_cmpneq_epu64_mask(_mm512_test_epi64_mask(pair, tree), _mm512_and_si512(pair, tree), pair);
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

// ---- Marks ----

// Running minimum of one set of lanes: measure and edge index per lane (-1 while none).
struct Lanes {
  __m512i min;
  __m512i edge;
};

// Lanes to 64-bit keys (measure, then index, both ordered as unsigned): measure with its sign
// bit flipped in the high half, the edge index in the low half. "None" (INT_MAX, -1) becomes
// the largest key, above an edge of measure INT_MAX.
MST_TARGET_AVX512 inline __m512i LowestKey(const Lanes& lanes) {
  const __m512i measure = _mm512_xor_si512(lanes.min, _mm512_set1_epi32(INT_MIN));
  return _mm512_min_epu64(_mm512_unpacklo_epi32(lanes.edge, measure), _mm512_unpackhi_epi32(lanes.edge, measure));
}

// The tree as one crossing mask per 16 edges (mark_layout.h). The scan flips, block by block,
// the marks of the edges at the node that joined since the last scan and stores them. It visits
// the blocks from the last to the first, and a lane takes an edge when it crosses and its
// measure is at most the lane's minimum so far; so a lane ends with its cheapest crossing edge,
// the earliest among equals, and an edge of measure INT_MAX is still taken over none. kPacked: the ends are packed in
// one word (up to 65536 nodes), one load and one XOR against the joined node in both halves
// instead of two loads and two compares.
template <bool kPacked>
struct Avx512MarksTree {
  MarkLayout& layout;
  int pending = -1;  // the node that joined since the last scan; -1 when none has

  explicit Avx512MarksTree(MarkLayout& markLayout) : layout(markLayout) {}

  // The marks of the 16 edges from `first` to flip for the node in joined (packed: in both
  // halves of every lane). Both ends equal only on a self-loop, whose mark then stays clear.
  MST_TARGET_AVX512 static inline __mmask16 Flips(const MarkLayout& layout, int first, __m512i joined) {
    if constexpr (kPacked) {
      const __m512i differ = _mm512_xor_si512(_mm512_load_si512(layout.ends + first), joined);
      return _mm512_kxor(_mm512_testn_epi32_mask(differ, _mm512_set1_epi32(0xFFFF)),
                         _mm512_testn_epi32_mask(differ, _mm512_set1_epi32(static_cast<int>(0xFFFF0000u))));
    } else {
      return _mm512_kxor(_mm512_cmpeq_epi32_mask(_mm512_load_si512(layout.node1 + first), joined),
                         _mm512_cmpeq_epi32_mask(_mm512_load_si512(layout.node2 + first), joined));
    }
  }

  // Flips (kFlip) and stores the marks of the 16 edges from `first`, then takes those that
  // cross into the lanes; a lane records the round's first edge, `round` (its own offset is
  // added at the end).
  template <bool kFlip>
  MST_TARGET_AVX512 static inline void Take(const MarkLayout& layout, int first, __m512i joined, __m512i round,
                                            Lanes& lanes) {
    __mmask16* mark = layout.masks() + first / 16;
    __mmask16 crosses = _load_mask16(mark);
    if constexpr (kFlip) {
      crosses = _mm512_kxor(crosses, Flips(layout, first, joined));
      _store_mask16(mark, crosses);
    }
    const __m512i measure = _mm512_load_si512(layout.measure + first);
    const __mmask16 take = _mm512_mask_cmple_epi32_mask(crosses, measure, lanes.min);
    lanes.min = _mm512_mask_mov_epi32(lanes.min, take, measure);
    lanes.edge = _mm512_mask_mov_epi32(lanes.edge, take, round);
  }

  // A set of lanes' edges from the rounds they recorded: offset + lane, -1 kept for none.
  MST_TARGET_AVX512 static inline Lanes Placed(Lanes lanes, int offset) {
    const __m512i iota = _mm512_setr_epi32(0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15);
    const __mmask16 some = _mm512_cmpneq_epi32_mask(lanes.edge, _mm512_set1_epi32(-1));
    lanes.edge = _mm512_mask_add_epi32(lanes.edge, some, lanes.edge, _mm512_add_epi32(iota, _mm512_set1_epi32(offset)));
    return lanes;
  }

  template <bool kFlip>
  MST_TARGET_AVX512 int Scan(int node) {
    const __m512i joined =
        _mm512_set1_epi32(kPacked ? static_cast<int>(static_cast<std::uint32_t>(node) * 0x10001u) : node);
    Lanes a{_mm512_set1_epi32(INT_MAX), _mm512_set1_epi32(-1)};
    Lanes b = a;
    Lanes c = a;
    Lanes d = a;
    static_assert(MarkLayout::kBlock == 64, "rounds of 4 x 16 edges");
    for (int first = layout.paddedEdges - MarkLayout::kBlock; first >= 0; first -= MarkLayout::kBlock) {
      const __m512i round = _mm512_set1_epi32(first);
      Take<kFlip>(layout, first + 48, joined, round, a);
      Take<kFlip>(layout, first + 32, joined, round, b);
      Take<kFlip>(layout, first + 16, joined, round, c);
      Take<kFlip>(layout, first, joined, round, d);
    }
    const unsigned long long key =
        _mm512_reduce_min_epu64(_mm512_min_epu64(_mm512_min_epu64(LowestKey(Placed(a, 48)), LowestKey(Placed(b, 32))),
                                                 _mm512_min_epu64(LowestKey(Placed(c, 16)), LowestKey(Placed(d, 0)))));
    return static_cast<int>(static_cast<std::uint32_t>(key));
  }

  // A scan with no node pending (the first, on marks set from used) flips nothing: with all
  // 65536 node numbers in use no packed word stands for "no node".
  MST_TARGET_AVX512 int CheapestCrossingEdge() {
    const int joined = pending;
    pending = -1;
    return joined < 0 ? Scan<false>(0) : Scan<true>(joined);
  }

  // The step loop joins one node between scans (a scan from a tree of several nodes sets the
  // marks from used instead: ScanOnceMarked).
  void Join(int node, int) { pending = node; }
};

}  // namespace

MST_TARGET_AVX512 int ScanOnceAvx512Marks(const Edges* in, int nOE, int, const int* used) {
  return ScanOnceMarked<Avx512MarksTree<false>, false>(in, nOE, used);
}
MST_TARGET_AVX512 void GrowAvx512Marks(const Edges* in, Edges* out, int nOE, int nON, int* used) {
  GrowWith<MarkLayoutOf<false>, Avx512MarksTree<false>>(in, out, nOE, nON, used);
}

MST_TARGET_AVX512 int ScanOnceAvx512Marks16(const Edges* in, int nOE, int, const int* used) {
  return ScanOnceMarked<Avx512MarksTree<true>, false, true>(in, nOE, used);
}
MST_TARGET_AVX512 void GrowAvx512Marks16(const Edges* in, Edges* out, int nOE, int nON, int* used) {
  GrowWith<MarkLayoutOf<false, true>, Avx512MarksTree<true>>(in, out, nOE, nON, used);
}

MST_TARGET_AVX512 int ScanOnceAvx512Pairs64(const Edges* in, int nOE, int nON, const int* used) {
  return ScanOnceWith<PairLayout, Avx512PairsTree>(in, nOE, nON, used);
}
MST_TARGET_AVX512 void GrowAvx512Pairs64(const Edges* in, Edges* out, int nOE, int nON, int* used) {
  GrowWith<PairLayout, Avx512PairsTree>(in, out, nOE, nON, used);
}

}  // namespace mst

#endif  // MST_X86_SCANS
