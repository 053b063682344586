#pragma once

#include <cstddef>
#include <span>
#include <vector>

#include "geometry/box.h"
#include "geometry/point.h"

namespace peltarix {

// A uniform grid over numbered boxes (the boxes of a polygon's edges, or of
// pieces), so that the boxes near a place are found without a pass over all
// of them. Cells are sized for about one box each; a box that spans many
// cells is kept in a list of its own that every query looks at. Only a few
// dozen boxes or more, all with finite coordinates, are indexed (`usable`);
// callers pass over all boxes otherwise.
class BoxGrid {
 public:
  explicit BoxGrid(std::vector<Box> boxes);

  bool usable() const { return usable_; }
  // A margin far below any tolerance but above the rounding of sums of
  // coordinates of the boxes' magnitude: queries grown by it find a superset
  // of the boxes that pass a test done with other roundings.
  double slack() const { return 1e-9 * (1.0 + magnitude_); }

  // The numbers of the boxes that meet `box` (edges included), ascending.
  void BoxesMeeting(const Box& box, std::vector<std::size_t>& found) const;

 private:
  std::size_t Column(double x) const;
  std::size_t Row(double y) const;

  std::vector<Box> boxes_;
  bool usable_ = false;
  double magnitude_ = 0.0;
  double origin_x_ = 0.0;
  double origin_y_ = 0.0;
  double cell_ = 1.0;
  std::size_t columns_ = 1;
  std::size_t rows_ = 1;
  // The boxes of cell c = row * columns_ + column are
  // cell_boxes_[cell_start_[c] .. cell_start_[c + 1]).
  std::vector<std::size_t> cell_start_;
  std::vector<std::size_t> cell_boxes_;
  std::vector<std::size_t> wide_boxes_;
};

// The box of edge k of a point list, from point k to point k + 1.
Box EdgeBox(std::span<const Point> points, std::size_t edge);
// The boxes of all edges of a point list, edge k at k.
std::vector<Box> EdgeBoxes(std::span<const Point> points);
Box SegmentBox(const Segment& segment);
// `box` grown by `margin` on every side.
Box Grown(const Box& box, double margin);

}  // namespace peltarix
