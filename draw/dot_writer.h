#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "draw/label_placement.h"
#include "draw/positions_file.h"
#include "draw/tree_marks.h"
#include "graph/edges.h"
#include "graph/network_vectors.h"

namespace mst {

// Networks with more edges than this are drawn with their tree edges only: beyond it the
// edges in neither tree would bury the trees. Up to it every edge appears.
constexpr int kAllEdgesUpTo = 300;

// Networks of more nodes than this are crowded: a few of their tree labels may be left out (see
// LayOut).
constexpr int kCrowdedFrom = 1000;

// The drawing's width or height, whichever is larger, in inches, when points are pinned (at
// least: more where the labels need room).
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

// The drawing of a whole network with its trees as marked (marks from MarkReportedTrees on
// network's rows). Holds pointers into network, marks, positions and names (each may be null
// or empty: not given), which must outlive it.
[[nodiscard]] Drawing NetworkDrawing(const std::string& title, const Network& network, const TreeMarks& marks,
                                     const std::vector<Position>& positions, const std::vector<std::string>& names);

// Names longer than this many characters are cut short in the drawing (the tooltip has them
// whole).
constexpr int kNameShownUpTo = 20;

// Where everything goes, in points (y up, as Graphviz has it): each node's shape, and each
// row's label box where it was placed.
struct DrawingGeometry {
  std::vector<PlacedBox> nodes;   // per node, 0-based
  std::vector<PlacedBox> labels;  // per row
  std::vector<bool> drawn;        // per row: the edge is in the drawing
  std::vector<bool> labelled;     // per row: its label found a place (always, for tree rows)
  std::vector<std::string> text;  // per row: its label's text
};

// Lays the drawing out. The nodes: at their points where positions are given, else by a stress
// layout (draw/stress_layout.h) over the drawn edges, a tree edge standing for a shorter distance
// (1, more at a hub) than the others (2.5), so that the drawing takes the shape of the trees;
// on a sparse network (at most two drawn edges a node: grids, rings) the others stand for 1.5,
// so that it keeps its own untangled shape (longer, a grid's non-tree edges folded it).
// The labels: on or beside their edges' straight lines (draw/label_placement.h), the trees'
// first, then the others in file order. The drawing is scaled up, from where a typical tree edge
// holds its label (where points are given, from kPinnedDrawingInches), until every tree label
// finds a place: up to 6 times larger (3 where points are given, whose drawing is at least so
// large that the median tree edge is 1.6 node widths long); above kCrowdedFrom nodes, until
// all but one in 200 do. Nodes that meet are moved apart, pinned ones too where their points are
// closer than their shapes. A label without a place is left out (the edge's tooltip gives it).
// Cost: the stress layout's, then about 35 tries per label per scale tried.
[[nodiscard]] DrawingGeometry LayOut(const Drawing& drawing);

// Writes the network as a Graphviz DOT undirected graph, one statement per line, with every
// node pinned where LayOut put it (pos="x,y!", in inches), so that any Graphviz program draws it
// as laid out (layout=neato, overlap=true: nothing is moved):
// - each node once, named by its 1-based number, with id="nK"; node 1, where Prim's tree grows
//   from, filled; with names, labelled by its name (cut short past kNameShownUpTo characters)
//   and with "name (K)" as its tooltip; with positions, labelled by its number (the tooltip
//   names it);
// - each drawn edge row r (1-based), in file order, as one straight edge "a -- b" with
//   id="eR" and its label, where it has a place, as a node "mR" (id="mR") on or beside it. The
//   label holds the measure, and "P<k>"/"K<k>" for the row's step in each report. Rows of a
//   reported tree carry class words "prim" and/or "kruskal" on both statements and are drawn
//   bold (blue for Prim's tree, red for Kruskal's, both side by side for a row in both); other
//   rows are drawn thin, dashed and grey with class "other", and are left out above
//   kAllEdgesUpTo edges. Every edge's tooltip gives its row, ends and measure;
// - a caption with the title, the node and edge counts, both totals and what was left out.
// Edges are drawn first (outputorder=edgesfirst), so that nodes and labels lie on top.
void WriteDot(std::FILE* file, const Drawing& drawing);

// The text of a DOT double-quoted string: backslashes and double quotes escaped, line breaks
// as spaces.
std::string DotQuoted(const std::string& text);

}  // namespace mst
