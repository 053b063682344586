#include "geometry/orientation.h"

namespace peltarix {

Orientation PolygonOrientation(std::span<const Point> polygon) {
  double sum = 0.0;
  for (std::size_t k = 0; k + 1 < polygon.size(); ++k) {
    sum += (polygon[k + 1].x - polygon[k].x) * (polygon[k + 1].y + polygon[k].y) / 2.0;
  }
  return sum > 0.0 ? Orientation::kClockwise : Orientation::kNotClockwise;
}

PointList OrientPolygon(std::span<const Point> polygon, Orientation wanted) {
  if (PolygonOrientation(polygon) == wanted) return PointList(polygon.begin(), polygon.end());
  return PointList(polygon.rbegin(), polygon.rend());
}

}  // namespace peltarix
