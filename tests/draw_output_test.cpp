// mst-draw's DOT text and SVG picture, and its positions file reader.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "draw/dot_writer.h"
#include "draw/positions_file.h"
#include "draw/svg_writer.h"
#include "draw/text_width.h"
#include "draw/tree_marks.h"
#include "graph/network_vectors.h"
#include "tests/support/random_test_networks.h"
#include "tests/test_networks.h"

using namespace mst;

namespace {

std::string Dot(const std::vector<Edges>& edges, int nON, const std::vector<Position>* positions = nullptr,
                const std::vector<std::string>* names = nullptr, bool svg = false) {
  const TreeMarks marks = MarkReportedTrees(edges.data(), static_cast<int>(edges.size()), nON);
  Drawing drawing;
  drawing.title = "net \"1\".txt";
  drawing.edges = edges.data();
  drawing.nOE = static_cast<int>(edges.size());
  drawing.nON = nON;
  drawing.marks = &marks;
  drawing.positions = positions;
  drawing.names = names;
  if (svg) return SvgDrawing(drawing);
  std::FILE* file = std::tmpfile();
  WriteDot(file, drawing);
  std::string text(static_cast<std::size_t>(std::ftell(file)), '\0');
  std::rewind(file);
  text.resize(std::fread(&text[0], 1, text.size(), file));
  std::fclose(file);
  return text;
}

// The statements of edges ("a -- b") and of edge labels ("mR [") by id: the value of one
// attribute.
std::map<std::string, std::string> EdgeAttribute(const std::string& dot, const std::string& name) {
  std::map<std::string, std::string> values;
  std::istringstream lines(dot);
  for (std::string line; std::getline(lines, line);) {
    if (line.find(" -- ") == std::string::npos && line.rfind("  m", 0) != 0) continue;
    const std::size_t idAt = line.find("id=\"") + 4;
    const std::string id = line.substr(idAt, line.find('"', idAt) - idAt);
    const std::size_t valueAt = line.find(", " + name + "=\"");
    const std::size_t from = valueAt + name.size() + 4;
    values[id] = valueAt == std::string::npos ? "(none)" : line.substr(from, line.find('"', from) - from);
  }
  return values;
}

TEST(DotWriter, LabelsAndClassesFollowTheReports) {
  // Rows: a self-loop, a dearer parallel edge, two tree edges, a negative edge off both trees.
  const std::vector<Edges> edges = EdgesFromRows({{2, 2, -9}, {1, 2, 5}, {3, 2, 1}, {2, 1, 4}, {1, 3, 7}});
  const std::string dot = Dot(edges, 3);
  // Each row: one straight edge eR and, where it has room, a label node mR, the only statement
  // with a label. A self-loop has no room: its tooltip gives its measure.
  const std::map<std::string, std::string> labels = EdgeAttribute(dot, "label");
  const std::map<std::string, std::string> classes = EdgeAttribute(dot, "class");
  const std::map<int, std::pair<std::string, std::string>> rows = {{1, {"(no room)", "other"}},
                                                                   {2, {"5", "other"}},
                                                                   {3, {"1  P2 K1", "prim kruskal"}},
                                                                   {4, {"4  P1 K2", "prim kruskal"}},
                                                                   {5, {"7", "other"}}};
  ASSERT_EQ(labels.size(), 9u);
  for (const auto& [row, expected] : rows) {
    const std::string r = std::to_string(row);
    EXPECT_EQ(labels.count("m" + r) > 0 ? labels.at("m" + r) : "(no room)", expected.first) << r;
    EXPECT_EQ(labels.at("e" + r), "(none)") << r;
    if (labels.count("m" + r) > 0) {
      EXPECT_EQ(classes.at("m" + r), "label " + expected.second) << r;
    }
    EXPECT_EQ(classes.at("e" + r), expected.second) << r;
  }
  EXPECT_NE(dot.find("  2 -- 2 [id=\"e1\", class=\"other\", color=\"#b0b0b0\", style=dashed, tooltip=\"row 1: 2 "
                     "\xE2\x80\x93 2, measure -9\"];\n"),
            std::string::npos)
      << dot;
  EXPECT_NE(dot.find("  2 -- 1 [id=\"e4\""), std::string::npos);  // ends as the file gives them
  EXPECT_NE(dot.find("\n  outputorder=edgesfirst;\n"), std::string::npos);
  EXPECT_NE(dot.find("\n  overlap=true;\n"), std::string::npos);  // nothing moves the pinned shapes
  for (const char* node : {"\n  1 [id=\"n1\", pos=\"", "\n  2 [id=\"n2\", pos=\"", "\n  3 [id=\"n3\", pos=\""})
    EXPECT_NE(dot.find(node), std::string::npos) << node;
  EXPECT_NE(dot.find(", style=filled, fillcolor=\"#d8e4f5\"];\n  2 [id=\"n2\""), std::string::npos);
  EXPECT_NE(dot.find("label=\"net \\\"1\\\".txt: 3 nodes, 5 edges. Prim's tree (blue, P<k>: its k-th edge) "
                     "total 5; Kruskal's tree (red, K<k>) total 5. 1 edge has no room for a label (see the "
                     "tooltips).\";"),
            std::string::npos)
      << dot;
  EXPECT_EQ(dot.rfind("graph mst {\n", 0), 0u);
  EXPECT_EQ(dot.substr(dot.size() - 2), "}\n");
  // A row in both trees shows both colours side by side; a row in neither is grey.
  EXPECT_EQ(EdgeAttribute(dot, "color")["e3"], "#1f5fbf:#c8412b");
  EXPECT_EQ(EdgeAttribute(dot, "color")["e2"], "#b0b0b0");
}

// Names label the nodes (cut short past kNameShownUpTo characters, never inside a UTF-8
// character) and name them in tooltips beside their numbers; pinned nodes keep their numbers.
TEST(DotWriter, NamesLabelNodesUnlessPinned) {
  const std::vector<std::string> names = {"Myriel", "Ch\xC3\xA2teau de \"Montfermeil\" X", "12345678901234567890"};
  const std::vector<Edges> edges = EdgesFromRows({{1, 2, 1}, {2, 3, 2}});
  const std::string dot = Dot(edges, 3, nullptr, &names);
  EXPECT_NE(dot.find(", label=\"Myriel\", tooltip=\"Myriel (1)\", style=filled"), std::string::npos) << dot;
  EXPECT_NE(dot.find(", label=\"Ch\xC3\xA2teau de \\\"Montfer\xE2\x80\xA6\", tooltip=\"Ch\xC3\xA2teau de "
                     "\\\"Montfermeil\\\" X (2)\"];\n"),
            std::string::npos)
      << dot;
  EXPECT_NE(dot.find(", label=\"12345678901234567890\", tooltip"), std::string::npos) << dot;
  EXPECT_NE(
      dot.find("tooltip=\"row 2: Ch\xC3\xA2teau de \\\"Montfermeil\\\" X (2) \xE2\x80\x93 12345678901234567890 (3), "
               "measure 2\""),
      std::string::npos);
  EXPECT_NE(dot.find("node [shape=ellipse"), std::string::npos);
  EXPECT_NE(Dot(edges, 3).find("node [shape=circle"), std::string::npos);  // numbers fit in circles
  const std::vector<Position> points = {{0, 0}, {1, 0}, {0, 1}};
  const std::string pinned = Dot(edges, 3, &points, &names);
  const std::size_t second = pinned.find("\n  2 [id=\"n2\", pos=\"10.0000,0.0000!\", width=");
  ASSERT_NE(second, std::string::npos) << pinned;
  EXPECT_NE(pinned.substr(second, pinned.find('\n', second + 1) - second).find(", tooltip=\"Ch\xC3\xA2teau"),
            std::string::npos);
  EXPECT_EQ(pinned.find("label=\"Myriel"), std::string::npos);
  EXPECT_NE(pinned.find("node [shape=circle"), std::string::npos);
}

// File names reach the caption as they are, quoted for DOT: Windows paths keep their
// backslashes, and a line break cannot end the statement.
TEST(DotWriter, QuotesFileNamesForTheCaption) {
  const struct {
    std::string name;
    std::string quoted;
  } cases[] = {
      {"C:\\nets\\matrix1.txt", "C:\\\\nets\\\\matrix1.txt"},
      {"two\nlines\r.txt", "two lines .txt"},
      {"say \"hi\".txt", "say \\\"hi\\\".txt"},
  };
  for (const auto& c : cases) EXPECT_EQ(DotQuoted(c.name), c.quoted) << c.name;
}

// A chain of n nodes (the tree) plus parallel rows until there are edgeCount rows.
std::vector<Edges> ChainWithExtras(int n, int edgeCount) {
  std::vector<std::vector<int>> rows;
  for (int k = 1; k < n; ++k) rows.push_back({k, k + 1, 1});
  while (static_cast<int>(rows.size()) < edgeCount) rows.push_back({1, n, 50});
  return EdgesFromRows(rows);
}

TEST(DotWriter, EveryEdgeUpToTheThresholdOnlyTreeEdgesAbove) {
  const auto edgesOf = [](const std::map<std::string, std::string>& statements) {
    return std::count_if(statements.begin(), statements.end(), [](const auto& s) { return s.first[0] == 'e'; });
  };
  const std::string allDot = Dot(ChainWithExtras(20, kAllEdgesUpTo), 20);
  EXPECT_EQ(edgesOf(EdgeAttribute(allDot, "id")), kAllEdgesUpTo);
  EXPECT_EQ(allDot.find("left out"), std::string::npos);
  // Drawn as laid out, whichever Graphviz program renders it.
  EXPECT_NE(allDot.find("\n  layout=neato;\n"), std::string::npos);

  const std::string dot = Dot(ChainWithExtras(20, kAllEdgesUpTo + 1), 20);
  const std::map<std::string, std::string> shown = EdgeAttribute(dot, "class");
  EXPECT_EQ(shown.size(), 2u * 19u);  // the chain's edges, each with its label
  for (const auto& [id, classes] : shown)
    EXPECT_EQ(classes, id[0] == 'm' ? "label prim kruskal" : "prim kruskal") << id;
  EXPECT_NE(dot.find("The 282 edges in neither tree are left out (more than 300 edges)."), std::string::npos);
  EXPECT_EQ(dot.find("no room for a label"), std::string::npos) << "edges left out are not edges without a label";
}

TEST(DotWriter, PositionsPinEveryNodeScaledToTheDrawing) {
  const std::vector<Position> points = {{100, 50}, {600, 50}, {100, 300}};
  const std::string dot = Dot(EdgesFromRows({{1, 2, 500}, {1, 3, 250}}), 3, &points);
  EXPECT_NE(dot.find("\n  1 [id=\"n1\", pos=\"0.0000,0.0000!\""), std::string::npos) << dot;
  EXPECT_NE(dot.find("\n  2 [id=\"n2\", pos=\"10.0000,0.0000!\""), std::string::npos);
  EXPECT_NE(dot.find("\n  3 [id=\"n3\", pos=\"0.0000,5.0000!\""), std::string::npos);
  // The leftmost and lowest point is the origin, whichever node stands there.
  const std::vector<Position> second = {{600, 300}, {100, 50}, {600, 50}};
  const std::string secondDot = Dot(EdgesFromRows({{1, 2, 500}, {1, 3, 250}}), 3, &second);
  EXPECT_NE(secondDot.find("\n  2 [id=\"n2\", pos=\"0.0000,0.0000!\""), std::string::npos) << secondDot;
  // Nodes too close are pushed apart along the line between them, each keeping its side.
  const std::vector<Position> close = {{100.1, 0}, {100, 0}, {0, 0}, {200, 0}, {300, 0}};
  const std::string closeDot = Dot(EdgesFromRows({{1, 2, 1}, {2, 3, 100}, {1, 4, 100}, {4, 5, 100}}), 5, &close);
  const auto x = [&closeDot](int node) {
    const std::string at = "\n  " + std::to_string(node) + " [id=\"n" + std::to_string(node) + "\", pos=\"";
    return std::stod(closeDot.substr(closeDot.find(at) + at.size()));
  };
  EXPECT_GT(x(1), x(2) + 0.2) << closeDot;
  // A tall set of points: its height, not its width, becomes the drawing's larger side.
  const std::vector<Position> tall = {{0, 0}, {10, 0}, {0, 100}};
  const std::string tallDot = Dot(EdgesFromRows({{1, 2, 10}, {1, 3, 100}}), 3, &tall);
  EXPECT_NE(tallDot.find("\n  3 [id=\"n3\", pos=\"0.0000,10.0000!\""), std::string::npos) << tallDot;
  // Points in one place, no division by zero: the nodes are moved apart just enough for their
  // shapes (0.2 inches and a gap).
  const std::vector<Position> one = {{7, 7}, {7, 7}};
  const std::string oneDot = Dot(EdgesFromRows({{1, 2, 1}}), 2, &one);
  EXPECT_NE(oneDot.find("\n  1 [id=\"n1\", pos=\"0.0000,0.0000!\""), std::string::npos) << oneDot;
  EXPECT_NE(oneDot.find("\n  2 [id=\"n2\", pos=\"0.0000,0.2299!\""), std::string::npos) << oneDot;
  // Where a tree label finds no room at any scale (a chain through 59 points at one place), the
  // pinned drawing grows by 1.12 nine times and stops: under 3 times its 10 inches.
  std::vector<Position> heap(59, Position{0, 0});
  heap.push_back({1000, 0});
  std::vector<std::vector<int>> chain;
  for (int k = 2; k <= 60; ++k) chain.push_back({k - 1, k, k});
  const std::string heapDot = Dot(EdgesFromRows(chain), 60, &heap);
  ASSERT_NE(heapDot.find("1 edge has no room for a label, 1 of them in a tree"), std::string::npos) << heapDot;
  const std::string at = "\n  60 [id=\"n60\", pos=\"";
  EXPECT_NEAR(std::stod(heapDot.substr(heapDot.find(at) + at.size())), 10 * std::pow(1.12, 9), 0.01) << heapDot;
}

// The SVG writer draws what the DOT text pins: every node at the same place (y up becomes y
// down), every drawn row as eR titled by its ends, every text escaped so that the document
// stays XML whatever the names hold.
TEST(SvgWriter, DrawsTheNodesWhereTheDotTextPinsThem) {
  const std::vector<std::string> names = {"a<b & \"c\"", "d-e\x01", "f"};
  const std::vector<Edges> edges = EdgesFromRows({{1, 2, 3}, {2, 3, -4}, {1, 3, 9}});
  const std::string dot = Dot(edges, 3, nullptr, &names);
  const std::string svg = Dot(edges, 3, nullptr, &names, true);
  const auto number = [](const std::string& text, const std::string& after, std::size_t from) {
    const std::size_t at = text.find(after, from);
    return at == std::string::npos ? -1e9 : std::stod(text.substr(at + after.size()));
  };
  std::vector<double> dotX, dotY, svgX, svgY;
  for (int n = 1; n <= 3; ++n) {
    const std::size_t statement = dot.find("id=\"n" + std::to_string(n) + "\", pos=\"");
    ASSERT_NE(statement, std::string::npos) << dot;
    dotX.push_back(number(dot, "pos=\"", statement) * 72);
    dotY.push_back(number(dot, ",", dot.find("pos=\"", statement)) * 72);
    const std::size_t group =
        svg.find("<g id=\"n" + std::to_string(n) + "\" class=\"node\">\n<title>" + std::to_string(n) + "</title>");
    ASSERT_NE(group, std::string::npos) << svg;
    svgX.push_back(number(svg, "cx=\"", group));
    svgY.push_back(number(svg, "cy=\"", group));
  }
  for (int n = 1; n < 3; ++n) {
    EXPECT_NEAR(svgX[n] - svgX[0], dotX[n] - dotX[0], 0.02) << n;
    EXPECT_NEAR(svgY[n] - svgY[0], -(dotY[n] - dotY[0]), 0.02) << n;
  }
  EXPECT_NE(svg.find("<g id=\"e2\" class=\"edge prim kruskal\">\n<title>2&#45;&#45;3</title>"), std::string::npos);
  EXPECT_NE(svg.find("<g id=\"e3\" class=\"edge other\">\n<title>1&#45;&#45;3</title>"), std::string::npos);
  // A tree edge's measure in the larger type, another edge's in the smaller.
  const auto labelFont = [&svg](const std::string& group) {
    const std::size_t at = svg.find("font-size=\"", svg.find("<g id=\"" + group + "\""));
    return at == std::string::npos ? std::string() : svg.substr(at + 11, svg.find('"', at + 11) - at - 11);
  };
  EXPECT_EQ(labelFont("m2"), "9.00");
  EXPECT_EQ(labelFont("m3"), "7.00");
  EXPECT_NE(svg.find(">a&lt;b &amp; &quot;c&quot;</text>"), std::string::npos) << svg;
  EXPECT_NE(svg.find(">d&#45;e\xE2\x90\x81</text>"), std::string::npos) << svg;
  EXPECT_NE(svg.find("xlink:title=\"row 1: a&lt;b &amp; &quot;c&quot; (1) \xE2\x80\x93 d&#45;e\xE2\x90\x81 (2), "
                     "measure 3\""),
            std::string::npos);
  // Node 1, the root, alone is filled.
  const std::size_t root = svg.find("fill=\"#d8e4f5\" stroke=\"black\"");
  EXPECT_GT(root, svg.find("<g id=\"n1\""));
  EXPECT_LT(root, svg.find("<g id=\"n2\""));
  EXPECT_EQ(svg.find("fill=\"#d8e4f5\"", root + 1), std::string::npos);
  // Outside tags, every '<' opens one and every '&' an entity; the document ends where it opens.
  for (std::size_t at = svg.find_first_of("<&"); at != std::string::npos; at = svg.find_first_of("<&", at + 1)) {
    if (svg[at] == '&') {
      const std::string entity = svg.substr(at, svg.find(';', at) - at + 1);
      EXPECT_TRUE(entity == "&amp;" || entity == "&lt;" || entity == "&gt;" || entity == "&quot;" || entity == "&#45;")
          << entity;
    } else {
      EXPECT_NE(std::string("?/abcdefghijklmnopqrstuvwxyz").find(svg[at + 1]), std::string::npos) << svg.substr(at, 20);
      at = svg.find('>', at);
    }
  }
  EXPECT_EQ(svg.substr(svg.size() - 12), "</g>\n</svg>\n");
}

// A planar network needs no crossing, and gets none, and its drawn edges keep even lengths: grids
// of 5 by 5 to 10 by 10 with measures in no order, alone and with diagonals up to two edges a
// node, and a ring of 12. A 33 by 33 grid (its trees alone drawn, laid out by pivots) keeps
// even lengths, though its tree crosses itself a few times. A lone edge is not collapsed.
TEST(DotWriter, GridsAndRingsAreDrawnUntangled) {
  const auto layOut = [](const std::vector<Edges>& edges, int nON) {
    const TreeMarks marks = MarkReportedTrees(edges.data(), static_cast<int>(edges.size()), nON);
    Drawing drawing;
    drawing.edges = edges.data();
    drawing.nOE = static_cast<int>(edges.size());
    drawing.nON = nON;
    drawing.marks = &marks;
    return LayOut(drawing);
  };
  const auto crossings = [&layOut](const std::vector<Edges>& edges, int nON) {
    const DrawingGeometry geometry = layOut(edges, nON);
    const auto side = [&](int a, int b, int c) {
      const PlacedBox &p = geometry.nodes[a], &q = geometry.nodes[b], &r = geometry.nodes[c];
      return (r.y - p.y) * (q.x - p.x) - (q.y - p.y) * (r.x - p.x) > 0;
    };
    // The drawn edges keep their lengths: none stretched past 3 times the median.
    std::vector<double> lengths;
    for (std::size_t e = 0; e < edges.size(); ++e) {
      const PlacedBox &p = geometry.nodes[edges[e].node1], &q = geometry.nodes[edges[e].node2];
      if (geometry.drawn[e]) lengths.push_back(std::hypot(p.x - q.x, p.y - q.y));
    }
    std::sort(lengths.begin(), lengths.end());
    EXPECT_LE(lengths.back(), 3 * lengths[lengths.size() / 2]) << nON << " nodes";
    int count = 0;
    for (std::size_t e = 0; e < edges.size(); ++e) {
      for (std::size_t f = e + 1; f < edges.size(); ++f) {
        const int a = edges[e].node1, b = edges[e].node2, c = edges[f].node1, d = edges[f].node2;
        if (a == c || a == d || b == c || b == d || !geometry.drawn[e] || !geometry.drawn[f]) continue;
        count += side(a, b, c) != side(a, b, d) && side(c, d, a) != side(c, d, b) ? 1 : 0;
      }
    }
    return count;
  };
  // Grids, and grids with a diagonal in 2 x side cells: exactly two edges a node, still sparse.
  for (const int side : {5, 6, 7, 8, 9, 10, 33}) {
    for (const int diagonals : {0, 2 * side}) {
      std::vector<std::vector<int>> rows;
      unsigned draw = 12345u + static_cast<unsigned>(side);
      const auto measure = [&draw] { return static_cast<int>((draw = draw * 1103515245u + 12345u) >> 16) % 1000 + 1; };
      int drawnDiagonals = 0;
      for (int r = 0; r < side; ++r) {
        for (int c = 0; c < side; ++c) {
          const int node = r * side + c + 1;
          if (c + 1 < side) rows.push_back({node, node + 1, measure()});
          if (r + 1 < side) rows.push_back({node, node + side, measure()});
          if (c + 1 < side && r + 1 < side && drawnDiagonals++ < diagonals)
            rows.push_back({node, node + side + 1, measure()});
        }
      }
      const int crossed = crossings(EdgesFromRows(rows), side * side);
      if (side < 33) {
        EXPECT_EQ(crossed, 0) << side << " by " << side << ", " << diagonals << " diagonals";
      }
    }
  }
  std::vector<std::vector<int>> ring;
  for (int k = 0; k < 12; ++k) ring.push_back({k + 1, (k + 1) % 12 + 1, 1 + (k * 7) % 5});
  EXPECT_EQ(crossings(EdgesFromRows(ring), 12), 0);
  // A lone edge is laid out as long as an edge of a path, not its ends put in one place.
  const auto firstEdge = [&layOut](const std::vector<std::vector<int>>& rows, int nON) {
    const DrawingGeometry geometry = layOut(EdgesFromRows(rows), nON);
    return std::hypot(geometry.nodes[0].x - geometry.nodes[1].x, geometry.nodes[0].y - geometry.nodes[1].y);
  };
  EXPECT_GT(firstEdge({{1, 2, 5}}, 2), 0.8 * firstEdge({{1, 2, 5}, {2, 3, 6}}, 3));
}

// What every drawing keeps, on the towns of Ireland (pinned, crowded round Dublin), Les
// Miserables, sixteen points at one place and random networks (self-loops, parallel rows, huge
// measures, names, points well apart or heaped): its lowest and leftmost node at the origin;
// nodes apart, pinned ones included; every label kLabelGap from every node and label and
// within its height of its edge's line; the edges drawn that should be; points kept where they
// are well apart, at one scale; and the SVG frame round everything, under the caption.
TEST(DotWriter, EveryDrawingKeepsItsShapesApartNearTheirEdgesAndInItsFrame) {
  const auto check = [](const std::vector<Edges>& edges, int nON, const std::vector<Position>* positions,
                        const std::vector<std::string>* names, const std::string& what, bool wellApart = false) {
    const TreeMarks marks = MarkReportedTrees(edges.data(), static_cast<int>(edges.size()), nON);
    Drawing drawing;
    drawing.edges = edges.data();
    drawing.nOE = static_cast<int>(edges.size());
    drawing.nON = nON;
    drawing.marks = &marks;
    drawing.positions = positions;
    drawing.names = names;
    const DrawingGeometry geometry = LayOut(drawing);
    double left = 1e300, bottom = 1e300;
    for (const PlacedBox& node : geometry.nodes) {
      left = std::min(left, node.x);
      bottom = std::min(bottom, node.y);
    }
    EXPECT_EQ(left, 0) << what;
    EXPECT_EQ(bottom, 0) << what;
    // How far apart two boxes are (negative where they overlap), along the axis of the least.
    const auto apart = [](const PlacedBox& a, const PlacedBox& b) {
      return std::max(std::fabs(a.x - b.x) - (a.width + b.width) / 2, std::fabs(a.y - b.y) - (a.height + b.height) / 2);
    };
    // Nodes keep 4 pt between their shapes, pinned ones 2.
    const double gap = positions != nullptr ? 2 : 4;
    int overlaps = 0, tooClose = 0, astray = 0, wronglyDrawn = 0;
    for (std::size_t a = 0; a < geometry.nodes.size(); ++a) {
      for (std::size_t b = a + 1; b < geometry.nodes.size(); ++b)
        overlaps += apart(geometry.nodes[a], geometry.nodes[b]) < gap - 1e-2;
    }
    // A box's distance from a segment: convex along the segment, so found by ternary search.
    const auto fromSegment = [](const PlacedBox& box, const PlacedBox& a, const PlacedBox& b) {
      const auto at = [&](double t) {
        const double x = a.x + t * (b.x - a.x), y = a.y + t * (b.y - a.y);
        return std::hypot(std::max(std::fabs(x - box.x) - box.width / 2, 0.0),
                          std::max(std::fabs(y - box.y) - box.height / 2, 0.0));
      };
      double lo = 0, hi = 1;
      for (int step = 0; step < 100; ++step) {
        const double m1 = lo + (hi - lo) / 3, m2 = hi - (hi - lo) / 3;
        if (at(m1) < at(m2)) {
          hi = m2;
        } else {
          lo = m1;
        }
      }
      return std::min({at(lo), at(0), at(1)});
    };
    std::vector<PlacedBox> labels;
    for (std::size_t r = 0; r < geometry.labels.size(); ++r) {
      const bool tree = marks.primStep[r] > 0 || marks.kruskalStep[r] > 0;
      wronglyDrawn += geometry.drawn[r] != (tree || edges.size() <= kAllEdgesUpTo);
      if (!geometry.labelled[r]) continue;
      labels.push_back(geometry.labels[r]);
      const PlacedBox& label = geometry.labels[r];
      astray +=
          fromSegment(label, geometry.nodes[edges[r].node1], geometry.nodes[edges[r].node2]) > label.height + 1e-6;
    }
    for (std::size_t a = 0; a < labels.size(); ++a) {
      for (const PlacedBox& node : geometry.nodes) tooClose += apart(labels[a], node) < kLabelGap - 1e-6;
      for (std::size_t b = a + 1; b < labels.size(); ++b) tooClose += apart(labels[a], labels[b]) < kLabelGap - 1e-6;
    }
    EXPECT_EQ(overlaps, 0) << what << ": nodes closer than the gap";
    EXPECT_EQ(tooClose, 0) << what << ": labels closer than the gap";
    EXPECT_EQ(astray, 0) << what << ": labels farther than their height from their edges";
    EXPECT_EQ(wronglyDrawn, 0) << what << ": edges drawn or left out wrongly";
    if (wellApart) {  // points well apart stay where they are, at one scale, the larger side 10 inches or more
      double minX = 1e300, maxX = -1e300, minY = 1e300, maxY = -1e300;
      for (const Position& p : *positions) {
        minX = std::min(minX, p.x), maxX = std::max(maxX, p.x), minY = std::min(minY, p.y), maxY = std::max(maxY, p.y);
      }
      double right = 0, top = 0;
      for (const PlacedBox& node : geometry.nodes) right = std::max(right, node.x), top = std::max(top, node.y);
      const double scale = maxX - minX >= maxY - minY ? right / (maxX - minX) : top / (maxY - minY);
      EXPECT_GE(scale * std::max(maxX - minX, maxY - minY), 720 - 1e-6) << what;
      for (int k = 0; k < nON; ++k) {
        EXPECT_NEAR(geometry.nodes[k].x, ((*positions)[k].x - minX) * scale, 1e-6) << what << ", node " << k + 1;
        EXPECT_NEAR(geometry.nodes[k].y, ((*positions)[k].y - minY) * scale, 1e-6) << what << ", node " << k + 1;
      }
    }
    // The SVG: every node and label inside its frame, the lowest touching its bottom, the
    // highest just under the caption, the content centred across.
    const std::string svg = SvgDrawing(drawing);
    const auto number = [&svg](const std::string& after, std::size_t from) {
      return std::stod(svg.substr(svg.find(after, from) + after.size()));
    };
    double width = 0, height = 0;
    std::istringstream(svg.substr(svg.find("viewBox=\"0.00 0.00 ") + 19)) >> width >> height;
    width -= 8;
    height -= 8;
    double x0 = 1e300, x1 = -1e300, y0 = 1e300, y1 = -1e300;
    for (std::size_t at = svg.find("<ellipse"); at != std::string::npos; at = svg.find("<ellipse", at + 1)) {
      const double cx = number("cx=\"", at), cy = number("cy=\"", at), rx = number("rx=\"", at),
                   ry = number("ry=\"", at);
      x0 = std::min(x0, cx - rx), x1 = std::max(x1, cx + rx), y0 = std::min(y0, cy - ry), y1 = std::max(y1, cy + ry);
    }
    for (std::size_t at = svg.find("class=\"node label"); at != std::string::npos;
         at = svg.find("class=\"node label", at + 1)) {
      std::istringstream points(svg.substr(svg.find("points=\"", at) + 8));
      for (int corner = 0; corner < 4; ++corner) {
        double x = 0, y = 0;
        char comma = 0;
        points >> x >> comma >> y;
        x0 = std::min(x0, x), x1 = std::max(x1, x), y0 = std::min(y0, y), y1 = std::max(y1, y);
      }
    }
    EXPECT_GE(x0, -0.011) << what;
    EXPECT_LE(x1, width + 0.011) << what;
    EXPECT_NEAR(x0 + x1, width, 0.03) << what;
    EXPECT_NEAR(y1, 0, 0.011) << what;
    EXPECT_NEAR(y0, -(height - TextHeight(14)), 0.03) << what;
  };
  std::vector<std::vector<int>> star;
  for (int k = 2; k <= 16; ++k) star.push_back({1, k, k});
  const std::vector<Position> onePlace(16, Position{5, 5});
  check(EdgesFromRows(star), 16, &onePlace, nullptr, "sixteen points at one place");
  Network towns;
  std::string reason;
  ASSERT_TRUE(LoadNetworkFile(MST_SOURCE_DIR "/networks/real/ireland-towns.txt", towns, reason)) << reason;
  std::vector<Position> points;
  ASSERT_TRUE(ReadPositionsFile(MST_SOURCE_DIR "/networks/real/ireland-towns.positions", towns.nON, points, reason))
      << reason;
  check(towns.edges, towns.nON, &points, nullptr, "the towns of Ireland");
  Network lesmis;
  ASSERT_TRUE(LoadNetworkFile(MST_SOURCE_DIR "/networks/real/lesmis.txt", lesmis, reason)) << reason;
  check(lesmis.edges, lesmis.nON, nullptr, nullptr, "Les Miserables");
  std::mt19937 rng(20261209);
  for (const int nON : {2, 3, 4, 7, 12, 30, 60}) {
    for (int kind = 0; kind < 4; ++kind) {  // laid out, named, pinned well apart, pinned in a heap
      const std::vector<Edges> edges = RandomTestNetwork(rng, nON);
      std::vector<std::string> names;
      std::vector<Position> at;
      for (int k = 0; k < nON; ++k) {
        names.push_back(std::string(1 + rng() % 12, static_cast<char>('a' + rng() % 26)) + (k % 3 ? "" : "\xC3\xA9"));
        // Lattice cells 100 apart, a point anywhere in the middle of its cell, or heaped within 3.
        at.push_back(kind == 2 ? Position{100.0 * (k % 8) + rng() % 50, 100.0 * (k / 8) + rng() % 50}
                               : Position{rng() % 300 / 100.0, rng() % 300 / 100.0});
      }
      const std::string what = std::to_string(nON) + " nodes, kind " + std::to_string(kind);
      check(edges, nON, kind >= 2 ? &at : nullptr, kind == 1 ? &names : nullptr, what, kind == 2);
    }
  }
}

struct PositionsCase {
  const char* text;
  int nON;
  bool read;
  const char* reason;
};

// A label's width counts each character once, whatever its length in UTF-8: a four-byte
// character as wide as a three-byte one, the letter after it measured too; DEL as wide as the
// other control characters; the space and '~' as Helvetica's.
TEST(DotWriter, TextWidthCountsCharactersNotBytes) {
  EXPECT_DOUBLE_EQ(TextWidth("\xF0\x9F\x98\x80"
                             "a",
                             10),
                   TextWidth("\xE4\xB8\xAD"
                             "a",
                             10));
  EXPECT_GT(TextWidth("\xF0\x9F\x98\x80"
                      "a",
                      10),
            TextWidth("\xF0\x9F\x98\x80", 10));
  // Three-byte characters from the first of them (U+0800, lead byte 0xE0: Devanagari's letters)
  // on are as wide as an ideograph's.
  EXPECT_DOUBLE_EQ(TextWidth("\xE0\xA4\x85"
                             "a",
                             10),
                   TextWidth("\xE4\xB8\xAD"
                             "a",
                             10));
  EXPECT_DOUBLE_EQ(TextWidth("\xC3\xA9"
                             "a",
                             10) -
                       TextWidth("a", 10),
                   TextWidth("\xC3\xA9", 10) - TextWidth("", 10));
  // DEL is a control character like the rest (drawn as its picture), not a letter of the table.
  EXPECT_DOUBLE_EQ(TextWidth("\x7F", 10), TextWidth("\x01", 10));
  // The table's ends, the space and '~', take Helvetica's widths (0.278 and 0.584 of the size,
  // with the label's 15% spacing).
  EXPECT_NEAR(TextWidth(" ~", 10) - TextWidth("", 10), (2.78 + 5.84) * 1.15, 1e-9);
}

TEST(PositionsFile, ReadsExactlyOnePointPerNode) {
  const std::vector<PositionsCase> cases = {
      {"0 0\n10 -2.5\n", 2, true, ""},
      {"  1e3\t7\r\n\n+4 .5", 2, true, ""},
      {"0 0\n10\n", 2, false,
       "it holds 1 points for 2 nodes (a positions file holds one 'x y' line per node, node 1 first)"},
      {"0 0\n1 1\n2 2\n", 2, false,
       "it holds more than 2 points for 2 nodes (a positions file holds one 'x y' line per node, node 1 first)"},
      {"0 0\n1 x\n", 2, false, "point of node 2: 'x' is not a number"},
      {"0 0\n1 2y\n", 2, false, "point of node 2: '2y' is not a number"},
      {"nan 0\n1 1\n", 2, false, "point of node 1: 'nan' is not a number"},
      {"1e999 0\n1 1\n", 2, false, "point of node 1: '1e999' is not a number"},
      {"0x1p3 0\n1 1\n", 2, false, "point of node 1: '0x1p3' is not a number"},  // no hexadecimal
      {"", 2, false, "it holds 0 points for 2 nodes (a positions file holds one 'x y' line per node, node 1 first)"},
  };
  for (const PositionsCase& c : cases) {
    SCOPED_TRACE(c.text);
    std::FILE* file = std::tmpfile();
    std::fputs(c.text, file);
    std::rewind(file);
    std::vector<Position> points;
    std::string reason;
    EXPECT_EQ(ReadPositions(file, c.nON, points, reason), c.read);
    std::fclose(file);
    EXPECT_EQ(reason, c.reason);
    if (c.read) {
      ASSERT_EQ(points.size(), 2u);
      EXPECT_EQ(points[1].y, c.text[0] == '0' ? -2.5 : 0.5);
    }
  }
}

}  // namespace
