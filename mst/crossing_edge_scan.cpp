#include "mst/crossing_edge_scan.h"

#include <climits>

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#define MST_VECTOR_SCAN 1
#include <immintrin.h>
#endif

int CheapestCrossingEdge(const Edges* in, int nOE, const int* used) {
  int minEdge = -1;
  int min = 0;
  for (int i = 0; i < nOE; ++i) {
    // Strictly less: among equals the first in the list stays.
    if ((used[in[i].node1] ^ used[in[i].node2]) != 0 && (minEdge < 0 || in[i].measure < min)) {
      min = in[i].measure;
      minEdge = i;
    }
  }
  return minEdge;
}

#ifdef MST_VECTOR_SCAN

// The vector scan reads eight records as 24 consecutive 32-bit words.
static_assert(sizeof(Edges) == 12, "an edge record is three packed 32-bit fields");

bool VectorScanAvailable() { return __builtin_cpu_supports("avx2") != 0; }

namespace {

// Continues a scan from edge `from` with the running minimum (min, minEdge) of the edges before.
// The portable scan's loop again, kept apart on purpose: as one shared function the compiler
// stops inlining it into the vector scan, and the scan loses a quarter of its speed.
void ScanTail(const Edges* in, int from, int nOE, const int* used, int& min, int& minEdge) {
  for (int i = from; i < nOE; ++i) {
    if ((used[in[i].node1] ^ used[in[i].node2]) != 0 && (minEdge < 0 || in[i].measure < min)) {
      min = in[i].measure;
      minEdge = i;
    }
  }
}

// In each 32-bit lane: bit `node` of the packed 256-bit table moved to the sign bit (the
// lane's other bits are of no meaning). Word node / 32, shifted left by 31 - node % 32.
__attribute__((target("avx2"))) inline __m256i TreeBitAtSign(__m256i table, __m256i node) {
  const __m256i word = _mm256_permutevar8x32_epi32(table, _mm256_srli_epi32(node, 5));
  return _mm256_sllv_epi32(word, _mm256_andnot_si256(node, _mm256_set1_epi32(31)));
}

}  // namespace

// Each of the eight lanes keeps the cheapest crossing edge among the edges whose index is its
// lane number modulo 8, the earliest among equals (strict comparison, indices ascending).
// Combining the lanes by (measure, index) then gives exactly the first cheapest edge. An edge
// of measure INT_MAX cannot be told apart from "none" in a lane, so when no lane holds an edge
// the step is done again by the portable scan.
__attribute__((target("avx2"))) int CheapestCrossingEdgeVector(
    const Edges* in, int nOE, const int* used,
    const std::uint32_t (&usedBits)[kVectorScanMaxNodes / 32]) {
  const __m256i table = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(usedBits));
  // Eight 12-byte records are 24 words: field f of record r is word 3r + f. Blending the three
  // loads and permuting gathers each field into one register.
  const __m256i orderOfNode1 = _mm256_setr_epi32(0, 3, 6, 1, 4, 7, 2, 5);
  const __m256i orderOfNode2 = _mm256_setr_epi32(1, 4, 7, 2, 5, 0, 3, 6);
  const __m256i orderOfMeasure = _mm256_setr_epi32(2, 5, 0, 3, 6, 1, 4, 7);
  const __m256i none = _mm256_set1_epi32(INT_MAX);
  const __m256i eight = _mm256_set1_epi32(8);
  __m256i laneMin = none;
  __m256i laneEdge = _mm256_set1_epi32(-1);
  __m256i index = _mm256_setr_epi32(0, 1, 2, 3, 4, 5, 6, 7);
  int i = 0;
  for (; i + 8 <= nOE; i += 8) {
    const auto* words = reinterpret_cast<const __m256i*>(&in[i]);
    const __m256i w0 = _mm256_loadu_si256(words);
    const __m256i w1 = _mm256_loadu_si256(words + 1);
    const __m256i w2 = _mm256_loadu_si256(words + 2);
    const __m256i node1 = _mm256_permutevar8x32_epi32(
        _mm256_blend_epi32(_mm256_blend_epi32(w0, w1, 0x92), w2, 0x24), orderOfNode1);
    const __m256i node2 = _mm256_permutevar8x32_epi32(
        _mm256_blend_epi32(_mm256_blend_epi32(w0, w1, 0x24), w2, 0x49), orderOfNode2);
    const __m256i measure = _mm256_permutevar8x32_epi32(
        _mm256_blend_epi32(_mm256_blend_epi32(w0, w1, 0x49), w2, 0x92), orderOfMeasure);
    // Sign bit set where exactly one end is in the tree; the float blend reads only that bit.
    const __m256i crosses = _mm256_xor_si256(TreeBitAtSign(table, node1), TreeBitAtSign(table, node2));
    const __m256i candidate = _mm256_castps_si256(_mm256_blendv_ps(
        _mm256_castsi256_ps(none), _mm256_castsi256_ps(measure), _mm256_castsi256_ps(crosses)));
    const __m256i cheaper = _mm256_cmpgt_epi32(laneMin, candidate);
    laneMin = _mm256_min_epi32(laneMin, candidate);
    laneEdge = _mm256_blendv_epi8(laneEdge, index, cheaper);
    index = _mm256_add_epi32(index, eight);
  }
  alignas(32) int mins[8];
  alignas(32) int edges[8];
  _mm256_store_si256(reinterpret_cast<__m256i*>(mins), laneMin);
  _mm256_store_si256(reinterpret_cast<__m256i*>(edges), laneEdge);
  int min = 0;
  int minEdge = -1;
  for (int lane = 0; lane < 8; ++lane) {
    if (edges[lane] >= 0 &&
        (minEdge < 0 || mins[lane] < min || (mins[lane] == min && edges[lane] < minEdge))) {
      min = mins[lane];
      minEdge = edges[lane];
    }
  }
  if (minEdge < 0) {
    return CheapestCrossingEdge(in, nOE, used);
  }
  ScanTail(in, i, nOE, used, min, minEdge);
  return minEdge;
}

#else

bool VectorScanAvailable() { return false; }

int CheapestCrossingEdgeVector(const Edges* in, int nOE, const int* used,
                               const std::uint32_t (&)[kVectorScanMaxNodes / 32]) {
  return CheapestCrossingEdge(in, nOE, used);
}

#endif
