#pragma once

#include <span>
#include <vector>

#include "geometry/orientation.h"
#include "geometry/point.h"

namespace peltarix {

// Where a piece of a cut segment lies against the polygon's region.
enum class PieceClass : int {
  kInside = 1,    // inside the region
  kBoundary = 2,  // on the region's boundary
  kOutside = 3,   // outside the region
};

struct Piece {
  Segment segment;  // in the direction of the segment that was cut
  PieceClass piece_class = PieceClass::kOutside;
};

// Cuts `segment` at every point where it meets an edge of `polygon` and
// classifies each piece by the location of its midpoint against the region
// (`region` being the polygon's own orientation). Pieces come in the
// segment's direction; cut points that coincide within the tolerance give no
// piece between them.
std::vector<Piece> SplitSegmentByPolygon(std::span<const Point> polygon, const Segment& segment,
                                         double tolerance, Orientation region);

class IndexedPolygon;

// The same pieces, cutting and locating against a polygon prepared for many
// segments: only the edges near the segment and near each midpoint are
// looked at one by one. `tolerance` should be the polygon's own.
std::vector<Piece> SplitSegmentByPolygon(const IndexedPolygon& polygon, const Segment& segment,
                                         double tolerance, Orientation region);

}  // namespace peltarix
