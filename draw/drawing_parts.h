#pragma once

#include <string>

#include "draw/dot_writer.h"

// What the DOT and the SVG writers draw alike: colours, font sizes, texts and the node shapes'
// kind. Internal to draw/.
namespace mst {

inline const char* const kPrimColour = "#1f5fbf";
inline const char* const kKruskalColour = "#c8412b";
inline const char* const kOtherColour = "#b0b0b0";
inline const char* const kOtherLabelColour = "#909090";
inline const char* const kRootFill = "#d8e4f5";  // node 1, where Prim's tree grows from

// Font sizes, in points: nodes and tree labels, and the rest's labels; smaller where the
// points are pinned, whose drawings hold many nodes. The caption's.
constexpr double kNodeFont = 10, kTreeLabelFont = 9, kOtherLabelFont = 7, kPinnedFont = 7, kCaptionFont = 14;

// A row's label: its measure, then " P<k>" and " K<k>" for its steps in the reports.
[[nodiscard]] std::string EdgeLabel(int measure, int primStep, int kruskalStep);

// A name as the drawing shows it: whole up to kNameShownUpTo characters, else its first
// kNameShownUpTo - 1 and an ellipsis (never cut inside a UTF-8 character).
[[nodiscard]] std::string ShownName(const std::string& name);

[[nodiscard]] bool InTree(const TreeMarks& marks, int row);
// Points given: nodes are small circles showing numbers. Named: ellipses showing names.
[[nodiscard]] inline bool Pinned(const Drawing& drawing) { return drawing.positions != nullptr; }
[[nodiscard]] inline bool NamedNodes(const Drawing& drawing) { return drawing.names != nullptr && !Pinned(drawing); }

// The caption: the file, its counts, both totals, and what was left out if anything.
[[nodiscard]] std::string Caption(const Drawing& drawing, const DrawingGeometry& geometry);

// A node by its name and number where it has a name ("Paris (3)"), else by its number.
[[nodiscard]] std::string NodeText(const Drawing& drawing, int node);

// An edge's tooltip: "row R: A – B, measure M".
[[nodiscard]] std::string EdgeTooltip(const Drawing& drawing, int row);

}  // namespace mst
