#pragma once

#include <cstdint>
#include <random>

namespace mst {

// Draws for mst-netgen's generators. mt19937_64's sequence is fixed by the C++ standard and
// everything below is this file's own integer arithmetic, so the same seed gives the same
// draws on every platform (std::uniform_int_distribution would not).

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

}  // namespace mst
