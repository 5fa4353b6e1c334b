// AVX2 kernels, eight edges per instruction, over MarkLayout: a crossing mark per edge for any
// node count (Marks), the ends packed in 16 bits up to 65536 nodes (Marks16).
// Built with the instruction set enabled per function and run only where the processor has it.
#include "mst/detail/scan_kernels.h"

#ifdef MST_X86_SCANS

#include <immintrin.h>

#include <climits>

#include "mst/detail/mark_layout.h"

namespace mst {

namespace {

// Running minimum of one set of lanes: measure and edge index per lane (-1 while none).
struct Lanes {
  __m256i min;
  __m256i edge;
};

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

// The first cheapest edge of four sets of lanes: the lowest measure, and among the lanes at it
// the lowest index; -1 when no lane took an edge.
MST_TARGET_AVX2 inline int LowestOfLanes(const Lanes& a, const Lanes& b, const Lanes& c, const Lanes& d) {
  const __m256i minimum =
      SpreadMinSigned(_mm256_min_epi32(_mm256_min_epi32(a.min, b.min), _mm256_min_epi32(c.min, d.min)));
  const __m256i edge =
      SpreadMinUnsigned(_mm256_min_epu32(_mm256_min_epu32(EdgeAtMinimum(a, minimum), EdgeAtMinimum(b, minimum)),
                                         _mm256_min_epu32(EdgeAtMinimum(c, minimum), EdgeAtMinimum(d, minimum))));
  return _mm256_cvtsi256_si32(edge);
}

// The tree as one crossing mark per edge (mark_layout.h), in the sign bit of a word. The scan
// flips the marks of the edges at the node that joined since the last scan, stores them, and
// takes the crossing edges into the lanes: it visits the blocks from the last to the first, and a
// lane takes an edge when it crosses and its measure is at most the lane's minimum so far. kPacked: the ends are packed
// in one word (up to 65536 nodes): one load and one 16-bit compare against the joined node in both halves instead of
// two loads and two compares.
template <bool kPacked>
struct Avx2MarksTree {
  MarkLayout& layout;
  int pending = -1;  // the node that joined since the last scan; -1 when none has

  explicit Avx2MarksTree(MarkLayout& markLayout) : layout(markLayout) {}

  // The marks of the 8 edges from `first` (kFlip: flipped for the node in joined, packed: in
  // both halves of every lane, and stored). Both ends equal only on a self-loop, whose mark then
  // stays clear. Only each lane's sign bit means anything.
  template <bool kFlip>
  MST_TARGET_AVX2 static inline __m256i Marks(const MarkLayout& layout, int first, __m256i joined) {
    auto* mark = reinterpret_cast<__m256i*>(layout.marks + first);
    if constexpr (!kFlip) {
      return _mm256_load_si256(mark);
    } else {
      __m256i flips;
      if constexpr (kPacked) {
        // Each half all ones where that end is the joined node; the sign bit then holds both
        // halves' XOR once the low half is moved up beside the high one.
        const __m256i equal =
            _mm256_cmpeq_epi16(_mm256_load_si256(reinterpret_cast<const __m256i*>(layout.ends + first)), joined);
        flips = _mm256_xor_si256(equal, _mm256_slli_epi32(equal, 16));
      } else {
        const __m256i node1 = _mm256_load_si256(reinterpret_cast<const __m256i*>(layout.node1 + first));
        const __m256i node2 = _mm256_load_si256(reinterpret_cast<const __m256i*>(layout.node2 + first));
        flips = _mm256_xor_si256(_mm256_cmpeq_epi32(node1, joined), _mm256_cmpeq_epi32(node2, joined));
      }
      const __m256i crosses = _mm256_xor_si256(_mm256_load_si256(mark), flips);
      _mm256_store_si256(mark, crosses);
      return crosses;
    }
  }

