#include "geometry/point_location.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "geometry/primitives.h"

namespace peltarix {

namespace {

// The answer for a point that is clearly away from the polygon's bounded area.
Location Away(Orientation region) {
  return region == Orientation::kClockwise ? Location::kOutside : Location::kInside;
}

// The answer for a point within the polygon's bounded area.
Location Within(Orientation region) {
  return region == Orientation::kClockwise ? Location::kInside : Location::kOutside;
}

bool OutsideBox(std::span<const Point> polygon, Point point, double tolerance) {
  const auto [min_x, max_x] = std::minmax_element(polygon.begin(), polygon.end(),
                                                  [](Point p, Point q) { return p.x < q.x; });
  const auto [min_y, max_y] = std::minmax_element(polygon.begin(), polygon.end(),
                                                  [](Point p, Point q) { return p.y < q.y; });
  return point.x > max_x->x + tolerance || point.y > max_y->y + tolerance ||
         point.x < min_x->x - tolerance || point.y < min_y->y - tolerance;
}

// Candidates farther than this along an axis are not considered: an edge
// beyond it is taken to be no edge at all.
constexpr double kScanReach = 20000.0;

struct AxisScan {
  // Set when the point lies on an edge; the scan then ends.
  std::optional<Location> on_boundary;
  // Set when an oblique edge was met: the scan cannot decide.
  bool oblique = false;
  // The nearest edge straight above, below, left or right of the point, and
  // its signed distance: point y - edge y for a horizontal edge (axis 0),
  // edge x - point x for a vertical one (axis 1).
  double best_distance = kScanReach;
  std::size_t best_edge = 0;
  int best_axis = -1;
};

// Looks along both axes for the nearest axis-parallel edge, or for the edge
// the point lies on. Edges count as horizontal or vertical at their first
// point's coordinate.
AxisScan ScanAxisParallelEdges(std::span<const Point> polygon, Point point, double tolerance) {
  AxisScan scan;
  for (std::size_t k = 0; k + 1 < polygon.size(); ++k) {
    const Point p = polygon[k];
    const Point q = polygon[k + 1];
    const double dx = std::fabs(p.x - q.x);
    const double dy = std::fabs(p.y - q.y);
    double distance = 0.0;
    int axis = -1;
    if (dx > tolerance && dy > tolerance) {
      scan.oblique = true;
      return scan;
    }
    if (dx >= tolerance) {
      if (point.x < std::min(p.x, q.x) - tolerance || point.x > std::max(p.x, q.x) + tolerance) {
        continue;
      }
      if (std::fabs(point.y - p.y) <= tolerance) {
        const bool at_end =
            std::fabs(point.x - p.x) <= tolerance || std::fabs(point.x - q.x) <= tolerance;
        scan.on_boundary = at_end ? Location::kAtVertex : Location::kOnEdge;
        return scan;
      }
      distance = point.y - p.y;
      axis = 0;
    } else if (dy >= tolerance) {
      if (point.y < std::min(p.y, q.y) - tolerance || point.y > std::max(p.y, q.y) + tolerance) {
        continue;
      }
      if (std::fabs(point.x - p.x) <= tolerance) {
        const bool at_end =
            std::fabs(point.y - p.y) <= tolerance || std::fabs(point.y - q.y) <= tolerance;
        scan.on_boundary = at_end ? Location::kAtVertex : Location::kOnEdge;
        return scan;
      }
      distance = p.x - point.x;
      axis = 1;
    } else {
      continue;  // shorter than the tolerance both ways
    }
    if (std::fabs(distance) < std::fabs(scan.best_distance)) {  // ties keep the earlier edge
      scan.best_distance = distance;
      scan.best_edge = k;
      scan.best_axis = axis;
    }
  }
  return scan;
}

// Within 0.01 degrees of a straight angle, the point lies between the edge's
// ends.
constexpr double kStraightAngleSlack = 0.01;
// From this angle on, a point may still lie on the edge within the tolerance
// although the angle is visibly short of 180 degrees (a short edge seen from
// close by).
constexpr double kNearStraightAngle = 170.0;

// Sums the signed angles under which the edges are seen from the point: about
// 360 degrees inside the bounded area, about 0 outside it.
Location LocateByAngleSum(Orientation region, std::span<const Point> polygon, Point point,
                          double tolerance) {
  double sum = 0.0;
  for (std::size_t k = 0; k + 1 < polygon.size(); ++k) {
    const Point p = polygon[k];
    const Point q = polygon[k + 1];
    if (std::fabs(p.x - q.x) < tolerance && std::fabs(p.y - q.y) < tolerance) continue;
    const AngleResult angle = AngleAtPoint(p, point, q, tolerance);
    if (angle.coincident) return Location::kAtVertex;
    if (std::fabs(180.0 - std::fabs(angle.degrees)) < kStraightAngleSlack) return Location::kOnEdge;
    if (std::fabs(angle.degrees) >= kNearStraightAngle) {
      const Projection projection = ProjectPointOnSegment(p, q, point, tolerance);
      if (projection.position != SegmentPosition::kBeyond && projection.distance < tolerance) {
        return Location::kOnEdge;
      }
    }
    sum += angle.degrees;
  }
  return std::fabs(sum) > 180.0 ? Within(region) : Away(region);
}

}  // namespace

Location LocatePoint(Orientation region, std::span<const Point> polygon, Point point,
                     double tolerance) {
  if (polygon.empty() || OutsideBox(polygon, point, tolerance)) return Away(region);

  const AxisScan scan = ScanAxisParallelEdges(polygon, point, tolerance);
  if (scan.on_boundary) return *scan.on_boundary;
  // Without any axis-parallel edge in reach (an oblique edge, or a point far
  // inside a very large rectilinear outline) the angle sum decides.
  if (scan.oblique || scan.best_axis < 0) {
    return LocateByAngleSum(region, polygon, point, tolerance);
  }
  // A clockwise outline has its inside to the right of every edge, so the
  // sign of the nearest edge's direction against the point's side tells
  // inside from outside. An outline that runs the other way round stands for
  // its outside, and the same rule yields that region.
  const Point p = polygon[scan.best_edge];
  const Point q = polygon[scan.best_edge + 1];
  const double direction = scan.best_axis == 0 ? p.x - q.x : p.y - q.y;
  return scan.best_distance * direction > 0.0 ? Location::kInside : Location::kOutside;
}

}  // namespace peltarix
