#pragma once

#include <algorithm>
#include <vector>

// The one median of the project's timings and studies: the middle value of an odd count, the
// mean of the two middle values of an even one. Takes at least one value; sorts a copy.
namespace mst {

[[nodiscard]] inline double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const std::size_t n = values.size();
  return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

}  // namespace mst
