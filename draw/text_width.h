#pragma once

#include <string>

// How wide a text comes out in the drawing, estimated without the font: mst-draw places every
// node and label itself, and Graphviz grows a shape that its text overflows, which could make
// two shapes meet. So the estimate errs wide: Helvetica's widths (Graphviz's default font, and
// Nimbus Sans, Liberation Sans and Arial's) for ASCII, a wide letter's for other scripts, and a
// wide ideograph's for the scripts that have them, all with a margin.
namespace mst {

// The width in points of text (UTF-8) set at fontSize points. Cost: one pass over text.
[[nodiscard]] double TextWidth(const std::string& text, double fontSize);

// The height in points of one line of text at fontSize points.
[[nodiscard]] inline double TextHeight(double fontSize) { return fontSize * 1.25 + 2; }

}  // namespace mst
