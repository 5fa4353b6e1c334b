#include "mst/detail/scan_layout.h"

#include <climits>
#include <cstdint>
#include <cstdlib>

#include "mst/detail/cache_lines.h"

bool ScanLayout::Make(const Edges* in, int nOE, int nON, int tableWords) {
  const long long paddedWide = (static_cast<long long>(nOE) + kScanBlock - 1) / kScanBlock * kScanBlock;
  if (paddedWide > INT_MAX) {
    return false;  // edge indices must stay ints
  }
  const int padded = static_cast<int>(paddedWide);
  const int needWords = (nON + 31) / 32;
  const int words = needWords < tableWords ? tableWords : needWords;
  // One block: the three field arrays, then the table, each on cache lines of its
  // own, so that no 64-byte load straddles two lines.
  const std::size_t count = static_cast<std::size_t>(padded);
  const std::size_t fieldBytes = Lines(count * sizeof(std::int32_t));
  const std::size_t tableBytes = Lines(static_cast<std::size_t>(words) * sizeof(std::uint32_t));
  void* memory = std::malloc(kCacheLine + 3 * fieldBytes + tableBytes);
  if (memory == nullptr) {
    return false;
  }
  unsigned char* base = FirstLine(memory);
  block = memory;
  node1 = reinterpret_cast<std::int32_t*>(base);
  node2 = reinterpret_cast<std::int32_t*>(base + fieldBytes);
  measure = reinterpret_cast<std::int32_t*>(base + 2 * fieldBytes);
  treeBits = reinterpret_cast<std::uint32_t*>(base + 3 * fieldBytes);
  paddedEdges = padded;
  for (int i = 0; i < nOE; ++i) {
    node1[i] = in[i].node1;
    node2[i] = in[i].node2;
  }
  for (int i = nOE; i < padded; ++i) {
    node1[i] = node2[i] = 0;
  }
  for (int i = 0; i < nOE; ++i) {
    measure[i] = in[i].measure;
  }
  for (int i = nOE; i < padded; ++i) {
    measure[i] = INT_MAX;
  }
  for (int w = 0; w < words; ++w) {
    treeBits[w] = 0;
  }
  return true;
}

void ScanLayout::Free() {
  std::free(block);
  *this = ScanLayout{};
}
