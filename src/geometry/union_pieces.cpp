#include <algorithm>
#include <cmath>

#include "geometry/indexed_polygon.h"
#include "geometry/segment_intersection.h"
#include "geometry/segment_split.h"
#include "geometry/union_steps.h"

namespace peltarix::union_steps {

Box BoxOf(std::span<const Point> points) {
  if (points.empty()) return {};
  Box box{points[0].x, points[0].x, points[0].y, points[0].y};
  for (const Point& point : points) {
    box.min_x = std::min(box.min_x, point.x);
    box.max_x = std::max(box.max_x, point.x);
    box.min_y = std::min(box.min_y, point.y);
    box.max_y = std::max(box.max_y, point.y);
  }
  return box;
}

bool BoxesMeet(const Box& a, const Box& b, double tolerance) {
  return a.min_x <= b.max_x + tolerance && b.min_x <= a.max_x + tolerance &&
         a.min_y <= b.max_y + tolerance && b.min_y <= a.max_y + tolerance;
}

std::optional<PieceTable> CutEdges(std::span<const Point> polygon, std::span<const Point> other,
                                   Orientation other_region, double tolerance,
                                   std::size_t piece_limit) {
  const Box other_box = BoxOf(other);
  const int away_class = other_region == Orientation::kClockwise ? kOutside : kInside;
  const IndexedPolygon indexed(other, tolerance);
  PieceTable pieces;
  for (std::size_t k = 0; k + 1 < polygon.size(); ++k) {
    const Segment edge{polygon[k], polygon[k + 1]};
    const std::span<const Point> edge_points = polygon.subspan(k, 2);
    if (!BoxesMeet(BoxOf(edge_points), other_box, tolerance)) {
      pieces.push_back({edge, away_class});
      continue;
    }
    for (const Piece& piece : SplitSegmentByPolygon(indexed, edge, tolerance, other_region)) {
      pieces.push_back({piece.segment, static_cast<int>(piece.piece_class)});
    }
    if (pieces.size() > piece_limit) return std::nullopt;
  }
  return pieces;
}

BoxGrid PieceGrid(const PieceTable& pieces) {
  std::vector<Box> boxes;
  boxes.reserve(pieces.size());
  for (const UnionPiece& piece : pieces) boxes.push_back(SegmentBox(piece.segment));
  return BoxGrid(std::move(boxes));
}

void PiecesThatMayShare(const BoxGrid& grid, const PieceTable& pieces, const Segment& segment,
                        double tolerance, std::vector<std::size_t>& found) {
  // A segment at least 8 tolerances long shares a stretch only with a piece
  // within 7 tolerances of its box: both its ends lie within the tolerance of
  // the piece's line, so that line runs nearly along it, and the piece's
  // shared end projects onto it. A shorter one may stand across the other's
  // line and share a stretch with a piece anywhere along it.
  constexpr double kLongPiece = 8.0;
  constexpr double kSharingReach = 10.0;
  const Box box = SegmentBox(segment);
  const bool long_piece =
      std::max(box.max_x - box.min_x, box.max_y - box.min_y) >= kLongPiece * tolerance;
  if (grid.usable() && long_piece && std::isfinite(box.min_x) && std::isfinite(box.max_x) &&
      std::isfinite(box.min_y) && std::isfinite(box.max_y)) {
    grid.BoxesMeeting(Grown(box, kSharingReach * tolerance + grid.slack()), found);
    return;
  }
  found.resize(pieces.size());
  for (std::size_t k = 0; k < pieces.size(); ++k) found[k] = k;
}

namespace {

bool SharesAStretch(const Segment& s, const Segment& t, double tolerance) {
  const std::optional<Overlap> overlap = OverlapSegments(s, t, tolerance);
  return overlap && overlap->code == OverlapCode::kShared;
}

// Along both axes the two pieces run against each other, or one of them is
// flat on that axis within the tolerance. Flatness is judged on each piece's
// own extent: comparing the product of the two extents with the tolerance
// took two pieces shorter than its square root (0.3 units at 0.1) running the
// same way for opposite ones and dropped a boundary of the union.
bool RunOpposite(const Segment& s, const Segment& t, double tolerance) {
  const double s_dx = s.start.x - s.end.x;
  const double s_dy = s.start.y - s.end.y;
  const double t_dx = t.start.x - t.end.x;
  const double t_dy = t.start.y - t.end.y;
  const auto opposite_along = [tolerance](double s_extent, double t_extent) {
    return std::fabs(s_extent) <= tolerance || std::fabs(t_extent) <= tolerance ||
           s_extent * t_extent <= 0.0;
  };
  return opposite_along(s_dx, t_dx) && opposite_along(s_dy, t_dy);
}

}  // namespace

void MarkOppositeBoundaryPieces(PieceTable& first, PieceTable& second, double tolerance) {
  // Whether a pair is marked depends on the two pieces alone (a marked piece
  // keeps its size of class), so only the pairs that may share a stretch are
  // tested.
  const BoxGrid grid = PieceGrid(second);
  std::vector<std::size_t> near;
  for (UnionPiece& mine : first) {
    // Tested once: a piece already marked by one opposite twin goes on
    // marking every further one.
    if (mine.piece_class != kBoundary) continue;
    PiecesThatMayShare(grid, second, mine.segment, tolerance, near);
    for (const std::size_t k : near) {
      UnionPiece& theirs = second[k];
      if (std::abs(theirs.piece_class) != kBoundary) continue;
      if (SharesAStretch(mine.segment, theirs.segment, tolerance) &&
          RunOpposite(mine.segment, theirs.segment, tolerance)) {
        mine.piece_class = -kBoundary;
        theirs.piece_class = -kBoundary;
      }
    }
  }
}

void DropInsidePieces(PieceTable& pieces) {
  for (UnionPiece& piece : pieces) {
    if (piece.piece_class == kInside) piece.piece_class = -kInside;
  }
}

}  // namespace peltarix::union_steps
