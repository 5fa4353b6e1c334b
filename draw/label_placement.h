#pragma once

#include <vector>

// Placing edge labels on a drawing whose nodes are already placed: each label on its edge's
// straight line, or just beside it, clear of every node and of the labels placed before it.
namespace mst {

// A rectangle by its centre and size, in points.
struct PlacedBox {
  double x;
  double y;
  double width;
  double height;
};

struct LabelWanted {
  int a;  // the edge's ends, indices into the node boxes
  int b;
  double width;  // the label's size
  double height;
};

// Places labels in the order given (the caller puts the ones that matter first). For each, the
// positions tried are on the segment between its ends' centres, from the middle outwards (a
// twelfth to eleven twelfths of the way), then the same just beside the segment on either side
// (the label's side on the line), then half and a whole label's height further out; the first that
// overlaps no node box and no label placed before (with a gap of 1.5 points) is taken. A label
// thus lies within its height of its edge's line. placed[k] says whether label k found one; its
// box is then boxes[k]. Cost: about 20 tries per label, each against the boxes near it (a grid).
void PlaceLabels(const std::vector<PlacedBox>& nodes, const std::vector<LabelWanted>& labels,
                 std::vector<PlacedBox>& boxes, std::vector<bool>& placed);

// Moves nodes apart until no two boxes come within gap of each other (or 1000 rounds have
// passed; a few hundred settle the US counties' 3,000 points): each overlapping pair is pushed
// apart, half each, along the axis where they overlap least. The layout is otherwise kept.
// Cost: per round, each box against the boxes near it.
void SeparateNodes(std::vector<PlacedBox>& nodes, double gap);

// The gap kept between boxes, in points.
constexpr double kLabelGap = 1.5;

}  // namespace mst
