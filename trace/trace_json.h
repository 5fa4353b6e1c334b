#pragma once

#include <string>

#include "trace/step_trace.h"

namespace mst {

// The trace as one JSON document, built in memory (its fields are described in
// docs/companions.md). Text fields escape '<' as well, so that the document can stand inside a
// page's script.
[[nodiscard]] std::string TraceJson(const StepTrace& trace, const std::string& title);

// A JSON string of text: quotes, backslashes, control characters and '<' escaped.
[[nodiscard]] std::string JsonString(const std::string& text);

}  // namespace mst
