#include "geometry/point_sort.h"

#include <cmath>
#include <utility>

namespace peltarix {

namespace {

// Whether `first`, standing before `second`, is out of order.
bool OutOfOrder(Point first, Point second, bool descending, double tolerance) {
  const double dx = first.x - second.x;
  const double dy = first.y - second.y;
  if (std::fabs(dx) >= tolerance) return descending ? dx < 0.0 : dx > 0.0;
  if (std::fabs(dy) >= tolerance) return descending ? dy < 0.0 : dy > 0.0;
  return false;
}

}  // namespace

PointList SortPointsAlongLine(PointList points, bool descending, double tolerance) {
  // A selection-style exchange sort: every later point is compared with the
  // point now at position i and exchanged at once.
  for (std::size_t i = 0; i + 1 < points.size(); ++i) {
    for (std::size_t j = i + 1; j < points.size(); ++j) {
      if (OutOfOrder(points[i], points[j], descending, tolerance)) {
        std::swap(points[i], points[j]);
      }
    }
  }
  return points;
}

}  // namespace peltarix
