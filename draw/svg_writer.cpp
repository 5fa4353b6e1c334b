#include "draw/svg_writer.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "draw/drawing_parts.h"
#include "draw/plane.h"
#include "draw/text_width.h"

namespace mst {

namespace {

// Text as XML character data or an attribute value: markup characters as entities, '-' as
// Graphviz writes it (&#45;), control characters as their pictures (U+2400 + c; DEL U+2421).
std::string XmlText(const std::string& text) {
  std::string out;
  for (const char c : text) {
    const auto u = static_cast<unsigned char>(c);
    if (c == '&') {
      out += "&amp;";
    } else if (c == '<') {
      out += "&lt;";
    } else if (c == '>') {
      out += "&gt;";
    } else if (c == '"') {
      out += "&quot;";
    } else if (c == '-') {
      out += "&#45;";
    } else if (u < 0x20 || u == 0x7F) {
      const unsigned picture = u == 0x7F ? 0x2421 : 0x2400 + u;
      out += static_cast<char>(0xE0 | (picture >> 12));
      out += static_cast<char>(0x80 | ((picture >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (picture & 0x3F));
    } else {
      out += c;
    }
  }
  return out;
}

std::string Number(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.2f", std::fabs(value) < 0.005 ? 0.0 : value);
  return text;
}

// The SVG coordinates of a point of LayOut's: x from the content's left edge (plus a shift that
// centres it under a wider caption), y negated from the content's bottom edge.
struct Frame {
  double left = 0;
  double bottom = 0;
  double shift = 0;
  [[nodiscard]] std::string X(double x) const { return Number(x - left + shift); }
  [[nodiscard]] std::string Y(double y) const { return Number(-(y - bottom)); }
};

// A text's baseline below its centre, as Graphviz sets it.
double Baseline(double font) { return 0.3 * font; }

std::string Text(const Frame& frame, double x, double y, double font, const std::string& text,
                 const std::string& colour = "") {
  return "<text text-anchor=\"middle\" x=\"" + frame.X(x) + "\" y=\"" + Number(-(y - frame.bottom) + Baseline(font)) +
         "\" font-family=\"Helvetica,sans-Serif\" font-size=\"" + Number(font) + "\"" +
         (colour.empty() ? "" : " fill=\"" + colour + "\"") + ">" + XmlText(text) + "</text>\n";
}

std::string Linked(const std::string& id, const std::string& tooltip, const std::string& inside) {
  return "<g id=\"a_" + id + "\"><a xlink:title=\"" + XmlText(tooltip) + "\">\n" + inside + "</a>\n</g>\n";
}

std::string EdgeGroup(const Drawing& drawing, const DrawingGeometry& geometry, const Frame& frame, int r) {
  const TreeMarks& marks = *drawing.marks;
  const auto ur = static_cast<std::size_t>(r);
  const bool prim = marks.primStep[ur] > 0, kruskal = marks.kruskalStep[ur] > 0;
  const std::string classes =
      prim || kruskal ? std::string(prim ? "prim" : "") + (prim && kruskal ? " " : "") + (kruskal ? "kruskal" : "")
                      : "other";
  const Edges& edge = drawing.edges[r];
  const PlacedBox& a = geometry.nodes[static_cast<std::size_t>(edge.node1)];
  const PlacedBox& b = geometry.nodes[static_cast<std::size_t>(edge.node2)];
  const auto path = [&](const char* colour, const char* style, double offset) {
    // offset: sideways from the centre line, for the two colours of a row in both trees.
    const double length = Length(b.x - a.x, b.y - a.y);
    const double nx = length > 0 ? -(b.y - a.y) / length * offset : 0,
                 ny = length > 0 ? (b.x - a.x) / length * offset : 0;
    return std::string("<path fill=\"none\" stroke=\"") + colour + "\"" + style + " d=\"M" + frame.X(a.x + nx) + "," +
           frame.Y(a.y + ny) + "L" + frame.X(b.x + nx) + "," + frame.Y(b.y + ny) + "\"/>\n";
  };
  std::string paths;
  if (prim && kruskal) {
    paths = path(kPrimColour, " stroke-width=\"2.5\"", 1.25) + path(kKruskalColour, " stroke-width=\"2.5\"", -1.25);
  } else if (prim || kruskal) {
    paths = path(prim ? kPrimColour : kKruskalColour, " stroke-width=\"2.5\"", 0);
  } else {
    paths = path(kOtherColour, " stroke-dasharray=\"5,2\"", 0);
  }
  const std::string id = "e" + std::to_string(r + 1);
  return "<g id=\"" + id + "\" class=\"edge " + classes + "\">\n<title>" + std::to_string(edge.node1 + 1) +
         "&#45;&#45;" + std::to_string(edge.node2 + 1) + "</title>\n" + Linked(id, EdgeTooltip(drawing, r), paths) +
         "</g>\n";
}

std::string LabelGroup(const Drawing& drawing, const DrawingGeometry& geometry, const Frame& frame, int r) {
  const auto ur = static_cast<std::size_t>(r);
  const bool tree = InTree(*drawing.marks, r);
  const PlacedBox& box = geometry.labels[ur];
  const double font = Pinned(drawing) || !tree ? kOtherLabelFont : kTreeLabelFont;
  const double x0 = box.x - box.width / 2, x1 = box.x + box.width / 2;
  const double y0 = box.y - box.height / 2, y1 = box.y + box.height / 2;
  const std::string id = "m" + std::to_string(r + 1);
  const TreeMarks& marks = *drawing.marks;
  const std::string classes =
      tree ? std::string(marks.primStep[ur] > 0 ? " prim" : "") + (marks.kruskalStep[ur] > 0 ? " kruskal" : "")
           : " other";
  return "<g id=\"" + id + "\" class=\"node label" + classes + "\">\n<title>" + id +
         "</title>\n<polygon fill=\"white\" stroke=\"none\" points=\"" + frame.X(x1) + "," + frame.Y(y1) + " " +
         frame.X(x0) + "," + frame.Y(y1) + " " + frame.X(x0) + "," + frame.Y(y0) + " " + frame.X(x1) + "," +
         frame.Y(y0) + " " + frame.X(x1) + "," + frame.Y(y1) + "\"/>\n" +
         Text(frame, box.x, box.y, font, geometry.text[ur], tree ? "" : kOtherLabelColour) + "</g>\n";
}

std::string NodeGroup(const Drawing& drawing, const DrawingGeometry& geometry, const Frame& frame, int node) {
  const PlacedBox& shape = geometry.nodes[static_cast<std::size_t>(node)];
  const std::string shown =
      NamedNodes(drawing) ? ShownName((*drawing.names)[static_cast<std::size_t>(node)]) : std::to_string(node + 1);
  const std::string inside = std::string("<ellipse fill=\"") + (node == 0 ? kRootFill : "white") +
                             "\" stroke=\"black\" cx=\"" + frame.X(shape.x) + "\" cy=\"" + frame.Y(shape.y) +
                             "\" rx=\"" + Number(shape.width / 2) + "\" ry=\"" + Number(shape.height / 2) + "\"/>\n" +
                             Text(frame, shape.x, shape.y, Pinned(drawing) ? kPinnedFont : kNodeFont, shown);
  const std::string id = "n" + std::to_string(node + 1);
  return "<g id=\"" + id + "\" class=\"node\">\n<title>" + std::to_string(node + 1) + "</title>\n" +
         (drawing.names != nullptr ? Linked(id, NodeText(drawing, node), inside) : inside) + "</g>\n";
}

}  // namespace

std::string SvgDrawing(const Drawing& drawing) {
  const DrawingGeometry geometry = LayOut(drawing);
  // The content's bounds: every node's shape and every placed label's box.
  double minX = 0, maxX = 0, minY = 0, maxY = 0;
  bool first = true;
  const auto take = [&](const PlacedBox& box) {
    const double x0 = box.x - box.width / 2, x1 = box.x + box.width / 2;
    const double y0 = box.y - box.height / 2, y1 = box.y + box.height / 2;
    minX = first ? x0 : std::min(minX, x0);
    maxX = first ? x1 : std::max(maxX, x1);
    minY = first ? y0 : std::min(minY, y0);
    maxY = first ? y1 : std::max(maxY, y1);
    first = false;
  };
  for (const PlacedBox& box : geometry.nodes) take(box);
  for (int r = 0; r < drawing.nOE; ++r) {
    if (geometry.labelled[static_cast<std::size_t>(r)]) take(geometry.labels[static_cast<std::size_t>(r)]);
  }
  const std::string caption = Caption(drawing, geometry);
  const double captionWidth = TextWidth(caption, kCaptionFont), captionHeight = TextHeight(kCaptionFont);
  const double contentWidth = maxX - minX, contentHeight = maxY - minY;
  const double inner = std::max(contentWidth, captionWidth);
  Frame frame;
  frame.left = minX;
  frame.bottom = minY;
  frame.shift = (inner - contentWidth) / 2;
  const double width = inner + 8, height = contentHeight + captionHeight + 8;

  std::string svg =
      "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\"?>\n"
      "<svg width=\"" +
      Number(width) + "pt\" height=\"" + Number(height) + "pt\" viewBox=\"0.00 0.00 " + Number(width) + " " +
      Number(height) +
      "\" xmlns=\"http://www.w3.org/2000/svg\" xmlns:xlink=\"http://www.w3.org/1999/xlink\">\n"
      "<g id=\"graph0\" class=\"graph\" transform=\"translate(4 " +
      Number(height - 4) + ")\">\n" + "<polygon fill=\"white\" stroke=\"none\" points=\"-4,4 -4," +
      Number(-height + 4) + " " + Number(width - 4) + "," + Number(-height + 4) + " " + Number(width - 4) +
      ",4 -4,4\"/>\n" + Text(frame, minX - frame.shift + inner / 2, maxY + captionHeight / 2, kCaptionFont, caption);
  for (int r = 0; r < drawing.nOE; ++r) {
    if (geometry.drawn[static_cast<std::size_t>(r)]) svg += EdgeGroup(drawing, geometry, frame, r);
  }
  for (int r = 0; r < drawing.nOE; ++r) {
    if (geometry.drawn[static_cast<std::size_t>(r)] && geometry.labelled[static_cast<std::size_t>(r)]) {
      svg += LabelGroup(drawing, geometry, frame, r);
    }
  }
  for (int node = 0; node < drawing.nON; ++node) svg += NodeGroup(drawing, geometry, frame, node);
  return svg + "</g>\n</svg>\n";
}

}  // namespace mst
