#pragma once

#include <string>

#include "trace/step_trace.h"

namespace mst {

// The trace as one JSON document, built in memory (its fields are described in the README).
// Text fields escape '<' as well, so that the document can stand inside a page's script.
[[nodiscard]] std::string TraceJson(const StepTrace& trace, const std::string& title);

}  // namespace mst
