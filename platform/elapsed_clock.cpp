#include "platform/elapsed_clock.h"

namespace mst {

ClockReading ReadClock() { return std::chrono::steady_clock::now(); }

}  // namespace mst
