// Fuzzes UnitePolygons and CheckSelfIntersection on point lists decoded from
// the input (see geometry_input.h). Besides the sanitizers, every union is
// checked for the few things its callers rely on: no more loops than asked
// for, no sliver loops, and every loop point on or next to an edge of one of
// the two polygons.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <span>

#include "geometry/orientation.h"
#include "geometry/polygon_union.h"
#include "geometry/self_intersection.h"
#include "geometry_input.h"

namespace {

using peltarix::Point;
using peltarix::PointList;

// Cut points are taken within the tolerance of both edges they come from,
// snapped to the axes where an edge is within the tolerance of one; this is
// a generous bound on how far from an edge that leaves them.
constexpr double kNearEdge = 0.5;

double DistanceToSegment(Point point, Point start, Point end) {
  const double dx = end.x - start.x;
  const double dy = end.y - start.y;
  const double length_squared = dx * dx + dy * dy;
  double t = 0.0;
  if (length_squared > 0.0) {
    t = std::clamp(((point.x - start.x) * dx + (point.y - start.y) * dy) / length_squared, 0.0,
                   1.0);
  }
  return std::hypot(point.x - (start.x + t * dx), point.y - (start.y + t * dy));
}

bool NearAnEdge(Point point, std::span<const Point> polygon) {
  if (polygon.size() == 1) return DistanceToSegment(point, polygon[0], polygon[0]) <= kNearEdge;
  for (std::size_t k = 0; k + 1 < polygon.size(); ++k) {
    if (DistanceToSegment(point, polygon[k], polygon[k + 1]) <= kNearEdge) return true;
  }
  return false;
}

void Require(bool condition, const char* what) {
  if (condition) return;
  std::fprintf(stderr, "geometry fuzzer: %s\n", what);
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const peltarix::fuzz::GeometryInput input =
      peltarix::fuzz::DecodeGeometryInput(std::span<const std::uint8_t>(data, size));
  PointList first = input.first;
  PointList second = input.second;
  if (input.orient_clockwise) {
    // As the perimeter conversion merges its blocks.
    first = peltarix::OrientPolygon(first, peltarix::Orientation::kClockwise);
    second = peltarix::OrientPolygon(second, peltarix::Orientation::kClockwise);
  }
  const double tolerance = peltarix::fuzz::kTolerance;
  peltarix::CheckSelfIntersection(first, tolerance);
  peltarix::CheckSelfIntersection(second, tolerance);

  const peltarix::UnionResult result =
      peltarix::UnitePolygons(first, second, input.loop_limit, tolerance);
  Require(static_cast<int>(result.loops.size()) <= input.loop_limit,
          "no more loops than the caller accepts");
  for (const PointList& loop : result.loops) {
    Require(!loop.empty(), "a loop has points");
    for (const Point& point : loop) {
      Require(NearAnEdge(point, first) || NearAnEdge(point, second),
              "every loop point lies on an edge of one of the polygons");
    }
    peltarix::CheckSelfIntersection(loop, tolerance);
  }
  return 0;
}
