#pragma once

// The polygon operations as they were before the pair pruning: every edge
// tested against every edge, every piece against every piece. The pruned
// operations must give exactly their results, points and order included.

#include <optional>
#include <span>

#include "geometry/point.h"
#include "geometry/polygon_union.h"

namespace peltarix::testing {

bool AllPairsSelfIntersection(std::span<const Point> polygon, double tolerance);

// Empty when the two boxes are apart (that case is not pruned).
std::optional<UnionResult> AllPairsUnion(std::span<const Point> first,
                                         std::span<const Point> second, int loop_limit,
                                         double tolerance);

}  // namespace peltarix::testing
