#include "geometry/point_location.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "geometry/location_steps.h"
#include "geometry/primitives.h"

namespace peltarix::location_steps {

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

// Edges count as horizontal or vertical at their first point's coordinate.
EdgeScan ScanEdge(Point p, Point q, Point point, double tolerance) {
  EdgeScan scan;
  const double dx = std::fabs(p.x - q.x);
  const double dy = std::fabs(p.y - q.y);
  if (dx > tolerance && dy > tolerance) {
    scan.kind = EdgeScan::kOblique;
    return scan;
  }
  if (dx >= tolerance) {
    if (point.x < std::min(p.x, q.x) - tolerance || point.x > std::max(p.x, q.x) + tolerance) {
      return scan;
    }
    if (std::fabs(point.y - p.y) <= tolerance) {
      const bool at_end =
          std::fabs(point.x - p.x) <= tolerance || std::fabs(point.x - q.x) <= tolerance;
      scan.kind = EdgeScan::kOnBoundary;
      scan.on_boundary = at_end ? Location::kAtVertex : Location::kOnEdge;
      return scan;
    }
    scan.kind = EdgeScan::kCandidate;
    scan.distance = point.y - p.y;
    scan.axis = 0;
  } else if (dy >= tolerance) {
    if (point.y < std::min(p.y, q.y) - tolerance || point.y > std::max(p.y, q.y) + tolerance) {
      return scan;
    }
    if (std::fabs(point.x - p.x) <= tolerance) {
      const bool at_end =
          std::fabs(point.y - p.y) <= tolerance || std::fabs(point.y - q.y) <= tolerance;
      scan.kind = EdgeScan::kOnBoundary;
      scan.on_boundary = at_end ? Location::kAtVertex : Location::kOnEdge;
      return scan;
    }
    scan.kind = EdgeScan::kCandidate;
    scan.distance = p.x - point.x;
    scan.axis = 1;
  }
  return scan;  // shorter than the tolerance both ways
}

// Looks along both axes for the nearest axis-parallel edge, or for the edge
// the point lies on.
AxisScan ScanAxisParallelEdges(std::span<const Point> polygon, Point point, double tolerance) {
  AxisScan scan;
  for (std::size_t k = 0; k + 1 < polygon.size(); ++k) {
    const EdgeScan edge = ScanEdge(polygon[k], polygon[k + 1], point, tolerance);
    if (edge.kind == EdgeScan::kOblique) {
      scan.oblique = true;
      return scan;
    }
    if (edge.kind == EdgeScan::kOnBoundary) {
      scan.on_boundary = edge.on_boundary;
      return scan;
    }
    if (edge.kind != EdgeScan::kCandidate) continue;
    if (std::fabs(edge.distance) < std::fabs(scan.best_distance)) {  // ties keep the earlier edge
      scan.best_distance = edge.distance;
      scan.best_edge = k;
      scan.best_axis = edge.axis;
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

AngleStep StepAngleSum(Point p, Point q, Point point, double tolerance) {
  AngleStep step;
  if (std::fabs(p.x - q.x) < tolerance && std::fabs(p.y - q.y) < tolerance) return step;
  const AngleResult angle = AngleAtPoint(p, point, q, tolerance);
  if (angle.coincident) {
    step.on_boundary = Location::kAtVertex;
    return step;
  }
  if (std::fabs(180.0 - std::fabs(angle.degrees)) < kStraightAngleSlack) {
    step.on_boundary = Location::kOnEdge;
    return step;
  }
  if (std::fabs(angle.degrees) >= kNearStraightAngle) {
    const Projection projection = ProjectPointOnSegment(p, q, point, tolerance);
    if (projection.position != SegmentPosition::kBeyond && projection.distance < tolerance) {
      step.on_boundary = Location::kOnEdge;
      return step;
    }
  }
  step.counted = true;
  step.degrees = angle.degrees;
  return step;
}

// Sums the signed angles under which the edges are seen from the point: about
// 360 degrees inside the bounded area, about 0 outside it.
Location LocateByAngleSum(Orientation region, std::span<const Point> polygon, Point point,
                          double tolerance) {
  double sum = 0.0;
  for (std::size_t k = 0; k + 1 < polygon.size(); ++k) {
    const AngleStep step = StepAngleSum(polygon[k], polygon[k + 1], point, tolerance);
    if (step.on_boundary) return *step.on_boundary;
    sum += step.degrees;
  }
  return std::fabs(sum) > 180.0 ? Within(region) : Away(region);
}

// The answer from the nearest axis-parallel edge (see LocatePoint).
Location FromNearestEdge(std::span<const Point> polygon, std::size_t edge, int axis,
                         double distance) {
  // A clockwise outline has its inside to the right of every edge, so the
  // sign of the nearest edge's direction against the point's side tells
  // inside from outside. An outline that runs the other way round stands for
  // its outside, and the same rule yields that region.
  const Point p = polygon[edge];
  const Point q = polygon[edge + 1];
  const double direction = axis == 0 ? p.x - q.x : p.y - q.y;
  return distance * direction > 0.0 ? Location::kInside : Location::kOutside;
}

}  // namespace peltarix::location_steps

namespace peltarix {

Location LocatePoint(Orientation region, std::span<const Point> polygon, Point point,
                     double tolerance) {
  using location_steps::Away;
  if (polygon.empty() || location_steps::OutsideBox(polygon, point, tolerance)) return Away(region);

  const location_steps::AxisScan scan =
      location_steps::ScanAxisParallelEdges(polygon, point, tolerance);
  if (scan.on_boundary) return *scan.on_boundary;
  // Without any axis-parallel edge in reach (an oblique edge, or a point far
  // inside a very large rectilinear outline) the angle sum decides.
  if (scan.oblique || scan.best_axis < 0) {
    return location_steps::LocateByAngleSum(region, polygon, point, tolerance);
  }
  return location_steps::FromNearestEdge(polygon, scan.best_edge, scan.best_axis,
                                         scan.best_distance);
}

}  // namespace peltarix