  // Takes the crossing edges among the 8 from `first` into the lanes; a lane records the
  // round's first edge, `round` (its own offset is added at the end).
  template <bool kFlip>
  MST_TARGET_AVX2 static inline void Take(const MarkLayout& layout, int first, __m256i joined, __m256i round,
                                          Lanes& lanes) {
    const __m256i crosses = Marks<kFlip>(layout, first, joined);
    const __m256i measure = _mm256_load_si256(reinterpret_cast<const __m256i*>(layout.measure + first));
    // Sign bit set where the edge crosses and its measure is not above the lane's minimum.
    const __m256 take = _mm256_castsi256_ps(_mm256_andnot_si256(_mm256_cmpgt_epi32(measure, lanes.min), crosses));
    lanes.min =
        _mm256_castps_si256(_mm256_blendv_ps(_mm256_castsi256_ps(lanes.min), _mm256_castsi256_ps(measure), take));
    lanes.edge =
        _mm256_castps_si256(_mm256_blendv_ps(_mm256_castsi256_ps(lanes.edge), _mm256_castsi256_ps(round), take));
  }

  // A set of lanes' edges from the rounds they recorded: offset + lane, -1 kept for none.
  MST_TARGET_AVX2 static inline Lanes Placed(Lanes lanes, int offset) {
    const __m256i none = _mm256_cmpeq_epi32(lanes.edge, _mm256_set1_epi32(-1));
    const __m256i place = _mm256_add_epi32(_mm256_setr_epi32(0, 1, 2, 3, 4, 5, 6, 7), _mm256_set1_epi32(offset));
    lanes.edge = _mm256_or_si256(_mm256_add_epi32(lanes.edge, place), none);
    return lanes;
  }

  template <bool kFlip>
  MST_TARGET_AVX2 int Scan(int node) {
    const __m256i joined = kPacked ? _mm256_set1_epi16(static_cast<short>(node)) : _mm256_set1_epi32(node);
    Lanes a{_mm256_set1_epi32(INT_MAX), _mm256_set1_epi32(-1)};
    Lanes b = a;
    Lanes c = a;
    Lanes d = a;
    static_assert(MarkLayout::kBlock % 32 == 0, "rounds of 4 x 8 edges");
    for (int first = layout.paddedEdges - 32; first >= 0; first -= 32) {
      const __m256i round = _mm256_set1_epi32(first);
      Take<kFlip>(layout, first + 24, joined, round, a);
      Take<kFlip>(layout, first + 16, joined, round, b);
      Take<kFlip>(layout, first + 8, joined, round, c);
      Take<kFlip>(layout, first, joined, round, d);
    }
    a = Placed(a, 24);
    b = Placed(b, 16);
    c = Placed(c, 8);
    d = Placed(d, 0);
    return LowestOfLanes(a, b, c, d);
  }

  // A scan with no node pending (the first, on marks set from used) flips nothing: with all
  // 65536 node numbers in use no packed half stands for "no node".
  MST_TARGET_AVX2 int CheapestCrossingEdge() {
    const int joined = pending;
    pending = -1;
    return joined < 0 ? Scan<false>(0) : Scan<true>(joined);
  }

  // The step loop joins one node between scans (a scan from a tree of several nodes sets the
  // marks from used instead: ScanOnceMarked).
  void Join(int node, int) { pending = node; }
};

}  // namespace

MST_TARGET_AVX2 int ScanOnceAvx2Marks(const Edges* in, int nOE, int, const int* used) {
  return ScanOnceMarked<Avx2MarksTree<false>, true>(in, nOE, used);
}
MST_TARGET_AVX2 void GrowAvx2Marks(const Edges* in, Edges* out, int nOE, int nON, int* used) {
  GrowWith<MarkLayoutOf<true>, Avx2MarksTree<false>>(in, out, nOE, nON, used);
}
MST_TARGET_AVX2 int ScanOnceAvx2Marks16(const Edges* in, int nOE, int, const int* used) {
  return ScanOnceMarked<Avx2MarksTree<true>, true, true>(in, nOE, used);
}
MST_TARGET_AVX2 void GrowAvx2Marks16(const Edges* in, Edges* out, int nOE, int nON, int* used) {
  GrowWith<MarkLayoutOf<true, true>, Avx2MarksTree<true>>(in, out, nOE, nON, used);
}
}  // namespace mst

#endif  // MST_X86_SCANS
