// AVX-512F scans; built with the instruction set enabled per function, chosen at run time.
#include "mst/vector_scan_kernels.h"

#include "mst/joining_node.h"

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))

// GCC 12's AVX-512 intrinsics start from _mm512_undefined_epi32(), which its flow analysis
// takes for an uninitialised read (a known false positive, fixed in later releases).
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#pragma GCC diagnostic ignored "-Wuninitialized"
#endif

#include <immintrin.h>

#include <climits>

#define MST_AVX512 __attribute__((target("avx512f")))

namespace {

enum class Lookup { kTable512, kTable1024, kGather };

// The membership word of each lane's node: word node / 32 of the tree bits.
template <Lookup kLookup>
MST_AVX512 inline __m512i TreeWord(__m512i low, __m512i high, const std::uint32_t* bits,
                                   __m512i node) {
  const __m512i word = _mm512_srli_epi32(node, 5);
  if constexpr (kLookup == Lookup::kTable512) {
    return _mm512_permutexvar_epi32(word, low);
  } else if constexpr (kLookup == Lookup::kTable1024) {
    return _mm512_permutex2var_epi32(low, word, high);
  } else {
    return _mm512_i32gather_epi32(word, bits, 4);
  }
}

// Running minimum of one set of lanes: measure and edge index per lane (-1 while none).
struct Lanes {
  __m512i min;
  __m512i edge;
};

// Takes the sixteen edges from `first` into the lanes.
template <Lookup kLookup>
MST_AVX512 inline void Take(const ScanLayout& layout, int first, __m512i low, __m512i high,
                            Lanes& lanes) {
  const __m512i node1 = _mm512_load_si512(layout.node1 + first);
  const __m512i node2 = _mm512_load_si512(layout.node2 + first);
  const __m512i measure = _mm512_load_si512(layout.measure + first);
  // Rotating a word right by node (the count is taken modulo 32) brings the node's bit to bit 0.
  const __m512i in1 = _mm512_rorv_epi32(TreeWord<kLookup>(low, high, layout.treeBits, node1), node1);
  const __m512i in2 = _mm512_rorv_epi32(TreeWord<kLookup>(low, high, layout.treeBits, node2), node2);
  const __mmask16 crosses = _mm512_test_epi32_mask(_mm512_xor_si512(in1, in2), _mm512_set1_epi32(1));
  const __mmask16 take = _mm512_mask_cmple_epi32_mask(crosses, measure, lanes.min);
  lanes.min = _mm512_mask_mov_epi32(lanes.min, take, measure);
  const __m512i index = _mm512_add_epi32(
      _mm512_set1_epi32(first), _mm512_setr_epi32(0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15));
  lanes.edge = _mm512_mask_mov_epi32(lanes.edge, take, index);
}

// Where the tree's membership bits live during a scan: in registers for the table lookups
// (the tree grows by one node per step, set in place), in layout.treeBits for the gather.
struct Table {
  __m512i low;
  __m512i high;
};

template <Lookup kLookup>
MST_AVX512 inline Table LoadTable(const ScanLayout& layout) {
  Table table{_mm512_setzero_si512(), _mm512_setzero_si512()};
  if constexpr (kLookup != Lookup::kGather) {
    table.low = _mm512_loadu_si512(layout.treeBits);
  }
  if constexpr (kLookup == Lookup::kTable1024) {
    table.high = _mm512_loadu_si512(layout.treeBits + 16);
  }
  return table;
}

template <Lookup kLookup>
MST_AVX512 inline void AddNode(Table& table, ScanLayout& layout, int node) {
  if constexpr (kLookup == Lookup::kGather) {
    AddToTree(layout, node);
  } else {
    const __m512i bit = _mm512_set1_epi32(static_cast<int>(std::uint32_t{1} << (node % 32)));
    const int word = node / 32;
    if (word < 16) {
      table.low = _mm512_mask_or_epi32(table.low, static_cast<__mmask16>(1u << word), table.low, bit);
    } else {
      table.high = _mm512_mask_or_epi32(table.high, static_cast<__mmask16>(1u << (word - 16)), table.high, bit);
    }
  }
}

// Lanes to 64-bit keys (measure, then index, both ordered as unsigned): measure with its sign
// bit flipped in the high half, the edge index in the low half. "None" (INT_MAX, -1) becomes
// the largest key, above an edge of measure INT_MAX.
MST_AVX512 inline __m512i LowestKey(const Lanes& lanes) {
  const __m512i measure = _mm512_xor_si512(lanes.min, _mm512_set1_epi32(INT_MIN));
  return _mm512_min_epu64(_mm512_unpacklo_epi32(lanes.edge, measure),
                          _mm512_unpackhi_epi32(lanes.edge, measure));
}

template <Lookup kLookup>
MST_AVX512 inline int Scan(const ScanLayout& layout, const Table& table) {
  // Four independent sets of lanes, so that one block's compare need not wait for the last's.
  Lanes a{_mm512_set1_epi32(INT_MAX), _mm512_set1_epi32(-1)};
  Lanes b = a;
  Lanes c = a;
  Lanes d = a;
  for (int first = layout.paddedEdges - 64; first >= 0; first -= 64) {
    Take<kLookup>(layout, first + 48, table.low, table.high, a);
    Take<kLookup>(layout, first + 32, table.low, table.high, b);
    Take<kLookup>(layout, first + 16, table.low, table.high, c);
    Take<kLookup>(layout, first, table.low, table.high, d);
  }
  // The lowest (measure, index) over all lanes: the first cheapest crossing edge, or none.
  const unsigned long long key = _mm512_reduce_min_epu64(_mm512_min_epu64(
      _mm512_min_epu64(LowestKey(a), LowestKey(b)), _mm512_min_epu64(LowestKey(c), LowestKey(d))));
  return static_cast<int>(static_cast<std::uint32_t>(key));
}

template <Lookup kLookup>
MST_AVX512 int ScanOnce(const ScanLayout& layout) {
  return Scan<kLookup>(layout, LoadTable<kLookup>(layout));
}

// Prim's steps with the membership table kept in registers from step to step.
template <Lookup kLookup>
MST_AVX512 void Grow(const Edges* in, Edges* out, int nON, int* used, ScanLayout& layout) {
  Table table = LoadTable<kLookup>(layout);
  for (int counter = 0; counter < nON - 1; ++counter) {
    const int minEdge = Scan<kLookup>(layout, table);
    if (minEdge < 0) {
      break;
    }
    const int joining = JoiningNode(in[minEdge], used);
    used[joining] = 1;
    AddNode<kLookup>(table, layout, joining);
    out[counter].set(in[minEdge].node1, in[minEdge].node2, in[minEdge].measure);
  }
}

}  // namespace

int ScanAvx512Table512(const ScanLayout& layout) { return ScanOnce<Lookup::kTable512>(layout); }
int ScanAvx512Table1024(const ScanLayout& layout) { return ScanOnce<Lookup::kTable1024>(layout); }
int ScanAvx512Gather(const ScanLayout& layout) { return ScanOnce<Lookup::kGather>(layout); }

void GrowAvx512Table512(const Edges* in, Edges* out, int nON, int* used, ScanLayout& layout) {
  Grow<Lookup::kTable512>(in, out, nON, used, layout);
}
void GrowAvx512Table1024(const Edges* in, Edges* out, int nON, int* used, ScanLayout& layout) {
  Grow<Lookup::kTable1024>(in, out, nON, used, layout);
}
void GrowAvx512Gather(const Edges* in, Edges* out, int nON, int* used, ScanLayout& layout) {
  Grow<Lookup::kGather>(in, out, nON, used, layout);
}

#endif
