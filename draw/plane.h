#pragma once

#include <cmath>

namespace mst {

// The length of (dx, dy) as the square root of the sum of squares: the basic operations, which
// every build rounds alike, where a maths library's hypot may differ in a last bit between
// builds (native, libc++, WebAssembly), and the drawing with it. Lengths here are far from
// overflow.
[[nodiscard]] inline double Length(double dx, double dy) { return std::sqrt(dx * dx + dy * dy); }

}  // namespace mst
