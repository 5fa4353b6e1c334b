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

// Pins each node: the larger extent of the points becomes kPinnedDrawingInches.
void WritePinnedNodes(std::FILE* file, const std::vector<Position>& positions) {
  double minX = positions[0].x, maxX = minX, minY = positions[0].y, maxY = minY;
  for (const Position& p : positions) {
    minX = std::min(minX, p.x);
    maxX = std::max(maxX, p.x);
    minY = std::min(minY, p.y);
    maxY = std::max(maxY, p.y);
  }
  const double extent = std::max(maxX - minX, maxY - minY);
  const double scale = extent > 0 ? kPinnedDrawingInches / extent : 1.0;
  for (std::size_t k = 0; k < positions.size(); ++k) {
    std::fprintf(file, "  %d [id=\"n%d\", pos=\"%.4f,%.4f!\"%s];\n", static_cast<int>(k) + 1, static_cast<int>(k) + 1,
                 (positions[k].x - minX) * scale, (positions[k].y - minY) * scale,
                 k == 0 ? ", style=filled, fillcolor=\"#d8e4f5\"" : "");
  }
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
// from) filled; pinned at its point if given.
void WriteNodes(std::FILE* file, const Drawing& drawing) {
  if (drawing.positions != nullptr) {
    WritePinnedNodes(file, *drawing.positions);
    return;
  }
  for (int node = 1; node <= drawing.nON; ++node) {
    std::fprintf(file, "  %d [id=\"n%d\"%s];\n", node, node, node == 1 ? ", style=filled, fillcolor=\"#d8e4f5\"" : "");
  }
}

// Every row in file order: tree rows bold in their trees' colours with their class words, the
// rest thin and grey, or left out above kAllEdgesUpTo edges.
void WriteEdges(std::FILE* file, const Drawing& drawing) {
  const TreeMarks& marks = *drawing.marks;
  const bool allEdges = drawing.nOE <= kAllEdgesUpTo;
  for (int r = 0; r < drawing.nOE; ++r) {
    const Edges& edge = drawing.edges[r];
    const int primStep = marks.primStep[static_cast<std::size_t>(r)];
    const int kruskalStep = marks.kruskalStep[static_cast<std::size_t>(r)];
    const std::string label = EdgeLabel(edge.measure, primStep, kruskalStep);
    std::string style;
    if (primStep > 0 || kruskalStep > 0) {
      const std::string classes = std::string(primStep > 0 ? "prim" : "") +
                                  (primStep > 0 && kruskalStep > 0 ? " " : "") + (kruskalStep > 0 ? "kruskal" : "");
      const std::string colour = primStep > 0 && kruskalStep > 0 ? std::string(kPrimColour) + ":" + kKruskalColour
                                                                 : (primStep > 0 ? kPrimColour : kKruskalColour);
      style = "class=\"" + classes + "\", color=\"" + colour + "\", penwidth=2.5, style=bold, weight=3, len=0.6";
    } else if (allEdges) {
      style = std::string("class=\"other\", color=\"") + kOtherColour +
              "\", fontcolor=\"#909090\", fontsize=7, style=dashed, weight=0.05, len=1.5";
    } else {
      continue;
    }
    std::fprintf(file, "  %d -- %d [id=\"e%d\", label=\"%s\", %s];\n", edge.node1 + 1, edge.node2 + 1, r + 1,
                 label.c_str(), style.c_str());
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
  std::fprintf(file, "  layout=neato;\n");
  std::fprintf(file, "  overlap=false;\n");
  // Pinned drawings keep their points' scale, so their nodes and labels are kept small.
  const bool pinned = drawing.positions != nullptr;
  std::fprintf(file, "  node [shape=circle, margin=%s, fontname=\"Helvetica\", fontsize=%d];\n",
               pinned ? "0, width=0.2, height=0.2" : "0.02", pinned ? 7 : 10);
  std::fprintf(file, "  edge [fontname=\"Helvetica\", fontsize=%d];\n", pinned ? 7 : 9);
  WriteNodes(file, drawing);
  WriteEdges(file, drawing);
  std::fprintf(file, "}\n");
}

}  // namespace mst
