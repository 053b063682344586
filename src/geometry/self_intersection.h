#pragma once

#include <span>

#include "geometry/point.h"

namespace peltarix {

// True when the closed point list is not a simple polygon: two non-adjacent
// edges cross (a twist) or touch (a constriction), a triangle is flat, or the
// list has fewer than four points.
bool CheckSelfIntersection(std::span<const Point> polygon, double tolerance);

}  // namespace peltarix
