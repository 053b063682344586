#include "geometry/segment_split.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "geometry/indexed_polygon.h"
#include "geometry/point_location.h"
#include "geometry/point_sort.h"
#include "geometry/segment_intersection.h"

namespace peltarix {

namespace {

// The segment is cut where it meets an edge within this distance, whatever
// tolerance the caller compares with: the outlines of one plan meet within
// it, and the cut points then agree with the ones the other polygon's edges
// get.
constexpr double kCutTolerance = 0.1;

PointList SwapAxes(PointList points) {
  for (Point& point : points) std::swap(point.x, point.y);
  return points;
}

// The cut points followed by the segment's ends, sorted along the segment's
// main axis in its direction when there is any cut point.
PointList SortCutPoints(PointList points, const Segment& segment, double tolerance) {
  const bool any_cut = !points.empty();
  points.push_back(segment.start);
  points.push_back(segment.end);
  if (!any_cut) return points;

  const Point start = segment.start;
  const Point end = segment.end;
  if (std::fabs(start.x - end.x) < std::fabs(start.y - end.y)) {
    return SwapAxes(SortPointsAlongLine(SwapAxes(std::move(points)), end.y < start.y, tolerance));
  }
  return SortPointsAlongLine(std::move(points), end.x < start.x, tolerance);
}

PieceClass ClassOf(Location location) {
  switch (location) {
    case Location::kOutside:
      return PieceClass::kOutside;
    case Location::kInside:
      return PieceClass::kInside;
    case Location::kOnEdge:
    case Location::kAtVertex:
      break;
  }
  return PieceClass::kBoundary;
}

// A segment within both tolerances of a point is cut nowhere and gives no
// piece longer than the tolerance: the pass over the polygon's edges is
// skipped, which made blocks of thousands of points read from empty values
// cost the square of their size.
bool TooShortToCut(const Segment& segment, double tolerance) {
  const double shortest = std::min(tolerance, kCutTolerance);
  return std::fabs(segment.start.x - segment.end.x) <= shortest &&
         std::fabs(segment.start.y - segment.end.y) <= shortest;
}

// The pieces between consecutive cut points, each classified by `locate` of
// its midpoint.
template <typename Locate>
std::vector<Piece> PiecesBetween(const PointList& points, double tolerance, Locate&& locate) {
  std::vector<Piece> pieces;
  for (std::size_t k = 0; k + 1 < points.size(); ++k) {
    const Point from = points[k];
    const Point to = points[k + 1];
    if (std::fabs(from.x - to.x) <= tolerance && std::fabs(from.y - to.y) <= tolerance) continue;
    const Point middle{(from.x + to.x) / 2.0, (from.y + to.y) / 2.0};
    pieces.push_back({{from, to}, ClassOf(locate(middle))});
  }
  return pieces;
}

bool IsFinite(const Segment& segment) {
  return std::isfinite(segment.start.x) && std::isfinite(segment.start.y) &&
         std::isfinite(segment.end.x) && std::isfinite(segment.end.y);
}

}  // namespace

std::vector<Piece> SplitSegmentByPolygon(std::span<const Point> polygon, const Segment& segment,
                                         double tolerance, Orientation region) {
  if (TooShortToCut(segment, tolerance)) return {};
  PointList crossings;
  for (std::size_t k = 0; k + 1 < polygon.size(); ++k) {
    if (const std::optional<Point> crossing =
            IntersectSegments({polygon[k], polygon[k + 1]}, segment, kCutTolerance)) {
      crossings.push_back(*crossing);
    }
  }
  return PiecesBetween(
      SortCutPoints(std::move(crossings), segment, tolerance), tolerance,
      [&](Point middle) { return LocatePoint(region, polygon, middle, tolerance); });
}

std::vector<Piece> SplitSegmentByPolygon(const IndexedPolygon& polygon, const Segment& segment,
                                         double tolerance, Orientation region) {
  if (tolerance != polygon.tolerance() || !polygon.grid().usable() || !IsFinite(segment)) {
    return SplitSegmentByPolygon(polygon.points(), segment, tolerance, region);
  }
  if (TooShortToCut(segment, tolerance)) return {};
  // Only edges whose boxes come within the cutting distance of the segment's
  // can meet it; they are taken in the order of the polygon, as above.
  const double reach = kCutTolerance + polygon.grid().slack();
  std::vector<std::size_t> edges;
  polygon.grid().BoxesMeeting({std::min(segment.start.x, segment.end.x) - reach,
                               std::max(segment.start.x, segment.end.x) + reach,
                               std::min(segment.start.y, segment.end.y) - reach,
                               std::max(segment.start.y, segment.end.y) + reach},
                              edges);
  const std::span<const Point> points = polygon.points();
  PointList crossings;
  for (const std::size_t k : edges) {
    if (const std::optional<Point> crossing =
            IntersectSegments({points[k], points[k + 1]}, segment, kCutTolerance)) {
      crossings.push_back(*crossing);
    }
  }
  return PiecesBetween(SortCutPoints(std::move(crossings), segment, tolerance), tolerance,
                       [&](Point middle) { return LocatePoint(region, polygon, middle); });
}

}  // namespace peltarix
