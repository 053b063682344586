#pragma once

#include <cstddef>
#include <span>
#include <vector>

#include "geometry/point.h"

namespace peltarix {

enum class UnionStatus : int {
  kDone = 0,
  kTooManyLoops = 1,   // more loops than the caller accepts; the first ones are kept
  kTooManyPieces = 2,  // the edges cut each other into too many pieces; no loops
};

struct UnionResult {
  UnionStatus status = UnionStatus::kDone;
  // Closed loops of the union's boundary, each ending on (or within the
  // tolerance of) its first point, in the direction of the pieces they are
  // made of.
  std::vector<PointList> loops;
};

// The most pieces either polygon's edges may be cut into. The edges of real
// outlines each meet a few edges of the other outline; outlines whose edges
// cross many of the other's (two interleaved combs) are cut into a number of
// pieces that grows with the product of their sizes, and locating every piece
// costs a pass over the other's edges: two combs of 800 points each took 20
// seconds, and the time grows with the cube of their size.
// The limit keeps the work of a union within a few passes over every pair of
// edges, and never refuses two polygons cut into up to 100 pieces each.
std::size_t UnionPieceLimit(std::size_t first_size, std::size_t second_size);

// The union of two closed point lists as boundary loops. A clockwise list
// stands for its inside, any other for its outside (the complement), so the
// perimeter blocks of a floor are oriented clockwise before they are merged.
// Coordinates within the tolerance count as equal. At most `loop_limit` loops
// are produced. A union whose edges cut each other into more pieces than
// UnionPieceLimit allows is refused with kTooManyPieces.
UnionResult UnitePolygons(std::span<const Point> first, std::span<const Point> second,
                          int loop_limit, double tolerance);

}  // namespace peltarix
