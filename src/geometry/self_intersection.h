#pragma once

#include <optional>
#include <span>

#include "geometry/point.h"

namespace peltarix {

// True when the closed point list is not a simple polygon: two non-adjacent
// edges cross (a twist) or touch (a constriction), a triangle is flat, or the
// list has fewer than four points.
bool CheckSelfIntersection(std::span<const Point> polygon, double tolerance);

// The same check, with where the first pair of edges found meets: empty for a
// list of fewer than four points, a flat triangle's first point.
struct SelfIntersection {
  bool found = false;
  std::optional<Point> where;
};
SelfIntersection FindSelfIntersection(std::span<const Point> polygon, double tolerance);

}  // namespace peltarix
