#include "geometry/point_location.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>
#include <vector>

#include "geometry/indexed_polygon.h"
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

// What one edge tells the axis-parallel scan about a point.
struct EdgeScan {
  enum Kind { kSkip, kOblique, kOnBoundary, kCandidate } kind = kSkip;
  Location on_boundary = Location::kOnEdge;
  double distance = 0.0;
  int axis = -1;
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

// What one edge adds to the angle sum: nothing for an edge shorter than the
// tolerance both ways, an answer when the point lies on it, else its angle.
struct AngleStep {
  std::optional<Location> on_boundary;
  bool counted = false;
  double degrees = 0.0;
};

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
  return FromNearestEdge(polygon, scan.best_edge, scan.best_axis, scan.best_distance);
}

namespace {

// Closer than this to an edge, the exact angles and the winding number below
// are not trusted, and the full angle sum decides.
constexpr double kTrustedDistance = 1e-6;

Box Around(Point point, double reach) {
  return {point.x - reach, point.x + reach, point.y - reach, point.y + reach};
}

double SegmentDistance(Point p, Point q, Point point) {
  const double dx = q.x - p.x;
  const double dy = q.y - p.y;
  const double squared = dx * dx + dy * dy;
  double t = squared > 0.0 ? ((point.x - p.x) * dx + (point.y - p.y) * dy) / squared : 0.0;
  t = std::clamp(t, 0.0, 1.0);
  return std::hypot(point.x - (p.x + t * dx), point.y - (p.y + t * dy));
}

// The angle under which the point sees the edge p-q, in degrees, with the
// sign AngleAtPoint gives it, computed without its shortcuts.
double ExactAngle(Point p, Point point, Point q) {
  const double ax = p.x - point.x;
  const double ay = p.y - point.y;
  const double bx = q.x - point.x;
  const double by = q.y - point.y;
  return std::atan2(ax * by - ay * bx, ax * bx + ay * by) * 180.0 / std::numbers::pi;
}

// How often the edge p-q winds round the point counter-clockwise, counted
// where it crosses the ray from the point towards +x. Empty when the point is
// too close to the edge's line to tell the side.
std::optional<int> Crossing(Point p, Point q, Point point) {
  const bool up = p.y <= point.y && q.y > point.y;
  const bool down = p.y > point.y && q.y <= point.y;
  if (!up && !down) return 0;
  const double left = (q.x - p.x) * (point.y - p.y) - (point.x - p.x) * (q.y - p.y);
  if (std::fabs(left) <= kTrustedDistance * std::hypot(q.x - p.x, q.y - p.y)) return std::nullopt;
  if (up && left > 0.0) return 1;
  if (down && left < 0.0) return -1;
  return 0;
}

// The winding number of the list round the point, the list closed by an edge
// from its last point to its first where they differ.
std::optional<int> WindingNumber(const IndexedPolygon& polygon, Point point,
                                 std::vector<std::size_t>& edges) {
  const std::span<const Point> points = polygon.points();
  polygon.grid().BoxesMeeting({point.x, polygon.box().max_x, point.y, point.y}, edges);
  int winding = 0;
  for (const std::size_t k : edges) {
    const std::optional<int> crossing = Crossing(points[k], points[k + 1], point);
    if (!crossing) return std::nullopt;
    winding += *crossing;
  }
  const std::optional<int> closing = Crossing(points.back(), points.front(), point);
  if (!closing) return std::nullopt;
  return winding + *closing;
}

// The angle sum of LocateByAngleSum from the edges near the point alone. The
// angles of all edges add up to 360 degrees times the winding number, less
// the angle of the gap of a list that does not end on its first point; the
// far edges' share is that total less the near edges' exact angles, and
// AngleAtPoint departs from it by no more than the polygon's angle error.
// Empty when the near edges do not decide and the sum is too close to 180
// degrees for that error.
std::optional<Location> LocateByNearAngles(Orientation region, const IndexedPolygon& polygon,
                                           Point point, std::vector<std::size_t>& near) {
  const std::span<const Point> points = polygon.points();
  const double tolerance = polygon.tolerance();
  double counted = 0.0;
  double exact = 0.0;
  for (const std::size_t k : near) {
    const Point p = points[k];
    const Point q = points[k + 1];
    const AngleStep step = StepAngleSum(p, q, point, tolerance);
    if (step.on_boundary) return step.on_boundary;
    if (SegmentDistance(p, q, point) < kTrustedDistance) return std::nullopt;
    counted += step.degrees;
    exact += ExactAngle(p, point, q);
  }
  double gap = 0.0;
  if (points.back() != points.front()) {
    if (SegmentDistance(points.back(), points.front(), point) < kTrustedDistance) {
      return std::nullopt;
    }
    gap = ExactAngle(points.back(), point, points.front());
  }
  const std::optional<int> winding = WindingNumber(polygon, point, near);
  if (!winding) return std::nullopt;
  const double sum = counted + (360.0 * *winding - gap - exact);
  if (std::fabs(std::fabs(sum) - 180.0) <= polygon.angle_error()) return std::nullopt;
  return std::fabs(sum) > 180.0 ? Within(region) : Away(region);
}

struct NearestEdge {
  std::size_t edge = 0;
  int axis = -1;
  double distance = kScanReach;
};

// The axis scan of a list without oblique edges, from the edges near the
// point: the first edge in order that the point lies on, else the nearest
// axis-parallel edge straight above, below, left or right of it (ties to
// the earlier edge). The search widens until an edge is found within the
// searched reach, which no edge outside it can beat.
std::optional<Location> ScanNearEdges(const IndexedPolygon& polygon, Point point,
                                      std::vector<std::size_t>& near) {
  const std::span<const Point> points = polygon.points();
  const double tolerance = polygon.tolerance();
  const double slack = polygon.grid().slack();
  polygon.grid().BoxesMeeting(Around(point, tolerance + slack), near);
  for (const std::size_t k : near) {
    const EdgeScan scan = ScanEdge(points[k], points[k + 1], point, tolerance);
    if (scan.kind == EdgeScan::kOnBoundary) return scan.on_boundary;
  }
  const double side = tolerance + slack;
  NearestEdge best;
  const auto consider = [&](const std::vector<std::size_t>& edges) {
    for (const std::size_t k : edges) {
      const EdgeScan scan = ScanEdge(points[k], points[k + 1], point, tolerance);
      if (scan.kind != EdgeScan::kCandidate) continue;
      const double distance = std::fabs(scan.distance);
      const double best_distance = std::fabs(best.distance);
      if (distance < best_distance || (distance == best_distance && best.axis >= 0 &&
                                        k < best.edge)) {
        best = {k, scan.axis, scan.distance};
      }
    }
  };
  for (double reach = 4.0 * tolerance + 1.0;; reach *= 4.0) {
    const double span = std::min(reach, kScanReach) + slack;
    polygon.grid().BoxesMeeting({point.x - side, point.x + side, point.y - span, point.y + span},
                                near);
    consider(near);
    polygon.grid().BoxesMeeting({point.x - span, point.x + span, point.y - side, point.y + side},
                                near);
    consider(near);
    if (best.axis >= 0 && std::fabs(best.distance) <= std::min(reach, kScanReach)) break;
    if (reach >= kScanReach) break;
  }
  if (best.axis < 0) return std::nullopt;
  return FromNearestEdge(points, best.edge, best.axis, best.distance);
}

}  // namespace

