#include "geometry/segment_intersection.h"

#include <algorithm>
#include <cmath>

#include "geometry/primitives.h"

namespace peltarix {

namespace {

// The boxes of the two segments, each grown by the tolerance, meet.
bool BoxesMeet(const Segment& s, const Segment& t, double tolerance) {
  return std::max(s.start.x, s.end.x) + tolerance >= std::min(t.start.x, t.end.x) &&
         std::max(t.start.x, t.end.x) + tolerance >= std::min(s.start.x, s.end.x) &&
         std::max(s.start.y, s.end.y) + tolerance >= std::min(t.start.y, t.end.y) &&
         std::max(t.start.y, t.end.y) + tolerance >= std::min(s.start.y, s.end.y);
}

bool IsVertical(const Segment& s, double tolerance) {
  return std::fabs(s.start.x - s.end.x) <= tolerance;
}

bool IsHorizontal(const Segment& s, double tolerance) {
  return std::fabs(s.start.y - s.end.y) <= tolerance;
}

bool LiesOnSegment(const Segment& s, Point point, double tolerance) {
  const Projection projection = ProjectPointOnSegment(s.start, s.end, point, tolerance);
  return !projection.degenerate && projection.position != SegmentPosition::kBeyond &&
         projection.distance <= tolerance;
}

}  // namespace

std::optional<Point> IntersectSegments(const Segment& first, const Segment& second,
                                       double tolerance) {
  // Parallel lines are told apart with at most this, however coarse the
  // coincidence tolerance.
  const double eps = std::min(tolerance, 0.0001);
  if (!BoxesMeet(first, second, tolerance)) return std::nullopt;

  const bool first_vertical = IsVertical(first, tolerance);
  const bool first_horizontal = IsHorizontal(first, tolerance);
  const bool second_vertical = IsVertical(second, tolerance);
  const bool second_horizontal = IsHorizontal(second, tolerance);
  if ((first_vertical || first_horizontal) && (second_vertical || second_horizontal)) {
    // Both axis-parallel: a crossing of a horizontal and a vertical is decided
    // by the box test alone. A degenerate segment counts as both, and so as
    // parallel to anything axis-parallel.
    if ((first_horizontal && second_horizontal) || (first_vertical && second_vertical)) {
      return std::nullopt;
    }
    return Point{first_vertical ? first.start.x : second.start.x,
                 first_horizontal ? first.start.y : second.start.y};
  }

  const std::optional<Line> first_line = LineThrough(first.start, first.end, tolerance);
  const std::optional<Line> second_line = LineThrough(second.start, second.end, tolerance);
  // A segment shorter than the tolerance meets nothing.
  if (!first_line || !second_line) return std::nullopt;
  if (std::fabs(first_line->a * second_line->b - second_line->a * first_line->b) < eps) {
    return std::nullopt;
  }
  const double x1 = first.start.x, y1 = first.start.y, x2 = first.end.x, y2 = first.end.y;
  const double x3 = second.start.x, y3 = second.start.y, x4 = second.end.x, y4 = second.end.y;
  const double d = (x2 - x1) * (y4 - y3) - (x4 - x3) * (y2 - y1);
  if (std::fabs(d) < eps) return std::nullopt;
  const double e1 = x2 * y1 - x1 * y2;
  const double e2 = x4 * y3 - x3 * y4;
  const Point crossing{((x4 - x3) * e1 - (x2 - x1) * e2) / d,
                       ((y4 - y3) * e1 - (y2 - y1) * e2) / d};
  if (!LiesOnSegment(first, crossing, tolerance) || !LiesOnSegment(second, crossing, tolerance)) {
    return std::nullopt;
  }
  return crossing;
}

namespace {

bool IsDegenerate(const Segment& s, double tolerance) {
  return IsVertical(s, tolerance) && IsHorizontal(s, tolerance);
}

// `second` runs against `first` along both axes (or `first` is flat on one).
bool RunsAgainst(const Segment& first, const Segment& second, double tolerance) {
  const double fdx = first.start.x - first.end.x;
  const double fdy = first.start.y - first.end.y;
  const double sdx = second.start.x - second.end.x;
  const double sdy = second.start.y - second.end.y;
  return (std::fabs(fdx) <= tolerance || sdx * fdx <= 0.0) &&
         (std::fabs(fdy) <= tolerance || sdy * fdy <= 0.0);
}

}  // namespace

std::optional<Overlap> OverlapSegments(const Segment& first, const Segment& second,
                                       double tolerance) {
  if (IsDegenerate(first, tolerance) || IsDegenerate(second, tolerance)) return std::nullopt;

  // a-b is the second segment taken in the first one's direction.
  Point a = second.start;
  Point b = second.end;
  if (RunsAgainst(first, second, tolerance)) std::swap(a, b);

  Overlap overlap{OverlapCode::kNotCollinear, first};
  const Projection start_on_second = ProjectPointOnSegment(a, b, first.start, tolerance);
  if (start_on_second.distance > tolerance) return overlap;
  const Projection end_on_second = ProjectPointOnSegment(a, b, first.end, tolerance);
  if (end_on_second.distance > tolerance) return overlap;

  const SegmentPosition p1 = start_on_second.position;
  const SegmentPosition p2 = end_on_second.position;
  const SegmentPosition p3 = ProjectPointOnSegment(first.start, first.end, a, tolerance).position;
  const SegmentPosition p4 = ProjectPointOnSegment(first.start, first.end, b, tolerance).position;
  constexpr SegmentPosition kBeyond = SegmentPosition::kBeyond;
  constexpr SegmentPosition kAtEnd = SegmentPosition::kAtEnd;
  if (p1 == kBeyond && p2 == kBeyond && p3 == kBeyond && p4 == kBeyond) {
    overlap.code = OverlapCode::kApart;
    return overlap;
  }
  overlap.piece = {p1 == kBeyond ? a : first.start, p2 == kBeyond ? b : first.end};
  const bool end_to_end = (p1 == kBeyond && p2 == kAtEnd && p3 == kAtEnd && p4 == kBeyond) ||
                          (p1 == kAtEnd && p2 == kBeyond && p3 == kBeyond && p4 == kAtEnd);
  overlap.code = end_to_end ? OverlapCode::kTouching : OverlapCode::kShared;
  return overlap;
}

}  // namespace peltarix
