#include "geometry/primitives.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace peltarix {

PointDistanceResult PointDistance(Point p, Point q, double tolerance) {
  const double dx = std::fabs(p.x - q.x);
  const double dy = std::fabs(p.y - q.y);
  PointDistanceResult result;
  if (dx <= tolerance) {
    result.distance = dy;
  } else if (dy <= tolerance) {
    result.distance = dx;
  } else {
    result.distance = std::sqrt((q.x - p.x) * (q.x - p.x) + (q.y - p.y) * (q.y - p.y));
  }
  result.coincident = result.distance <= tolerance;
  return result;
}

std::optional<Line> LineThrough(Point p, Point q, double tolerance) {
  const PointDistanceResult length = PointDistance(p, q, tolerance);
  if (length.coincident) return std::nullopt;
  const double l = length.distance;
  Line line{(p.y - q.y) / l, (q.x - p.x) / l, (q.x * p.y - q.y * p.x) / l};
  if (line.k < 0.0) {
    line.a = -line.a;
    line.b = -line.b;
    line.k = -line.k;
  }
  return line;
}

namespace {

// The position code of `value` against the interval between `first` and
// `second` along one axis.
SegmentPosition PositionOnInterval(double value, double first, double second, double tolerance) {
  const double lo = std::min(first, second);
  const double hi = std::max(first, second);
  if (value <= lo + tolerance || value >= hi - tolerance) {
    return (std::fabs(value - lo) <= tolerance || std::fabs(value - hi) <= tolerance)
               ? SegmentPosition::kAtEnd
               : SegmentPosition::kBeyond;
  }
  return SegmentPosition::kBetween;
}

}  // namespace

Projection ProjectPointOnSegment(Point p, Point q, Point point, double tolerance) {
  Projection result;
  const PointDistanceResult length = PointDistance(p, q, tolerance);
  result.degenerate = length.coincident;
  if (result.degenerate) return result;

  if (std::fabs(q.x - p.x) <= tolerance) {
    result.distance = std::fabs(point.x - p.x);
    result.foot = {p.x, point.y};
    result.position = PositionOnInterval(point.y, p.y, q.y, tolerance);
  } else if (std::fabs(q.y - p.y) <= tolerance) {
    result.distance = std::fabs(point.y - p.y);
    result.foot = {point.x, p.y};
    result.position = PositionOnInterval(point.x, p.x, q.x, tolerance);
  } else {
    const double l = length.distance;
    const double u = (q.x - p.x) / l;
    const double v = (q.y - p.y) / l;
    const double t = (point.x - p.x) * u + (point.y - p.y) * v;
    result.distance = std::fabs((point.y - p.y) * u - (point.x - p.x) * v);
    result.foot = {p.x + t * u, p.y + t * v};
    if (t <= tolerance || t >= l - tolerance) {
      result.position = (std::fabs(t) <= tolerance || std::fabs(t - l) <= tolerance)
                            ? SegmentPosition::kAtEnd
                            : SegmentPosition::kBeyond;
    } else {
      result.position = SegmentPosition::kBetween;
    }
  }
  return result;
}

namespace {

// Strictly closer than the tolerance in both coordinates.
bool Coincide(Point p, Point q, double tolerance) {
  return std::fabs(p.x - q.x) < tolerance && std::fabs(p.y - q.y) < tolerance;
}

double SquaredLength(Point p, Point q) {
  return (q.x - p.x) * (q.x - p.x) + (q.y - p.y) * (q.y - p.y);
}

// Below this distance from a line the three points count as being in one line,
// whatever the coincidence tolerance.
constexpr double kCollinearDistance = 0.01;

}  // namespace

AngleResult AngleAtPoint(Point a, Point apex, Point b, double tolerance) {
  AngleResult result;
  if (Coincide(apex, b, tolerance) || Coincide(a, b, tolerance) || Coincide(apex, a, tolerance)) {
    result.coincident = true;
    return result;
  }

  const double ab2 = SquaredLength(a, b);
  const double ma2 = SquaredLength(apex, a);
  const double mb2 = SquaredLength(apex, b);
  // Signed distance of the apex from the line a-b.
  const double h =
      ((b.x * a.y - a.x * b.y) + (a.x - b.x) * apex.y - (a.y - b.y) * apex.x) / std::sqrt(ab2);
  if (std::fabs(h) >= kCollinearDistance) {
    const double cosine = std::clamp((mb2 + ma2 - ab2) / (2.0 * std::sqrt(mb2 * ma2)), -1.0, 1.0);
    result.degrees = std::acos(cosine) * 180.0 / std::numbers::pi;
    // Signed distance of b from the line a-apex.
    const double h2 =
        ((apex.x * a.y - a.x * apex.y) + (apex.y - a.y) * b.x - (apex.x - a.x) * b.y) /
        std::sqrt(ma2);
    if (std::fabs(h2) >= kCollinearDistance) {
      if (h2 < 0.0) result.degrees = -result.degrees;
      return result;
    }
  }
  // The three points are in one line.
  const double along = (apex.x - a.x) * (b.x - apex.x) + (apex.y - a.y) * (b.y - apex.y);
  result.degrees = along < 0.0 ? 0.0 : 180.0;
  return result;
}

}  // namespace peltarix
