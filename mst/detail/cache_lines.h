#pragma once

#include <cstddef>
#include <cstdint>

namespace mst {

// The layouts each make one allocation and cut it into arrays that start on cache lines of
// their own, so that no 64-byte vector load straddles two lines: kCacheLine bytes more than the
// arrays need, then the first line boundary in it.
constexpr std::size_t kCacheLine = 64;

// bytes rounded up to whole cache lines.
inline std::size_t Lines(std::size_t bytes) { return (bytes + kCacheLine - 1) / kCacheLine * kCacheLine; }

// The first cache-line boundary at or after memory.
inline unsigned char* FirstLine(void* memory) {
  const auto address = reinterpret_cast<std::uintptr_t>(memory);
  return reinterpret_cast<unsigned char*>((address + kCacheLine - 1) / kCacheLine * kCacheLine);
}

}  // namespace mst
