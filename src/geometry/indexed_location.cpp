#include "geometry/point_location.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>
#include <vector>

#include "geometry/indexed_polygon.h"
#include "geometry/location_steps.h"

namespace peltarix {

using location_steps::AngleStep;
using location_steps::Away;
using location_steps::EdgeScan;
using location_steps::FromNearestEdge;
using location_steps::kScanReach;
using location_steps::ScanEdge;
using location_steps::StepAngleSum;
using location_steps::Within;

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
      if (distance < best_distance ||
          (distance == best_distance && best.axis >= 0 && k < best.edge)) {
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
