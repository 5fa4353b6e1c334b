#pragma once

#include <string>

#include "trace/step_trace.h"

namespace mst {

// The trace for people: per routine a heading, a header line and one aligned line per step,
// then how Kruskal's loop ended. title names the network.
[[nodiscard]] std::string TraceText(const StepTrace& trace, const std::string& title);

}  // namespace mst
