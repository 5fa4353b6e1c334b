#include "draw/dot_writer.h"

#include <algorithm>
#include <cmath>

#include "draw/drawing_parts.h"
#include "draw/plane.h"
#include "draw/stress_layout.h"
#include "draw/text_width.h"

namespace mst {

namespace {

// The node's shape, by what it shows: a name in an ellipse round it, a number in a circle (a
// small one where the points are pinned).
PlacedBox NodeShape(const Drawing& drawing, int node) {
  if (NamedNodes(drawing)) {
    const std::string shown = ShownName((*drawing.names)[static_cast<std::size_t>(node)]);
    // The ellipse round the text's box (and a margin of 0.04 by 0.01 inches) is sqrt(2) wider.
    return {0, 0, (TextWidth(shown, kNodeFont) + 5.8) * 1.4143, (TextHeight(kNodeFont) + 1.4) * 1.4143};
  }
  const double font = Pinned(drawing) ? kPinnedFont : kNodeFont;
  const std::string number = std::to_string(node + 1);
  const double diameter = Length(TextWidth(number, font), TextHeight(font)) + 2;
  const double size = std::max(diameter, Pinned(drawing) ? 14.4 : 0.0);
  return {0, 0, size, size};
}

// The stress layout's points, scaled so that a tree edge is 1.
std::vector<LayoutPoint> Layout(const Drawing& drawing, const std::vector<bool>& drawn) {
  if (Pinned(drawing)) {
    std::vector<LayoutPoint> points;
    for (const Position& p : *drawing.positions) points.push_back({p.x, p.y});
    return points;
  }
  // A tree edge at a node of many tree edges stands for a longer distance, so that the nodes
  // round a hub have room for their labels.
  std::vector<int> degree(static_cast<std::size_t>(drawing.nON), 0);
  for (int r = 0; r < drawing.nOE; ++r) {
    if (!InTree(*drawing.marks, r)) continue;
    ++degree[static_cast<std::size_t>(drawing.edges[r].node1)];
    ++degree[static_cast<std::size_t>(drawing.edges[r].node2)];
  }
  // The others: on a sparse network (grids, rings, roads: at most two edges a node) nearly a
  // tree edge's length, so that it keeps its own untangled shape; on a denser one longer, so
  // that the trees stand out of the crowd.
  const long long drawnEdges = std::count(drawn.begin(), drawn.end(), true);
  const double other = drawnEdges <= 2LL * drawing.nON ? 1.5 : 2.5;
  std::vector<LayoutEdge> edges;
  for (int r = 0; r < drawing.nOE; ++r) {
    if (!drawn[static_cast<std::size_t>(r)]) continue;
    const Edges& e = drawing.edges[r];
    const int hub = std::max(degree[static_cast<std::size_t>(e.node1)], degree[static_cast<std::size_t>(e.node2)]);
    edges.push_back({e.node1, e.node2, InTree(*drawing.marks, r) ? 0.6 + 0.2 * std::sqrt(hub) : other});
  }
  return StressLayout(drawing.nON, edges);
}

}  // namespace

Drawing NetworkDrawing(const std::string& title, const Network& network, const TreeMarks& marks,
                       const std::vector<Position>& positions, const std::vector<std::string>& names) {
  Drawing drawing;
  drawing.title = title;
  drawing.edges = network.edges.data();
  drawing.nOE = static_cast<int>(network.edges.size());
  drawing.nON = network.nON;
  drawing.marks = &marks;
  drawing.positions = positions.empty() ? nullptr : &positions;
  drawing.names = names.empty() ? nullptr : &names;
  return drawing;
}

DrawingGeometry LayOut(const Drawing& drawing) {
  const TreeMarks& marks = *drawing.marks;
  DrawingGeometry geometry;
  const auto rows = static_cast<std::size_t>(drawing.nOE);
  geometry.drawn.assign(rows, false);
  geometry.text.assign(rows, "");
  std::vector<LabelWanted> wanted;
  std::vector<int> rowOf;  // per wanted label, its row
  for (int r = 0; r < drawing.nOE; ++r) {
    const auto ur = static_cast<std::size_t>(r);
    geometry.drawn[ur] = InTree(marks, r) || drawing.nOE <= kAllEdgesUpTo;
    geometry.text[ur] = EdgeLabel(drawing.edges[r].measure, marks.primStep[ur], marks.kruskalStep[ur]);
  }
  const std::vector<LayoutPoint> points = Layout(drawing, geometry.drawn);
  for (int node = 0; node < drawing.nON; ++node) geometry.nodes.push_back(NodeShape(drawing, node));
  // The labels, the trees' first (in the order of Prim's report, then Kruskal's rows that are
  // not in Prim's tree), then the rest in file order.
  std::vector<int> order;
  for (int r = 0; r < drawing.nOE; ++r) {
    if (InTree(marks, r)) order.push_back(r);
  }
  std::stable_sort(order.begin(), order.end(), [&marks](int x, int y) {
    const auto key = [&marks](int r) {
      const int p = marks.primStep[static_cast<std::size_t>(r)];
      return p > 0 ? p : 1000000000 + marks.kruskalStep[static_cast<std::size_t>(r)];
    };
    return key(x) < key(y);
  });
  const std::size_t trees = order.size();
  for (int r = 0; r < drawing.nOE; ++r) {
    if (geometry.drawn[static_cast<std::size_t>(r)] && !InTree(marks, r)) order.push_back(r);
  }
  for (const int r : order) {
    const double font = Pinned(drawing) ? kPinnedFont : (InTree(marks, r) ? kTreeLabelFont : kOtherLabelFont);
    const std::string& text = geometry.text[static_cast<std::size_t>(r)];
    wanted.push_back({drawing.edges[r].node1, drawing.edges[r].node2, TextWidth(text, font) + 2, TextHeight(font)});
    rowOf.push_back(r);
  }
  // The first scale: where three in four tree edges are long enough for their label between
  // their ends' shapes.
  std::vector<double> needed;
  for (std::size_t k = 0; k < trees; ++k) {
    const LayoutPoint& a = points[static_cast<std::size_t>(wanted[k].a)];
    const LayoutPoint& b = points[static_cast<std::size_t>(wanted[k].b)];
    const double length = Length(a.x - b.x, a.y - b.y);
    if (length <= 0) continue;
    // Along the edge: the label's extent, and each end's shape's radius (an ellipse's).
    const double c = std::fabs(a.x - b.x) / length, s = std::fabs(a.y - b.y) / length;
    const auto radius = [c, s](const PlacedBox& shape) {
      const double rx = shape.width / 2, ry = shape.height / 2;
      return rx * ry / std::sqrt(ry * ry * c * c + rx * rx * s * s);
    };
    const double room = c * wanted[k].width + s * wanted[k].height +
                        radius(geometry.nodes[static_cast<std::size_t>(wanted[k].a)]) +
                        radius(geometry.nodes[static_cast<std::size_t>(wanted[k].b)]) + 6;
    needed.push_back(room / length);
  }
  double scale = 1;
  if (Pinned(drawing)) {  // the points' larger extent kPinnedDrawingInches, or more
    double minX = points[0].x, maxX = minX, minY = points[0].y, maxY = minY;
    for (const LayoutPoint& p : points) {
      minX = std::min(minX, p.x);
      maxX = std::max(maxX, p.x);
      minY = std::min(minY, p.y);
      maxY = std::max(maxY, p.y);
    }
    const double extent = std::max(maxX - minX, maxY - minY);
    scale = extent > 0 ? kPinnedDrawingInches * 72 / extent : 1;
    // A crowded map is drawn larger: large enough that a typical (the median) tree edge is 1.6
    // node widths long, so that the trees show between the circles rather than under them.
    std::vector<double> wanted;
    for (int r = 0; r < drawing.nOE; ++r) {
      if (!InTree(marks, r)) continue;
      const LayoutPoint& a = points[static_cast<std::size_t>(drawing.edges[r].node1)];
      const LayoutPoint& b = points[static_cast<std::size_t>(drawing.edges[r].node2)];
      const double length = Length(a.x - b.x, a.y - b.y);
      if (length > 0)
        wanted.push_back(1.6 * geometry.nodes[static_cast<std::size_t>(drawing.edges[r].node1)].width / length);
    }
    if (!wanted.empty()) {
      std::nth_element(wanted.begin(), wanted.begin() + static_cast<std::ptrdiff_t>(wanted.size() / 2), wanted.end());
      scale = std::max(scale, wanted[wanted.size() / 2]);
    }
  }
  if (!needed.empty() && !Pinned(drawing)) {
    std::nth_element(needed.begin(), needed.begin() + static_cast<std::ptrdiff_t>(needed.size() / 2), needed.end());
    scale = needed[needed.size() / 2];
  }
  // The scale grows (16 times by 1.12: up to 6 times larger; 10 times, 3 times larger, where the
  // points are given, whose crowds would otherwise make a huge map) until every tree label has
  // a place; in networks of more than kCrowdedFrom nodes, all but one in 200 (the last few
  // would double the drawing). Labels left without a place are left out.
  const std::size_t stubborn = drawing.nON > kCrowdedFrom ? trees / 200 : 0;
  const int attempts = Pinned(drawing) ? 10 : 16;
  std::vector<PlacedBox> boxes;
  std::vector<bool> placed;
  for (int attempt = 0; attempt < attempts; ++attempt, scale *= 1.12) {
    for (int node = 0; node < drawing.nON; ++node) {
      geometry.nodes[static_cast<std::size_t>(node)].x = points[static_cast<std::size_t>(node)].x * scale;
      geometry.nodes[static_cast<std::size_t>(node)].y = points[static_cast<std::size_t>(node)].y * scale;
    }
    // Nodes that meet are moved apart, pinned ones too (points too close for their shapes: a
    // few points off their places).
    SeparateNodes(geometry.nodes, Pinned(drawing) ? 2 : 4);
    PlaceLabels(geometry.nodes, wanted, boxes, placed);
    // The last attempt's drawing stands when every attempt leaves too many labels out.
    if (static_cast<std::size_t>(
            std::count(placed.begin(), placed.begin() + static_cast<std::ptrdiff_t>(trees), false)) <= stubborn) {
      break;
    }
  }
  // The drawing from the origin: its lowest and leftmost node centres at 0.
  double left = 0, bottom = 0;
  for (std::size_t node = 0; node < geometry.nodes.size(); ++node) {
    left = node == 0 ? geometry.nodes[0].x : std::min(left, geometry.nodes[node].x);
    bottom = node == 0 ? geometry.nodes[0].y : std::min(bottom, geometry.nodes[node].y);
  }
  for (PlacedBox& box : geometry.nodes) {
    box.x -= left;
    box.y -= bottom;
  }
  for (PlacedBox& box : boxes) {
    box.x -= left;
    box.y -= bottom;
  }
  geometry.labels.assign(rows, {0, 0, 0, 0});
  geometry.labelled.assign(rows, false);
  for (std::size_t k = 0; k < wanted.size(); ++k) {
    const auto r = static_cast<std::size_t>(rowOf[k]);
    geometry.labels[r] = boxes[k];
    geometry.labelled[r] = placed[k];
  }
  return geometry;
}

namespace {

std::string Inches(double x, double y) {
  char pos[64];
  std::snprintf(pos, sizeof pos, "%.4f,%.4f!", x / 72, y / 72);
  return pos;
}

std::string Size(const PlacedBox& box) {
  char size[64];
  std::snprintf(size, sizeof size, "width=%.4f, height=%.4f", box.width / 72, box.height / 72);
  return size;
}

// Each node once with the id n<number> (pages find it by that), node 1 (where Prim's tree grows
// from) filled.
void WriteNodes(std::FILE* file, const Drawing& drawing, const DrawingGeometry& geometry) {
  for (int node = 1; node <= drawing.nON; ++node) {
    const PlacedBox& shape = geometry.nodes[static_cast<std::size_t>(node - 1)];
    std::string attributes = ", pos=\"" + Inches(shape.x, shape.y) + "\", " + Size(shape);
    if (drawing.names != nullptr) {
      const std::string& name = (*drawing.names)[static_cast<std::size_t>(node - 1)];
      if (NamedNodes(drawing)) attributes += ", label=\"" + DotQuoted(ShownName(name)) + "\"";
      attributes += ", tooltip=\"" + DotQuoted(NodeText(drawing, node - 1)) + "\"";
    }
    if (node == 1) attributes += std::string(", style=filled, fillcolor=\"") + kRootFill + "\"";
    std::fprintf(file, "  %d [id=\"n%d\"%s];\n", node, node, attributes.c_str());
  }
}

// Every drawn row in file order, as one straight edge and its label where it has a place: tree
// rows bold in their trees' colours with their class words, the rest thin and grey.
void WriteEdges(std::FILE* file, const Drawing& drawing, const DrawingGeometry& geometry) {
  const TreeMarks& marks = *drawing.marks;
  for (int r = 0; r < drawing.nOE; ++r) {
    const auto ur = static_cast<std::size_t>(r);
    if (!geometry.drawn[ur]) continue;
    const Edges& edge = drawing.edges[r];
    const int primStep = marks.primStep[ur];
    const int kruskalStep = marks.kruskalStep[ur];
    std::string classes, style, labelStyle;
    if (primStep > 0 || kruskalStep > 0) {
      classes = std::string(primStep > 0 ? "prim" : "") + (primStep > 0 && kruskalStep > 0 ? " " : "") +
                (kruskalStep > 0 ? "kruskal" : "");
      const std::string colour = primStep > 0 && kruskalStep > 0 ? std::string(kPrimColour) + ":" + kKruskalColour
                                                                 : (primStep > 0 ? kPrimColour : kKruskalColour);
      style = "color=\"" + colour + "\", penwidth=2.5, style=bold";
      if (Pinned(drawing)) labelStyle = ", fontsize=7";
    } else {
      classes = "other";
      style = std::string("color=\"") + kOtherColour + "\", style=dashed";
      labelStyle = std::string(", fontcolor=\"") + kOtherLabelColour + "\", fontsize=7";
    }
    if (geometry.labelled[ur]) {
      const PlacedBox& box = geometry.labels[ur];
      std::fprintf(file, "  m%d [id=\"m%d\", class=\"label %s\", label=\"%s\", pos=\"%s\", %s%s];\n", r + 1, r + 1,
                   classes.c_str(), geometry.text[ur].c_str(), Inches(box.x, box.y).c_str(), Size(box).c_str(),
                   labelStyle.c_str());
    }
    const std::string tooltip = EdgeTooltip(drawing, r);
    std::fprintf(file, "  %d -- %d [id=\"e%d\", class=\"%s\", %s, tooltip=\"%s\"];\n", edge.node1 + 1, edge.node2 + 1,
                 r + 1, classes.c_str(), style.c_str(), DotQuoted(tooltip).c_str());
  }
}

}  // namespace

std::string DotQuoted(const std::string& text) {
  std::string quoted;
  for (const char c : text) {
    if (c == '"' || c == '\\') quoted.push_back('\\');
    quoted.push_back(c == '\n' || c == '\r' ? ' ' : c);
  }
  return quoted;
}

void WriteDot(std::FILE* file, const Drawing& drawing) {
  const DrawingGeometry geometry = LayOut(drawing);
  std::fprintf(file, "graph mst {\n");
  std::fprintf(file, "  label=\"%s\";\n", DotQuoted(Caption(drawing, geometry)).c_str());
  std::fprintf(file, "  labelloc=t;\n");
  std::fprintf(file, "  fontname=\"Helvetica\";\n");
  // Every node is pinned where LayOut put it: neato (or any Graphviz program, as layout= asks)
  // moves nothing (overlap=true: LayOut kept the shapes apart) and draws the edges straight.
  std::fprintf(file, "  layout=neato;\n");
  std::fprintf(file, "  overlap=true;\n");
  std::fprintf(file, "  splines=false;\n");
  std::fprintf(file, "  outputorder=edgesfirst;\n");
  const bool pinned = Pinned(drawing);
  std::fprintf(
      file, "  node [shape=%s, margin=%s, style=filled, fillcolor=white, fontname=\"Helvetica\", fontsize=%d];\n",
      NamedNodes(drawing) ? "ellipse" : "circle", NamedNodes(drawing) ? "\"0.04,0.01\"" : "0", pinned ? 7 : 10);
  std::fprintf(file, "  edge [fontname=\"Helvetica\"];\n");
  WriteNodes(file, drawing, geometry);
  // The edge labels' nodes: a white box without a border, so that a label reads over its line.
  std::fprintf(file, "  node [shape=box, style=filled, fillcolor=white, color=none, margin=0, fontsize=%d];\n",
               pinned ? 7 : 9);
  WriteEdges(file, drawing, geometry);
  std::fprintf(file, "}\n");
}

}  // namespace mst
