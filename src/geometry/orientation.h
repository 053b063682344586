#pragma once

#include <span>

#include "geometry/point.h"

namespace peltarix {

// The orientation flag of a closed point list, from its trapezoid sum
// S = sum of (x[k+1] - x[k]) * (y[k+1] + y[k]) / 2 over its edges.
enum class Orientation : int {
  kClockwise = 0,     // S > 0: clockwise with the y axis up; stands for its inside
  kNotClockwise = 1,  // S <= 0 (zero area included); stands for its outside
};

Orientation PolygonOrientation(std::span<const Point> polygon);

// The list in the wanted orientation: a copy, reversed when its own
// orientation differs (the closing point stays at both ends). A zero-area list
// counts as not clockwise in either order, so asking for clockwise reverses it
// every time.
PointList OrientPolygon(std::span<const Point> polygon, Orientation wanted);

}  // namespace peltarix
