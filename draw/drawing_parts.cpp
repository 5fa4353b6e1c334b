#include "draw/drawing_parts.h"

namespace mst {

std::string EdgeLabel(int measure, int primStep, int kruskalStep) {
  std::string label = std::to_string(measure);
  if (primStep > 0 || kruskalStep > 0) label += " ";
  if (primStep > 0) label += " P" + std::to_string(primStep);
  if (kruskalStep > 0) label += " K" + std::to_string(kruskalStep);
  return label;
}

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

bool InTree(const TreeMarks& marks, int row) {
  return marks.primStep[static_cast<std::size_t>(row)] > 0 || marks.kruskalStep[static_cast<std::size_t>(row)] > 0;
}

std::string Caption(const Drawing& drawing, const DrawingGeometry& geometry) {
  const TreeMarks& marks = *drawing.marks;
  int leftOut = 0;
  int unlabelled = 0;
  int treeUnlabelled = 0;
  for (int r = 0; r < drawing.nOE; ++r) {
    const auto ur = static_cast<std::size_t>(r);
    leftOut += geometry.drawn[ur] ? 0 : 1;
    unlabelled += geometry.drawn[ur] && !geometry.labelled[ur] ? 1 : 0;
    treeUnlabelled += InTree(marks, r) && !geometry.labelled[ur] ? 1 : 0;
  }
  std::string caption = drawing.title + ": " + std::to_string(drawing.nON) + " nodes, " + std::to_string(drawing.nOE) +
                        " edges. Prim's tree (blue, P<k>: its k-th edge) total " + std::to_string(marks.primTotal) +
                        "; Kruskal's tree (red, K<k>) total " + std::to_string(marks.kruskalTotal) + ".";
  if (leftOut > 0) {
    caption += " The " + std::to_string(leftOut) + " edges in neither tree are left out (more than " +
               std::to_string(kAllEdgesUpTo) + " edges).";
  }
  if (unlabelled > 0) {
    caption += " " + std::to_string(unlabelled) + (unlabelled == 1 ? " edge has" : " edges have") +
               " no room for a label" +
               (treeUnlabelled > 0 ? ", " + std::to_string(treeUnlabelled) + " of them in a tree" : "") +
               " (see the tooltips).";
  }
  return caption;
}

std::string NodeText(const Drawing& drawing, int node) {
  return drawing.names != nullptr
             ? (*drawing.names)[static_cast<std::size_t>(node)] + " (" + std::to_string(node + 1) + ")"
             : std::to_string(node + 1);
}

std::string EdgeTooltip(const Drawing& drawing, int row) {
  const Edges& edge = drawing.edges[row];
  return "row " + std::to_string(row + 1) + ": " + NodeText(drawing, edge.node1) + " \xE2\x80\x93 " +
         NodeText(drawing, edge.node2) + ", measure " + std::to_string(edge.measure);
}

}  // namespace mst
