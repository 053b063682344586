#pragma once

// The steps of UnitePolygons, for its own units only.

#include <optional>
#include <span>
#include <vector>

#include "geometry/box.h"
#include "geometry/box_grid.h"
#include "geometry/orientation.h"
#include "geometry/point.h"
#include "geometry/polygon_union.h"

namespace peltarix::union_steps {

// Piece classes as the union keeps them: those of SplitSegmentByPolygon, and
// their negatives for pieces that are left out (inside the other region, or a
// boundary drawn by the other polygon) or already used in a loop.
inline constexpr int kInside = 1;
inline constexpr int kBoundary = 2;
inline constexpr int kOutside = 3;

struct UnionPiece {
  Segment segment;
  int piece_class = kOutside;
};

// The pieces of one polygon's edges, in edge order.
using PieceTable = std::vector<UnionPiece>;

using peltarix::Box;

Box BoxOf(std::span<const Point> points);
bool BoxesMeet(const Box& a, const Box& b, double tolerance);

// Cuts every edge of `polygon` at the edges of `other` and classifies the
// pieces against the other's region. Edges whose box is away from the other's
// are taken whole, outside a clockwise other and inside any other. Empty once
// the pieces outnumber `piece_limit`: the edges left are not cut.
std::optional<PieceTable> CutEdges(std::span<const Point> polygon, std::span<const Point> other,
                                   Orientation other_region, double tolerance,
                                   std::size_t piece_limit);

// A grid over the pieces' boxes, piece k at k.
BoxGrid PieceGrid(const PieceTable& pieces);

// The pieces of `pieces` (indexed by `grid`) that may share a stretch with
// `segment` by OverlapSegments (`segment` taken first), ascending: all of
// them when the grid cannot tell.
void PiecesThatMayShare(const BoxGrid& grid, const PieceTable& pieces, const Segment& segment,
                        double tolerance, std::vector<std::size_t>& found);

// Marks both pieces of a boundary stretch that the two polygons share in
// opposite directions: that stretch lies between their regions and is not a
// boundary of the union.
void MarkOppositeBoundaryPieces(PieceTable& first, PieceTable& second, double tolerance);

// Leaves out the pieces that lie inside the other polygon's region.
void DropInsidePieces(PieceTable& pieces);

// Chains the pieces still in play into closed loops.
UnionResult BuildLoops(PieceTable& first, PieceTable& second, int loop_limit, double tolerance);

}  // namespace peltarix::union_steps
