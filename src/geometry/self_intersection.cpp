#include "geometry/self_intersection.h"

#include <cmath>
#include <vector>

#include "geometry/box_grid.h"
#include "geometry/segment_intersection.h"

namespace peltarix {

namespace {

Segment Edge(std::span<const Point> polygon, std::size_t k) { return {polygon[k], polygon[k + 1]}; }

std::optional<Point> Meeting(std::span<const Point> polygon, std::size_t j, std::size_t i,
                             double tolerance) {
  return IntersectSegments(Edge(polygon, j), Edge(polygon, i), tolerance);
}

bool Meet(std::span<const Point> polygon, std::size_t j, std::size_t i, double tolerance) {
  return Meeting(polygon, j, i, tolerance).has_value();
}

// An edge whose ends coincide within the tolerance meets no other edge.
bool IsDegenerate(std::span<const Point> polygon, std::size_t k, double tolerance) {
  return std::fabs(polygon[k].x - polygon[k + 1].x) <= tolerance &&
         std::fabs(polygon[k].y - polygon[k + 1].y) <= tolerance;
}

// Every pair of edges that are neither adjacent nor the first and the last
// (they share the closing point). Degenerate edges meet nothing and are left
// out. Used for lists with coordinates that are not finite, which the grid
// does not index.
std::optional<Point> AnyPairMeets(std::span<const Point> polygon, double tolerance) {
  const std::size_t n = polygon.size();
  std::vector<std::size_t> edges;
  for (std::size_t k = 0; k + 1 < n; ++k) {
    if (!IsDegenerate(polygon, k, tolerance)) edges.push_back(k);
  }
  for (std::size_t a = 0; a < edges.size(); ++a) {
    const std::size_t j = edges[a];
    const std::size_t last = (j == 0) ? n - 3 : n - 2;
    for (std::size_t b = a + 1; b < edges.size() && edges[b] <= last; ++b) {
      const std::size_t i = edges[b];
      if (i < j + 2) continue;
      if (const auto at = Meeting(polygon, j, i, tolerance)) return at;
    }
  }
  return std::nullopt;
}

}  // namespace

bool CheckSelfIntersection(std::span<const Point> polygon, double tolerance) {
  return FindSelfIntersection(polygon, tolerance).found;
}

SelfIntersection FindSelfIntersection(std::span<const Point> polygon, double tolerance) {
  const std::size_t n = polygon.size();
  if (n <= 3) return {true, std::nullopt};
  if (n == 4) {
    // The edges of a sound triangle meet at their shared corners; a pair that
    // does not meet means the triangle is flat.
    if (Meet(polygon, 0, 1, tolerance) && Meet(polygon, 0, 2, tolerance)) return {};
    return {true, polygon.front()};
  }
  // Edges are numbered 0 .. n - 2. Adjacent edges share a point and are not
  // tested, nor are the first and the last edge, which share the closing point.
  // Degenerate edges are left out of the pairs: they meet nothing, and a block
  // whose point count runs far beyond its points (read as 0, 0) has
  // thousands of them, which were once paired with each other one by one.
  const BoxGrid grid(EdgeBoxes(polygon));
  if (!grid.usable()) {
    const std::optional<Point> at = AnyPairMeets(polygon, tolerance);
    return {at.has_value(), at};
  }
  // Only edges whose boxes come within the tolerance of each other can meet:
  // each edge is tested against the later edges the grid finds near it. The
  // answer is whether any pair meets, so the order of the tests is free.
  const double reach = tolerance + grid.slack();
  std::vector<std::size_t> near;
  for (std::size_t j = 0; j + 1 < n; ++j) {
    if (IsDegenerate(polygon, j, tolerance)) continue;
    grid.BoxesMeeting(Grown(EdgeBox(polygon, j), reach), near);
    const std::size_t last = (j == 0) ? n - 3 : n - 2;
    for (const std::size_t i : near) {
      if (i < j + 2 || i > last || IsDegenerate(polygon, i, tolerance)) continue;
      if (const auto at = Meeting(polygon, j, i, tolerance)) return {true, at};
    }
  }
  return {};
}

}  // namespace peltarix
