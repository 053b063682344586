#pragma once

#include <optional>

#include "geometry/point.h"

namespace peltarix {

// Every comparison below takes the caller's coincidence tolerance: coordinates
// that differ by no more than it count as equal, and a coordinate difference
// within it makes a segment count as exactly axis-parallel.

struct PointDistanceResult {
  double distance = 0.0;
  bool coincident = false;  // distance <= tolerance
};

// The distance of two points, snapped to the axes: when the points agree in x
// (or y) within the tolerance, the distance is the other coordinate's
// difference alone, so a wall drawn 0.05 off vertical keeps its exact length.
PointDistanceResult PointDistance(Point p, Point q, double tolerance);

// The line a * x + b * y = k through two points, (a, b) of unit length (by the
// snapped distance) and k >= 0.
struct Line {
  double a = 0.0;
  double b = 0.0;
  double k = 0.0;
};

// Empty when the points coincide within the tolerance.
std::optional<Line> LineThrough(Point p, Point q, double tolerance);

// Where a point lies along a segment.
enum class SegmentPosition : int {
  kBeyond = 0,   // beyond either end by more than the tolerance
  kAtEnd = 1,    // within the tolerance of an end
  kBetween = 2,  // between the ends by more than the tolerance
};

struct Projection {
  bool degenerate = false;  // the segment's ends coincide; nothing else is set
  double distance = 0.0;    // of the point from the segment's line
  Point foot;               // the point's foot on that line
  SegmentPosition position = SegmentPosition::kBeyond;
};

// Projects `point` on the segment p-q. Segments within the tolerance of
// vertical or horizontal are treated as exactly so: the distance is then a
// plain coordinate difference.
Projection ProjectPointOnSegment(Point p, Point q, Point point, double tolerance);

struct AngleResult {
  double degrees = 0.0;     // signed, -180 .. 180
  bool coincident = false;  // two of the three points coincide; degrees is 0
};

// The angle a-apex-b seen from `apex`, in degrees. Its sign tells on which
// side of the line a-apex the point b lies. Points that are in one line within
// 0.01 give exactly 0 (a and b on the same side of the apex) or 180.
AngleResult AngleAtPoint(Point a, Point apex, Point b, double tolerance);

}  // namespace peltarix
