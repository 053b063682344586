#pragma once

#include <optional>

namespace peltarix {

// A point of a roof outline in plan, in the source file's own length unit.
struct RoofPoint {
  double x = 0.0;
  double y = 0.0;
};

// The unsigned distance of `point` from the eave line, the infinite line
// through the eave edge's end points `a` and `b`. No distance when `a` and
// `b` lie closer together than `tolerance`: they define no line.
//
// Edges that run within 0.01 of an axis are measured along the other axis
// from `a` alone, and the test for the y axis comes first; the heights of
// the roof records depend on this order, so it is kept as it is.
std::optional<double> DistanceToEaveLine(RoofPoint a, RoofPoint b, RoofPoint point,
                                         double tolerance);

// True when `a` and `b` are closer together than `tolerance` (Euclidean).
bool EavePointsCoincide(RoofPoint a, RoofPoint b, double tolerance);

// The distance of `point` from the infinite line through `a` and `b`, which
// must not coincide.
double PerpendicularDistance(RoofPoint a, RoofPoint b, RoofPoint point);

// The Euclidean distance between `a` and `b`.
double SegmentLength(RoofPoint a, RoofPoint b);

}  // namespace peltarix
