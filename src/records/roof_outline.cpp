#include "records/roof_outline.h"

#include <cmath>

namespace peltarix {

namespace {

// Eave edges drawn along an axis are often a few hundredths off in the
// source; within this threshold an edge counts as axis-parallel whatever
// tolerance the caller passes.
constexpr double kAxisParallelThreshold = 0.01;

}  // namespace

std::optional<double> DistanceToEaveLine(RoofPoint a, RoofPoint b, RoofPoint point,
                                         double tolerance) {
  if (EavePointsCoincide(a, b, tolerance)) {
    return std::nullopt;
  }
  if (std::fabs(b.x - a.x) < kAxisParallelThreshold) {
    return std::fabs(point.x - a.x);
  }
  if (std::fabs(b.y - a.y) < kAxisParallelThreshold) {
    return std::fabs(point.y - a.y);
  }
  return PerpendicularDistance(a, b, point);
}

bool EavePointsCoincide(RoofPoint a, RoofPoint b, double tolerance) {
  const double dx = std::fabs(a.x - b.x);
  const double dy = std::fabs(a.y - b.y);
  // The first two tests decide most pairs without a square root; they agree
  // with the Euclidean test below.
  if (dx > tolerance || dy > tolerance) {
    return false;
  }
  if (dx + dy < tolerance) {
    return true;
  }
  return std::sqrt(dx * dx + dy * dy) < tolerance;
}

double PerpendicularDistance(RoofPoint a, RoofPoint b, RoofPoint point) {
  const double factor = 1.0 / SegmentLength(a, b);
  const double unit_x = (b.x - a.x) * factor;
  const double unit_y = (b.y - a.y) * factor;
  return std::fabs((point.y - a.y) * unit_x - (point.x - a.x) * unit_y);
}

double SegmentLength(RoofPoint a, RoofPoint b) {
  return std::sqrt((a.y - b.y) * (a.y - b.y) + (a.x - b.x) * (a.x - b.x));
}

}  // namespace peltarix
