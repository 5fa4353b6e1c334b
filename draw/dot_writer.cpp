#include "draw/dot_writer.h"

#include <algorithm>

namespace mst {

namespace {

const char* const kPrimColour = "#1f5fbf";
const char* const kKruskalColour = "#c8412b";
const char* const kOtherColour = "#b0b0b0";

std::string EdgeLabel(int measure, int primStep, int kruskalStep) {
  std::string label = std::to_string(measure);
  if (primStep > 0 || kruskalStep > 0) label += " ";
  if (primStep > 0) label += " P" + std::to_string(primStep);
  if (kruskalStep > 0) label += " K" + std::to_string(kruskalStep);
  return label;
}

// The points in inches: the larger extent of the points becomes kPinnedDrawingInches.
std::vector<Position> Pinned(const std::vector<Position>& positions) {
  double minX = positions[0].x, maxX = minX, minY = positions[0].y, maxY = minY;
  for (const Position& p : positions) {
    minX = std::min(minX, p.x);
    maxX = std::max(maxX, p.x);
    minY = std::min(minY, p.y);
    maxY = std::max(maxY, p.y);
  }
  const double extent = std::max(maxX - minX, maxY - minY);
  const double scale = extent > 0 ? kPinnedDrawingInches / extent : 1.0;
  std::vector<Position> inches;
  for (const Position& p : positions) inches.push_back({(p.x - minX) * scale, (p.y - minY) * scale});
  return inches;
}

// A name as the drawing shows it: whole up to kNameShownUpTo characters, else its first
// kNameShownUpTo - 1 and an ellipsis (never cut inside a UTF-8 character).
std::string ShownName(const std::string& name) {
  int characters = 0;
  std::size_t cut = 0;
  for (std::size_t at = 0; at < name.size(); ++at) {
    if ((static_cast<unsigned char>(name[at]) & 0xC0u) == 0x80u) continue;
    if (++characters == kNameShownUpTo) cut = at;
    if (characters > kNameShownUpTo) return name.substr(0, cut) + "\xE2\x80\xA6";
  }
  return name;
}

// The caption: the file, its counts, both totals, and how many rows were left out if any.
std::string Caption(const Drawing& drawing) {
  const TreeMarks& marks = *drawing.marks;
  int leftOut = 0;
  if (drawing.nOE > kAllEdgesUpTo) {
    for (int r = 0; r < drawing.nOE; ++r) {
      const auto ur = static_cast<std::size_t>(r);
      leftOut += marks.primStep[ur] == 0 && marks.kruskalStep[ur] == 0 ? 1 : 0;
    }
  }
  std::string caption = drawing.title + ": " + std::to_string(drawing.nON) + " nodes, " + std::to_string(drawing.nOE) +
                        " edges. Prim's tree (blue, P<k>: its k-th edge) total " + std::to_string(marks.primTotal) +
                        "; Kruskal's tree (red, K<k>) total " + std::to_string(marks.kruskalTotal) + ".";
  if (leftOut > 0) {
    caption += " The " + std::to_string(leftOut) + " edges in neither tree are left out (more than " +
               std::to_string(kAllEdgesUpTo) + " edges).";
  }
  return caption;
}

// Each node once with the id n<number> (pages find it by that), node 1 (where Prim's tree grows
// from) filled; named and pinned at its point if given.
void WriteNodes(std::FILE* file, const Drawing& drawing) {
  const std::vector<Position> inches =
      drawing.positions != nullptr ? Pinned(*drawing.positions) : std::vector<Position>();
  for (int node = 1; node <= drawing.nON; ++node) {
    std::string attributes;
    if (!inches.empty()) {
      char pos[64];
      const Position& p = inches[static_cast<std::size_t>(node - 1)];
      std::snprintf(pos, sizeof pos, ", pos=\"%.4f,%.4f!\"", p.x, p.y);
      attributes += pos;
    }
    if (drawing.names != nullptr) {
      const std::string& name = (*drawing.names)[static_cast<std::size_t>(node - 1)];
      if (inches.empty()) attributes += ", label=\"" + DotQuoted(ShownName(name)) + "\"";
      attributes += ", tooltip=\"" + std::to_string(node) + ": " + DotQuoted(name) + "\"";
    }
    if (node == 1) attributes += ", style=filled, fillcolor=\"#d8e4f5\"";
    std::fprintf(file, "  %d [id=\"n%d\"%s];\n", node, node, attributes.c_str());
  }
}

// Every row in file order, as its label node and two halves: tree rows bold in their trees'
// colours with their class words, the rest thin and grey, or left out above kAllEdgesUpTo
// edges. When the ends are pinned, so is the label node, at the middle of its edge: the edge
// stays straight, as on a map.
void WriteEdges(std::FILE* file, const Drawing& drawing) {
  const TreeMarks& marks = *drawing.marks;
  const bool allEdges = drawing.nOE <= kAllEdgesUpTo;
  const std::vector<Position> inches =
      drawing.positions != nullptr ? Pinned(*drawing.positions) : std::vector<Position>();
  for (int r = 0; r < drawing.nOE; ++r) {
    const Edges& edge = drawing.edges[r];
    const int primStep = marks.primStep[static_cast<std::size_t>(r)];
    const int kruskalStep = marks.kruskalStep[static_cast<std::size_t>(r)];
    const std::string label = EdgeLabel(edge.measure, primStep, kruskalStep);
    std::string classes, style, labelStyle;
    if (primStep > 0 || kruskalStep > 0) {
      classes = std::string(primStep > 0 ? "prim" : "") + (primStep > 0 && kruskalStep > 0 ? " " : "") +
                (kruskalStep > 0 ? "kruskal" : "");
      const std::string colour = primStep > 0 && kruskalStep > 0 ? std::string(kPrimColour) + ":" + kKruskalColour
                                                                 : (primStep > 0 ? kPrimColour : kKruskalColour);
      style = "color=\"" + colour + "\", penwidth=2.5, style=bold, weight=3, len=0.3";
    } else if (allEdges) {
      classes = "other";
      style = std::string("color=\"") + kOtherColour + "\", style=dashed, weight=0.05, len=0.75";
      labelStyle = ", fontcolor=\"#909090\", fontsize=7";
    } else {
      continue;
    }
    std::string start;
    if (!inches.empty()) {
      const Position& a = inches[static_cast<std::size_t>(edge.node1)];
      const Position& b = inches[static_cast<std::size_t>(edge.node2)];
      char pos[64];
      std::snprintf(pos, sizeof pos, ", pos=\"%.4f,%.4f!\"", (a.x + b.x) / 2, (a.y + b.y) / 2);
      start = pos;
    }
    std::fprintf(file, "  m%d [id=\"m%d\", class=\"label %s\", label=\"%s\"%s%s];\n", r + 1, r + 1, classes.c_str(),
                 label.c_str(), labelStyle.c_str(), start.c_str());
    // Each half runs to the label's centre (unclipped there), so that the edge is one unbroken
    // line under its label.
    std::fprintf(file, "  %d -- m%d [id=\"e%d\", class=\"%s\", %s, headclip=false];\n", edge.node1 + 1, r + 1, r + 1,
                 classes.c_str(), style.c_str());
    std::fprintf(file, "  m%d -- %d [id=\"e%d-2\", class=\"%s\", %s, tailclip=false];\n", r + 1, edge.node2 + 1, r + 1,
                 classes.c_str(), style.c_str());
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
  std::fprintf(file, "graph mst {\n");
  std::fprintf(file, "  label=\"%s\";\n", DotQuoted(Caption(drawing)).c_str());
  std::fprintf(file, "  labelloc=t;\n");
  std::fprintf(file, "  fontname=\"Helvetica\";\n");
  // A spring layout (neato, whichever Graphviz program is called) in which the tree edges pull
  // hard and the others barely: the drawing takes the shape of the trees, compact and readable
  // up to about 60 nodes and 300 edges, where a layered layout spreads into a wide tangle.
  // Edge labels are nodes of their own, so overlap=false keeps them clear of each other and of
  // the nodes.
  std::fprintf(file, "  layout=neato;\n");
  std::fprintf(file, "  overlap=false;\n");
  std::fprintf(file, "  outputorder=edgesfirst;\n");
  // Pinned drawings keep their points' scale, so their nodes and labels are kept small; named
  // nodes are ellipses around their names.
  const bool pinned = drawing.positions != nullptr;
  const bool named = drawing.names != nullptr && !pinned;
  std::fprintf(file,
               "  node [shape=%s, margin=%s, style=filled, fillcolor=white, fontname=\"Helvetica\", fontsize=%d];\n",
               named ? "ellipse" : "circle", pinned ? "0, width=0.2, height=0.2" : (named ? "\"0.04,0.01\"" : "0.02"),
               pinned ? 7 : 10);
  std::fprintf(file, "  edge [fontname=\"Helvetica\"];\n");
  WriteNodes(file, drawing);
  // The edge labels' nodes: a white box without a border, so that a label reads over any line.
  std::fprintf(file,
               "  node [shape=box, style=filled, fillcolor=white, color=none, width=0, height=0, margin=\"0.02,0\", "
               "fontsize=%d];\n",
               pinned ? 7 : 9);
  WriteEdges(file, drawing);
  std::fprintf(file, "}\n");
}

}  // namespace mst
