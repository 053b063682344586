#pragma once

#include <span>
#include <vector>

#include "geometry/point.h"

namespace peltarix {

enum class UnionStatus : int {
  kDone = 0,
  kTooManyLoops = 1,  // more loops than the caller accepts; the first ones are kept
};

struct UnionResult {
  UnionStatus status = UnionStatus::kDone;
  // Closed loops of the union's boundary, each ending on (or within the
  // tolerance of) its first point, in the direction of the pieces they are
  // made of.
  std::vector<PointList> loops;
};

// The union of two closed point lists as boundary loops. A clockwise list
// stands for its inside, any other for its outside (the complement), so the
// perimeter blocks of a floor are oriented clockwise before they are merged.
// Coordinates within the tolerance count as equal. At most `loop_limit` loops
// are produced.
UnionResult UnitePolygons(std::span<const Point> first, std::span<const Point> second,
                          int loop_limit, double tolerance);

}  // namespace peltarix
