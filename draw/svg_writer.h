#pragma once

#include <string>

#include "draw/dot_writer.h"

namespace mst {

// The drawing as one SVG document, laid out by LayOut and drawn as Graphviz would draw WriteDot's
// DOT, so that no Graphviz is needed and step pages (mst-trace --page) read it alike:
// - a group "graph0" of class graph, its coordinates in points with y pointing up as LayOut's
//   (written negated, under a translate), holding a white background polygon and the caption
//   at the top as its direct children;
// - each drawn row r (1-based) as a group id="eR" of class "edge" and the row's trees ("prim",
//   "kruskal", or "other"), titled "a&#45;&#45;b" by its ends' numbers, its tooltip in a link,
//   and one straight path between its ends' centres (two side by side for a row of both trees);
// - each placed label as a group id="mR" of class "node label ...": a white box and its text;
// - each node as a group id="nK" of class "node", titled K, with an ellipse (a circle where it
//   shows a number) and its text, node 1 filled; named nodes carry "name (K)" as tooltip.
// Edges come first, then labels, then nodes, so that nodes and labels lie on top. Texts are
// XML-escaped; a control character in a name is shown by its Unicode control picture (XML has no
// way to hold it). Cost: LayOut's, then linear in the drawing.
[[nodiscard]] std::string SvgDrawing(const Drawing& drawing);

}  // namespace mst
