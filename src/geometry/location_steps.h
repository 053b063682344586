#pragma once

// The steps of LocatePoint, shared by its plain and its indexed form.

#include <cstddef>
#include <optional>
#include <span>

#include "geometry/orientation.h"
#include "geometry/point.h"
#include "geometry/point_location.h"

namespace peltarix::location_steps {

// Candidates farther than this along an axis are not considered: an edge
// beyond it is taken to be no edge at all.
inline constexpr double kScanReach = 20000.0;

// The answer for a point that is clearly away from the polygon's bounded area.
Location Away(Orientation region);
// The answer for a point within the polygon's bounded area.
Location Within(Orientation region);

// What one edge tells the axis-parallel scan about a point.
struct EdgeScan {
  enum Kind { kSkip, kOblique, kOnBoundary, kCandidate } kind = kSkip;
  Location on_boundary = Location::kOnEdge;
  double distance = 0.0;
  int axis = -1;
};

// Edges count as horizontal or vertical at their first point's coordinate.
EdgeScan ScanEdge(Point p, Point q, Point point, double tolerance);

// What one edge adds to the angle sum: nothing for an edge shorter than the
// tolerance both ways, an answer when the point lies on it, else its angle.
struct AngleStep {
  std::optional<Location> on_boundary;
  bool counted = false;
  double degrees = 0.0;
};

AngleStep StepAngleSum(Point p, Point q, Point point, double tolerance);

// The answer from the nearest axis-parallel edge: its direction against the
// side of the point.
Location FromNearestEdge(std::span<const Point> polygon, std::size_t edge, int axis,
                         double distance);

// The full angle sum over every edge.
Location LocateByAngleSum(Orientation region, std::span<const Point> polygon, Point point,
                          double tolerance);

}  // namespace peltarix::location_steps
