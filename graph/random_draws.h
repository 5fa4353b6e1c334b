#pragma once

#include <cstddef>
#include <cstdint>
#include <random>

namespace mst {

// Portable random draws, for mst-netgen's generators and mst-draw's layout. mt19937_64's
// sequence is fixed by the C++ standard and everything below is this file's own arithmetic, so
// the same seed gives the same draws on every platform and standard library
// (std::uniform_int_distribution, uniform_real_distribution and shuffle would not).

// Uniform in [0, n) for 1 <= n <= 2^32, by rejection, so no value is favoured.
inline std::uint64_t Below(std::mt19937_64& rng, std::uint64_t n) {
  const std::uint64_t limit = ~std::uint64_t{0} - (~std::uint64_t{0} % n + 1) % n;
  std::uint64_t draw = rng();
  while (draw > limit) {
    draw = rng();
  }
  return draw % n;
}

inline int BelowInt(std::mt19937_64& rng, int n) { return static_cast<int>(Below(rng, static_cast<std::uint64_t>(n))); }

// Uniform in [0, 1): the draw's top 53 bits as a double's fraction, exactly.
inline double Unit(std::mt19937_64& rng) { return static_cast<double>(rng() >> 11) * 0x1.0p-53; }

// Fisher and Yates's shuffle of items, drawing with Below.
template <typename Items>
void Shuffle(Items& items, std::mt19937_64& rng) {
  for (std::size_t k = items.size(); k > 1; --k) {
    using std::swap;
    swap(items[k - 1], items[static_cast<std::size_t>(Below(rng, k))]);
  }
}

}  // namespace mst
