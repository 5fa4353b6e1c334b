// AVX2 scans; built with the instruction set enabled per function, chosen at run time.
#include "mst/vector_scan_kernels.h"

#include "mst/joining_node.h"

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))

#include <immintrin.h>

#include <climits>

#define MST_AVX2 __attribute__((target("avx2")))

namespace {

enum class Lookup { kTable256, kGather };

// Each lane's node bit moved to the sign bit (the lane's other bits mean nothing): word
// node / 32 of the tree bits, shifted left by 31 - node % 32.
template <Lookup kLookup>
MST_AVX2 inline __m256i TreeBitAtSign(__m256i table, const std::uint32_t* bits, __m256i node) {
  const __m256i index = _mm256_srli_epi32(node, 5);
  __m256i word;
  if constexpr (kLookup == Lookup::kTable256) {
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
template <Lookup kLookup>
MST_AVX2 inline void Take(const ScanLayout& layout, int first, __m256i table, Lanes& lanes) {
  const __m256i node1 = _mm256_load_si256(reinterpret_cast<const __m256i*>(layout.node1 + first));
  const __m256i node2 = _mm256_load_si256(reinterpret_cast<const __m256i*>(layout.node2 + first));
  const __m256i measure = _mm256_load_si256(reinterpret_cast<const __m256i*>(layout.measure + first));
  const __m256i crossesAtSign = _mm256_xor_si256(TreeBitAtSign<kLookup>(table, layout.treeBits, node1),
                                                 TreeBitAtSign<kLookup>(table, layout.treeBits, node2));
  // All ones where the edge crosses and its measure is not above the lane's minimum.
  const __m256i take = _mm256_andnot_si256(_mm256_cmpgt_epi32(measure, lanes.min),
                                           _mm256_srai_epi32(crossesAtSign, 31));
  lanes.min = _mm256_blendv_epi8(lanes.min, measure, take);
  const __m256i index = _mm256_add_epi32(_mm256_set1_epi32(first), _mm256_setr_epi32(0, 1, 2, 3, 4, 5, 6, 7));
  lanes.edge = _mm256_blendv_epi8(lanes.edge, index, take);
}

// The lowest of the eight lanes, signed or unsigned, in every lane. (Plain functions rather than
// lambdas: a lambda does not inherit the AVX2 target.)
MST_AVX2 inline __m256i SpreadMinSigned(__m256i v) {
  v = _mm256_min_epi32(v, _mm256_permute2x128_si256(v, v, 1));
  v = _mm256_min_epi32(v, _mm256_shuffle_epi32(v, _MM_SHUFFLE(1, 0, 3, 2)));
  return _mm256_min_epi32(v, _mm256_shuffle_epi32(v, _MM_SHUFFLE(2, 3, 0, 1)));
}

MST_AVX2 inline __m256i SpreadMinUnsigned(__m256i v) {
  v = _mm256_min_epu32(v, _mm256_permute2x128_si256(v, v, 1));
  v = _mm256_min_epu32(v, _mm256_shuffle_epi32(v, _MM_SHUFFLE(1, 0, 3, 2)));
  return _mm256_min_epu32(v, _mm256_shuffle_epi32(v, _MM_SHUFFLE(2, 3, 0, 1)));
}

// Each lane's edge where its minimum equals `minimum`, else -1 ("none", the largest unsigned).
MST_AVX2 inline __m256i EdgeAtMinimum(const Lanes& lanes, __m256i minimum) {
  const __m256i notAtMin = _mm256_xor_si256(_mm256_cmpeq_epi32(lanes.min, minimum), _mm256_set1_epi32(-1));
  return _mm256_or_si256(lanes.edge, notAtMin);
}

template <Lookup kLookup>
MST_AVX2 inline int Scan(const ScanLayout& layout, __m256i table) {
  // Four independent sets of lanes, so that one block's compare need not wait for the last's.
  Lanes a{_mm256_set1_epi32(INT_MAX), _mm256_set1_epi32(-1)};
  Lanes b = a;
  Lanes c = a;
  Lanes d = a;
  for (int first = layout.paddedEdges - 32; first >= 0; first -= 32) {  // kScanBlock is a multiple of 32
    Take<kLookup>(layout, first + 24, table, a);
    Take<kLookup>(layout, first + 16, table, b);
    Take<kLookup>(layout, first + 8, table, c);
    Take<kLookup>(layout, first, table, d);
  }
  const __m256i minimum =
      SpreadMinSigned(_mm256_min_epi32(_mm256_min_epi32(a.min, b.min), _mm256_min_epi32(c.min, d.min)));
  // Among the lanes at the minimum, the lowest index.
  const __m256i edge = SpreadMinUnsigned(
      _mm256_min_epu32(_mm256_min_epu32(EdgeAtMinimum(a, minimum), EdgeAtMinimum(b, minimum)),
                       _mm256_min_epu32(EdgeAtMinimum(c, minimum), EdgeAtMinimum(d, minimum))));
  return _mm256_cvtsi256_si32(edge);
}

template <Lookup kLookup>
MST_AVX2 inline __m256i LoadTable(const ScanLayout& layout) {
  if constexpr (kLookup == Lookup::kTable256) {
    return _mm256_loadu_si256(reinterpret_cast<const __m256i*>(layout.treeBits));
  } else {
    return _mm256_setzero_si256();
  }
}

template <Lookup kLookup>
MST_AVX2 int ScanOnce(const ScanLayout& layout) {
  return Scan<kLookup>(layout, LoadTable<kLookup>(layout));
}

// Prim's steps with the membership table kept in a register from step to step (the table
// lookup) or in layout.treeBits (the gather).
template <Lookup kLookup>
MST_AVX2 void Grow(const Edges* in, Edges* out, int nON, int* used, ScanLayout& layout) {
  __m256i table = LoadTable<kLookup>(layout);
  for (int counter = 0; counter < nON - 1; ++counter) {
    const int minEdge = Scan<kLookup>(layout, table);
    if (minEdge < 0) {
      break;
    }
    const int joining = JoiningNode(in[minEdge], used);
    used[joining] = 1;
    if constexpr (kLookup == Lookup::kTable256) {
      const __m256i word = _mm256_cmpeq_epi32(_mm256_setr_epi32(0, 1, 2, 3, 4, 5, 6, 7),
                                              _mm256_set1_epi32(joining / 32));
      const __m256i bit = _mm256_set1_epi32(static_cast<int>(std::uint32_t{1} << (joining % 32)));
      table = _mm256_or_si256(table, _mm256_and_si256(word, bit));
    } else {
      AddToTree(layout, joining);
    }
    out[counter].set(in[minEdge].node1, in[minEdge].node2, in[minEdge].measure);
  }
}

}  // namespace

int ScanAvx2Table256(const ScanLayout& layout) { return ScanOnce<Lookup::kTable256>(layout); }
int ScanAvx2Gather(const ScanLayout& layout) { return ScanOnce<Lookup::kGather>(layout); }

void GrowAvx2Table256(const Edges* in, Edges* out, int nON, int* used, ScanLayout& layout) {
  Grow<Lookup::kTable256>(in, out, nON, used, layout);
}
void GrowAvx2Gather(const Edges* in, Edges* out, int nON, int* used, ScanLayout& layout) {
  Grow<Lookup::kGather>(in, out, nON, used, layout);
}

#endif
