#include "geometry/indexed_polygon.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace peltarix {

namespace {

constexpr double kEpsilon = std::numeric_limits<double>::epsilon();
// Three points within this distance of one line count as in one line in
// AngleAtPoint.
constexpr double kCollinearDistance = 0.01;
// The angle sum is shortened only when the edges left out may shift it by
// less than this: a sum that decides is a multiple of 360 degrees, and the
// test is whether it exceeds 180.
constexpr double kLargestAngleError = 90.0;

}  // namespace

IndexedPolygon::IndexedPolygon(std::span<const Point> points, double tolerance)
    : points_(points), tolerance_(tolerance), grid_(EdgeBoxes(points)) {
  const std::size_t edge_count = points.empty() ? 0 : points.size() - 1;
  first_oblique_ = edge_count;
  for (std::size_t k = 0; k < edge_count; ++k) {
    if (std::fabs(points[k].x - points[k + 1].x) > tolerance &&
        std::fabs(points[k].y - points[k + 1].y) > tolerance) {
      first_oblique_ = k;
      break;
    }
  }
  if (!grid_.usable()) return;
  box_ = {points[0].x, points[0].x, points[0].y, points[0].y};
  double longest = 0.0;
  for (std::size_t k = 0; k < points.size(); ++k) {
    box_.min_x = std::min(box_.min_x, points[k].x);
    box_.max_x = std::max(box_.max_x, points[k].x);
    box_.min_y = std::min(box_.min_y, points[k].y);
    box_.max_y = std::max(box_.max_y, points[k].y);
    if (k < edge_count) {
      longest = std::max(longest,
                         std::hypot(points[k + 1].x - points[k].x, points[k + 1].y - points[k].y));
    }
  }

  if (!(tolerance > 0.0)) return;

  // The collinearity tests of AngleAtPoint subtract products of
  // coordinates; `slip` bounds their rounding, divided by a length of at
  // least the tolerance.
  const double magnitude = std::max({std::fabs(box_.min_x), std::fabs(box_.max_x),
                                     std::fabs(box_.min_y), std::fabs(box_.max_y)}) +
                           tolerance + 1.0;
  const double slip = 16.0 * kEpsilon * magnitude * magnitude / std::min(tolerance, 1.0);
  if (slip > 0.002) return;
  const double collinear = kCollinearDistance + slip;
  // Within this reach of its box an edge can end the sum: a point at a
  // vertex, on the edge, or seeing it at 179.99 degrees (a lens whose width
  // is 4.4e-5 of the edge's length).
  const double shortest_reach =
      2.0 * tolerance + 3.0 * kCollinearDistance + 1e-4 * longest + 2.0 * slip;
  const double diagonal = std::hypot(box_.max_x - box_.min_x, box_.max_y - box_.min_y);
  // Beyond reach R, an edge of length L that AngleAtPoint takes as in line
  // with the point counts 0 instead of an angle of at most
  // asin(collinear * max(L, R) / R^2) (its sign may flip likewise), and its
  // arc cosine is off by at most 2e-7 * (1 + L / R) radians. Edges shorter
  // than the tolerance both ways are left out of the sum; they would add at
  // most L / R.
  const auto error_at = [&](double reach) {
    double radians = 0.0;
    for (std::size_t k = 0; k < edge_count; ++k) {
      const double dx = std::fabs(points[k + 1].x - points[k].x);
      const double dy = std::fabs(points[k + 1].y - points[k].y);
      const double length = std::hypot(dx, dy);
      if (dx < tolerance && dy < tolerance) {
        radians += 1.6 * length / reach;
        continue;
      }
      radians += 1.6 * collinear * std::max(length, reach) / (reach * reach) + 4.0 * slip / reach +
                 2e-7 * (1.0 + length / reach);
    }
    return radians * 180.0 / std::numbers::pi + 1e-6;
  };
  for (double reach = shortest_reach; reach < diagonal; reach *= 1.5) {
    const double error = error_at(reach);
    if (error <= kLargestAngleError) {
      near_reach_ = reach;
      angle_error_ = error;
      return;
    }
  }
}

}  // namespace peltarix
