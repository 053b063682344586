#include "geometry/self_intersection.h"

#include "geometry/segment_intersection.h"

namespace peltarix {

namespace {

Segment Edge(std::span<const Point> polygon, std::size_t k) { return {polygon[k], polygon[k + 1]}; }

bool Meet(std::span<const Point> polygon, std::size_t j, std::size_t i, double tolerance) {
  return IntersectSegments(Edge(polygon, j), Edge(polygon, i), tolerance).has_value();
}

}  // namespace

bool CheckSelfIntersection(std::span<const Point> polygon, double tolerance) {
  const std::size_t n = polygon.size();
  if (n <= 3) return true;
  if (n == 4) {
    // The edges of a sound triangle meet at their shared corners; a pair that
    // does not meet means the triangle is flat.
    return !Meet(polygon, 0, 1, tolerance) || !Meet(polygon, 0, 2, tolerance);
  }
  // Edges are numbered 0 .. n - 2. Adjacent edges share a point and are not
  // tested, nor are the first and the last edge, which share the closing point.
  for (std::size_t j = 0; j + 3 < n; ++j) {
    const std::size_t last = (j == 0) ? n - 3 : n - 2;
    for (std::size_t i = j + 2; i <= last; ++i) {
      if (Meet(polygon, j, i, tolerance)) return true;
    }
  }
  return false;
}

}  // namespace peltarix
