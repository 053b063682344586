#pragma once

#include <span>

#include "geometry/orientation.h"
#include "geometry/point.h"

namespace peltarix {

enum class Location : int {
  kOutside = 1,   // outside the polygon's region
  kInside = 2,    // inside the region
  kOnEdge = 3,    // on an edge, within the tolerance
  kAtVertex = 4,  // at a vertex, within the tolerance
};

// Where a point lies against the region of a closed point list. `region` is
// the list's own orientation: a clockwise list stands for its inside, any
// other for its outside.
Location LocatePoint(Orientation region, std::span<const Point> polygon, Point point,
                     double tolerance);

class IndexedPolygon;

// The same answer from a polygon prepared for many points, at its tolerance:
// only the edges near the point are looked at one by one.
Location LocatePoint(Orientation region, const IndexedPolygon& polygon, Point point);

}  // namespace peltarix
