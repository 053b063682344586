#include "all_pairs_reference.h"

#include <array>
#include <cmath>
#include <cstdlib>

#include "geometry/orientation.h"
#include "geometry/segment_intersection.h"
#include "geometry/segment_split.h"
#include "geometry/union_steps.h"

namespace peltarix::testing {

namespace {

using union_steps::kBoundary;
using union_steps::PieceTable;
using union_steps::UnionPiece;

bool Meet(std::span<const Point> polygon, std::size_t j, std::size_t i, double tolerance) {
  return IntersectSegments({polygon[j], polygon[j + 1]}, {polygon[i], polygon[i + 1]}, tolerance)
      .has_value();
}

// The plain SplitSegmentByPolygon: every edge cut, every midpoint located
// against every edge.
std::optional<PieceTable> CutEdges(std::span<const Point> polygon, std::span<const Point> other,
                                   Orientation other_region, double tolerance,
                                   std::size_t piece_limit) {
  const union_steps::Box other_box = union_steps::BoxOf(other);
  const int away_class =
      other_region == Orientation::kClockwise ? union_steps::kOutside : union_steps::kInside;
  PieceTable pieces;
  for (std::size_t k = 0; k + 1 < polygon.size(); ++k) {
    const Segment edge{polygon[k], polygon[k + 1]};
    if (!union_steps::BoxesMeet(union_steps::BoxOf(polygon.subspan(k, 2)), other_box, tolerance)) {
      pieces.push_back({edge, away_class});
      continue;
    }
    for (const Piece& piece : SplitSegmentByPolygon(other, edge, tolerance, other_region)) {
      pieces.push_back({piece.segment, static_cast<int>(piece.piece_class)});
    }
    if (pieces.size() > piece_limit) return std::nullopt;
  }
  return pieces;
}

bool Shares(const Segment& s, const Segment& t, double tolerance) {
  const std::optional<Overlap> overlap = OverlapSegments(s, t, tolerance);
  return overlap && overlap->code == OverlapCode::kShared;
}

bool RunOpposite(const Segment& s, const Segment& t, double tolerance) {
  const auto opposite = [tolerance](double a, double b) {
    return std::fabs(a) <= tolerance || std::fabs(b) <= tolerance || a * b <= 0.0;
  };
  return opposite(s.start.x - s.end.x, t.start.x - t.end.x) &&
         opposite(s.start.y - s.end.y, t.start.y - t.end.y);
}

PointList FollowChain(const std::array<PieceTable*, 2>& lists, std::size_t list, std::size_t index,
                      double tolerance) {
  PointList loop = {(*lists[list])[index].segment.start};
  while (true) {
    PieceTable& pieces = *lists[list];
    PieceTable& other = *lists[1 - list];
    UnionPiece& current = pieces[index];
    const Point end = current.segment.end;
    loop.push_back(end);
    if (current.piece_class == kBoundary) {
      for (UnionPiece& piece : other) {
        if (piece.piece_class == kBoundary && Shares(current.segment, piece.segment, tolerance)) {
          piece.piece_class = -kBoundary;
        }
      }
    }
    current.piece_class = -current.piece_class;
    const std::size_t next = (index + 1) % pieces.size();
    if (pieces[next].piece_class >= 1) {
      index = next;
      continue;
    }
    std::optional<std::size_t> across;
    for (std::size_t k = 0; k < other.size() && !across; ++k) {
      if (other[k].piece_class > 0 && std::fabs(other[k].segment.start.x - end.x) <= tolerance &&
          std::fabs(other[k].segment.start.y - end.y) <= tolerance) {
        across = k;
      }
    }
    if (!across) return loop;
    list = 1 - list;
    index = *across;
  }
}

}  // namespace

bool AllPairsSelfIntersection(std::span<const Point> polygon, double tolerance) {
  const std::size_t n = polygon.size();
  if (n <= 3) return true;
  if (n == 4) return !Meet(polygon, 0, 1, tolerance) || !Meet(polygon, 0, 2, tolerance);
  for (std::size_t j = 0; j + 3 < n; ++j) {
    const std::size_t last = (j == 0) ? n - 3 : n - 2;
    for (std::size_t i = j + 2; i <= last; ++i) {
      if (Meet(polygon, j, i, tolerance)) return true;
    }
  }
  return false;
}

std::optional<UnionResult> AllPairsUnion(std::span<const Point> first,
                                         std::span<const Point> second, int loop_limit,
                                         double tolerance) {
  if (!union_steps::BoxesMeet(union_steps::BoxOf(first), union_steps::BoxOf(second), tolerance)) {
    return std::nullopt;
  }
  const std::size_t limit = UnionPieceLimit(first.size(), second.size());
  std::optional<PieceTable> a =
      CutEdges(first, second, PolygonOrientation(second), tolerance, limit);
  std::optional<PieceTable> b =
      CutEdges(second, first, PolygonOrientation(first), tolerance, limit);
  if (!a || !b) return UnionResult{UnionStatus::kTooManyPieces, {}};
  for (UnionPiece& mine : *a) {
    if (mine.piece_class != kBoundary) continue;
    for (UnionPiece& theirs : *b) {
      if (std::abs(theirs.piece_class) == kBoundary &&
          Shares(mine.segment, theirs.segment, tolerance) &&
          RunOpposite(mine.segment, theirs.segment, tolerance)) {
        mine.piece_class = -kBoundary;
        theirs.piece_class = -kBoundary;
      }
    }
  }
  union_steps::DropInsidePieces(*a);
  union_steps::DropInsidePieces(*b);
  const std::array<PieceTable*, 2> lists = {&*a, &*b};
  UnionResult result;
  bool limit_reached = false;
  while (true) {
    std::optional<std::array<std::size_t, 2>> start;
    for (std::size_t list = 0; list < 2 && !start; ++list) {
      for (std::size_t k = 0; k < lists[list]->size() && !start; ++k) {
        if ((*lists[list])[k].piece_class > 0) start = std::array<std::size_t, 2>{list, k};
      }
    }
    if (!start) return result;
    if (limit_reached) return UnionResult{UnionStatus::kTooManyLoops, std::move(result.loops)};
    PointList loop = FollowChain(lists, (*start)[0], (*start)[1], tolerance);
    if (loop.size() >= 4) result.loops.push_back(std::move(loop));
    if (static_cast<int>(result.loops.size()) >= loop_limit) limit_reached = true;
  }
}

}  // namespace peltarix::testing
