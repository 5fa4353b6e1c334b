#include "mst/detail/mark_layout.h"

#include <climits>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "mst/detail/cache_lines.h"

namespace mst {

bool MarkLayout::Make(const Edges* in, int nOE, bool wordsPerEdge, bool packEnds) {
  const long long paddedWide = (static_cast<long long>(nOE) + kBlock - 1) / kBlock * kBlock;
  if (paddedWide > INT_MAX) {
    return false;  // edge indices must stay ints
  }
  const int padded = static_cast<int>(paddedWide);
  const std::size_t count = static_cast<std::size_t>(padded);
  const std::size_t fieldBytes = Lines(count * sizeof(std::int32_t));
  const std::size_t markBytes = Lines(wordsPerEdge ? count * sizeof(std::uint32_t) : count / 8);
  const int fields = packEnds ? 2 : 3;
  void* memory = std::malloc(kCacheLine + fields * fieldBytes + markBytes);
  if (memory == nullptr) {
    return false;
  }
  unsigned char* base = FirstLine(memory);
  block = memory;
  if (packEnds) {
    ends = reinterpret_cast<std::uint32_t*>(base);
  } else {
    node1 = reinterpret_cast<std::int32_t*>(base);
    node2 = reinterpret_cast<std::int32_t*>(base + fieldBytes);
  }
  measure = reinterpret_cast<std::int32_t*>(base + (fields - 1) * fieldBytes);
  marks = reinterpret_cast<std::uint32_t*>(base + fields * fieldBytes);
  edges = nOE;
  paddedEdges = padded;
  wordPerEdge = wordsPerEdge;
  for (int i = 0; i < padded; ++i) {
    const Edges edge = i < nOE ? in[i] : Edges{0, 0, INT_MAX};
    if (packEnds) {
      ends[i] = static_cast<std::uint32_t>(edge.node1) | static_cast<std::uint32_t>(edge.node2) << 16;
    } else {
      node1[i] = edge.node1;
      node2[i] = edge.node2;
    }
    measure[i] = edge.measure;
  }
  std::memset(marks, 0, markBytes);
  return true;
}

void MarkLayout::MarkFrom(const int* used) {
  for (int i = 0; i < edges; ++i) {
    const int end1 = ends != nullptr ? static_cast<int>(ends[i] & 0xFFFFu) : node1[i];
    const int end2 = ends != nullptr ? static_cast<int>(ends[i] >> 16) : node2[i];
    const bool crosses = (used[end1] ^ used[end2]) != 0;
    if (wordPerEdge) {
      marks[i] = crosses ? ~std::uint32_t{0} : 0;
    } else if (crosses) {
      masks()[i / 16] = static_cast<std::uint16_t>(masks()[i / 16] | (1u << (i % 16)));
    }
  }
}

void MarkLayout::Free() {
  std::free(block);
  *this = MarkLayout{};
}

}  // namespace mst