Location LocatePoint(Orientation region, const IndexedPolygon& polygon, Point point) {
  const std::span<const Point> points = polygon.points();
  const double tolerance = polygon.tolerance();
  if (!polygon.grid().usable() || !std::isfinite(point.x) || !std::isfinite(point.y)) {
    return LocatePoint(region, points, point, tolerance);
  }
  const Box& box = polygon.box();
  if (point.x > box.max_x + tolerance || point.y > box.max_y + tolerance ||
      point.x < box.min_x - tolerance || point.y < box.min_y - tolerance) {
    return Away(region);
  }
  std::vector<std::size_t> near;
  std::optional<Location> location;
  if (polygon.first_oblique() + 1 < points.size()) {
    if (polygon.near_reach() > 0.0) {
      polygon.grid().BoxesMeeting(Around(point, polygon.near_reach() + polygon.grid().slack()),
                                  near);
      // The axis scan stops at the first oblique edge; before it, the point
      // may lie on an axis-parallel edge.
      for (const std::size_t k : near) {
        if (k >= polygon.first_oblique()) break;
        const EdgeScan scan = ScanEdge(points[k], points[k + 1], point, tolerance);
        if (scan.kind == EdgeScan::kOnBoundary) return scan.on_boundary;
      }
      location = LocateByNearAngles(region, polygon, point, near);
    }
  } else {
    location = ScanNearEdges(polygon, point, near);
  }
  return location ? *location : LocatePoint(region, points, point, tolerance);
}

}  // namespace peltarix
