#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "draw/positions_file.h"
#include "draw/tree_marks.h"
#include "graph/edges.h"

namespace mst {

// Networks with more edges than this are drawn with their tree edges only: beyond it the
// edges in neither tree would bury the trees. Up to it every edge appears.
constexpr int kAllEdgesUpTo = 300;

// The drawing's width or height, whichever is larger, in inches, when points are pinned.
constexpr double kPinnedDrawingInches = 10.0;

struct Drawing {
  std::string title;             // shown in the caption, usually the network file's name
  const Edges* edges = nullptr;  // the file's rows, in file order (0-based ends)
  int nOE = 0;
  int nON = 0;
  const TreeMarks* marks = nullptr;                  // from MarkReportedTrees on the same rows
  const std::vector<Position>* positions = nullptr;  // nON points, or null: the layout decides
  const std::vector<std::string>* names = nullptr;   // nON node names, or null: numbers only
};

// Names longer than this many characters are cut short in the drawing (the tooltip has them
// whole).
constexpr int kNameShownUpTo = 20;

// Writes the network as a Graphviz DOT undirected graph, one statement per line:
// - each node once, named by its 1-based number, with id="nK"; node 1, where Prim's tree grows
//   from, filled; with names, labelled by its name (cut short past kNameShownUpTo characters)
//   and with "K: name" as its tooltip; with positions, labelled by its number (the tooltip
//   names it) and pinned (pos="x,y!", in inches, scaled so the larger extent is
//   kPinnedDrawingInches);
// - each edge row r (1-based), in file order, as a label node "mR" (id="mR") between its ends
//   and two halves, "a -- mR" with id="eR" and "mR -- b" with id="eR-2". The label holds the
//   measure, and "P<k>"/"K<k>" for the row's step in each report. Being a node, the layout
//   (neato with overlap=false) keeps it clear of the other labels and nodes: edge labels never
//   overlap up to about 80 nodes and 300 edges (tested by rendering). With positions it is
//   pinned at the middle of its edge, and labels may meet where the points crowd. Rows of a reported tree
//   carry class words "prim" and/or "kruskal" on all three statements and are drawn bold (blue
//   for Prim's tree, red for Kruskal's, both side by side for a row in both); other rows are
//   drawn thin, dashed and grey with class "other", and are left out above kAllEdgesUpTo edges;
// - a caption with the title, the node and edge counts, both totals and what was left out.
// Edges are drawn first (outputorder=edgesfirst), so that nodes and labels lie on top.
void WriteDot(std::FILE* file, const Drawing& drawing);

// The text of a DOT double-quoted string: backslashes and double quotes escaped, line breaks
// as spaces.
std::string DotQuoted(const std::string& text);

}  // namespace mst
