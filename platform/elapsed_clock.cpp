#include "platform/elapsed_clock.h"

#include <climits>

namespace mst {

ClockReading ReadClock() { return std::chrono::steady_clock::now(); }

int ElapsedMilliseconds(ClockReading start, ClockReading end) {
  if (end <= start) {
    return 0;
  }
  const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(end - start).count();
  return ms > INT_MAX ? INT_MAX : static_cast<int>(ms);
}

}  // namespace mst
