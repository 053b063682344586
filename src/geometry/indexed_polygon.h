#pragma once

#include <cstddef>
#include <span>

#include "geometry/box.h"
#include "geometry/box_grid.h"
#include "geometry/point.h"

namespace peltarix {

// A closed point list prepared for many questions at one tolerance: its box,
// a grid over its edges, and how far from a point the angle sum of
// LocatePoint has to look at edges one by one.
class IndexedPolygon {
 public:
  IndexedPolygon(std::span<const Point> points, double tolerance);

  std::span<const Point> points() const { return points_; }
  double tolerance() const { return tolerance_; }
  const BoxGrid& grid() const { return grid_; }
  const Box& box() const { return box_; }
  // The first edge that is neither horizontal nor vertical within the
  // tolerance; the edge count when there is none.
  std::size_t first_oblique() const { return first_oblique_; }

  // Edges whose box lies farther than `near_reach` from a point change the
  // angle sum of that point by no more than `angle_error` degrees beyond
  // their exact angles, and none of them lets the sum end early. Zero when
  // the sum cannot be shortened (coordinates too large for that bound).
  double near_reach() const { return near_reach_; }
  double angle_error() const { return angle_error_; }

 private:
  std::span<const Point> points_;
  double tolerance_;
  BoxGrid grid_;
  Box box_;
  std::size_t first_oblique_ = 0;
  double near_reach_ = 0.0;
  double angle_error_ = 0.0;
};

}  // namespace peltarix
