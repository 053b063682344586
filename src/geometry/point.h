#pragma once

#include <vector>

namespace peltarix {

// A point of a plan, in the source file's own length unit.
struct Point {
  double x = 0.0;
  double y = 0.0;

  friend bool operator==(const Point&, const Point&) = default;
};

// A directed segment from `start` to `end`.
struct Segment {
  Point start;
  Point end;

  friend bool operator==(const Segment&, const Segment&) = default;
};

// A closed point list: the last point repeats the first, so a square has five
// points and its edges run from point k to point k + 1.
using PointList = std::vector<Point>;

}  // namespace peltarix
