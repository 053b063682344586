#pragma once

#include "geometry/point.h"

namespace peltarix {

// Sorts points by x, then by y, ascending or descending, where coordinates
// within the tolerance count as equal. The exchange order below is part of the
// result: points that are equal within the tolerance in both coordinates are
// never exchanged with each other, so their relative order depends on the
// points between them, and cut points of a segment come out in exactly this
// order. Callers sorting along y exchange x and y before and after.
PointList SortPointsAlongLine(PointList points, bool descending, double tolerance);

}  // namespace peltarix
