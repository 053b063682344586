#include "geometry/polygon_union.h"

#include "geometry/orientation.h"
#include "geometry/union_steps.h"

namespace peltarix {

namespace {

using union_steps::Box;
using union_steps::BoxOf;

// Two polygons whose boxes are apart: each is its own loop, where its region
// reaches the union's boundary. A counter-clockwise polygon stands for all
// outside it, which holds the other polygon whole.
UnionResult CopyApartPolygons(std::span<const Point> first, Orientation first_region,
                              std::span<const Point> second, Orientation second_region,
                              int loop_limit) {
  std::vector<std::span<const Point>> kept;
  const bool first_bounded = first_region == Orientation::kClockwise;
  const bool second_bounded = second_region == Orientation::kClockwise;
  if (first_bounded && second_bounded) {
    kept = {first, second};
  } else if (first_bounded) {
    kept = {second};
  } else if (second_bounded) {
    kept = {first};
  }
  UnionResult result;
  for (std::span<const Point> polygon : kept) {
    if (static_cast<int>(result.loops.size()) >= loop_limit) {
      result.status = UnionStatus::kTooManyLoops;
      return result;
    }
    result.loops.emplace_back(polygon.begin(), polygon.end());
  }
  return result;
}

}  // namespace

UnionResult UnitePolygons(std::span<const Point> first, std::span<const Point> second,
                          int loop_limit, double tolerance) {
  const Orientation first_region = PolygonOrientation(first);
  const Orientation second_region = PolygonOrientation(second);
  const Box first_box = BoxOf(first);
  const Box second_box = BoxOf(second);
  if (!union_steps::BoxesMeet(first_box, second_box, tolerance)) {
    return CopyApartPolygons(first, first_region, second, second_region, loop_limit);
  }

  const std::size_t piece_limit = UnionPieceLimit(first.size(), second.size());
  std::optional<union_steps::PieceTable> first_pieces =
      union_steps::CutEdges(first, second, second_region, tolerance, piece_limit);
  if (!first_pieces) return {UnionStatus::kTooManyPieces, {}};
  std::optional<union_steps::PieceTable> second_pieces =
      union_steps::CutEdges(second, first, first_region, tolerance, piece_limit);
  if (!second_pieces) return {UnionStatus::kTooManyPieces, {}};
  union_steps::MarkOppositeBoundaryPieces(*first_pieces, *second_pieces, tolerance);
  union_steps::DropInsidePieces(*first_pieces);
  union_steps::DropInsidePieces(*second_pieces);
  return union_steps::BuildLoops(*first_pieces, *second_pieces, loop_limit, tolerance);
}

std::size_t UnionPieceLimit(std::size_t first_size, std::size_t second_size) {
  // Outlines drawn twice at different resolutions, the worst case of real
  // plans, cut each edge into about three pieces.
  constexpr std::size_t kPiecesPerPoint = 4;
  constexpr std::size_t kPiecesAlwaysAllowed = 100;
  return kPiecesPerPoint * (first_size + second_size) + kPiecesAlwaysAllowed;
}

}  // namespace peltarix
