#pragma once

#include <string>

#include "trace/step_trace.h"

namespace mst {

// Makes the page that plays the trace: one self-contained HTML file (inline SVG, CSS and
// script, nothing fetched) drawn on svg, Graphviz's SVG rendering of mst-draw's DOT for the same
// network, whose edges carry id="e<row>" and nodes id="n<number>". Returns false, with why, when
// svg holds no <svg> element.
[[nodiscard]] bool StepPage(const StepTrace& trace, const std::string& title, const std::string& svg, std::string& page,
                            std::string& why);

}  // namespace mst
