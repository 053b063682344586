#include <array>
#include <cmath>
#include <optional>

#include "geometry/segment_intersection.h"
#include "geometry/union_steps.h"

namespace peltarix::union_steps {

namespace {

// A loop with fewer points than this (a closed triangle has four) is a sliver
// left by pieces that met within the tolerance; it is not kept.
constexpr std::size_t kShortestLoop = 4;

struct PiecePosition {
  std::size_t list = 0;
  std::size_t index = 0;
};

std::optional<PiecePosition> FirstPieceInPlay(const std::array<PieceTable*, 2>& lists) {
  for (std::size_t list = 0; list < lists.size(); ++list) {
    const PieceTable& pieces = *lists[list];
    for (std::size_t index = 0; index < pieces.size(); ++index) {
      if (pieces[index].piece_class > 0) return PiecePosition{list, index};
    }
  }
  return std::nullopt;
}

// A boundary piece drawn now hides the other polygon's pieces on the same
// stretch, so that a boundary the two share in the same direction is drawn
// once.
void HideSharedBoundary(const Segment& drawn, PieceTable& other, double tolerance) {
  for (UnionPiece& piece : other) {
    if (piece.piece_class != kBoundary) continue;
    const std::optional<Overlap> overlap = OverlapSegments(drawn, piece.segment, tolerance);
    if (overlap && overlap->code == OverlapCode::kShared) piece.piece_class = -kBoundary;
  }
}

// The first piece in play of `pieces` that starts where the chain ends.
std::optional<std::size_t> PieceStartingAt(const PieceTable& pieces, Point chain_end,
                                           double tolerance) {
  for (std::size_t index = 0; index < pieces.size(); ++index) {
    const UnionPiece& piece = pieces[index];
    if (piece.piece_class > 0 && std::fabs(piece.segment.start.x - chain_end.x) <= tolerance &&
        std::fabs(piece.segment.start.y - chain_end.y) <= tolerance) {
      return index;
    }
  }
  return std::nullopt;
}

// Follows the chain of pieces from `position` until it cannot go on.
// Within one list the next piece in play follows without a coincidence test:
// a polygon's pieces run on from edge to edge, the last one back to the
// first. Where the list's next piece is out of play, the chain crosses over
// to the other list's piece that starts where it ends.
PointList FollowChain(const std::array<PieceTable*, 2>& lists, PiecePosition position,
                      double tolerance) {
  PointList loop = {(*lists[position.list])[position.index].segment.start};
  while (true) {
    PieceTable& pieces = *lists[position.list];
    PieceTable& other = *lists[1 - position.list];
    UnionPiece& current = pieces[position.index];
    const Point chain_end = current.segment.end;
    loop.push_back(chain_end);
    if (current.piece_class == kBoundary) HideSharedBoundary(current.segment, other, tolerance);
    current.piece_class = -current.piece_class;

    const std::size_t next = (position.index + 1) % pieces.size();
    if (pieces[next].piece_class >= 1) {
      position.index = next;
      continue;
    }
    const std::optional<std::size_t> across = PieceStartingAt(other, chain_end, tolerance);
    if (!across) return loop;
    position = {1 - position.list, *across};
  }
}

}  // namespace

UnionResult BuildLoops(PieceTable& first, PieceTable& second, int loop_limit, double tolerance) {
  const std::array<PieceTable*, 2> lists = {&first, &second};
  UnionResult result;
  bool limit_reached = false;
  while (const std::optional<PiecePosition> start = FirstPieceInPlay(lists)) {
    if (limit_reached) {
      result.status = UnionStatus::kTooManyLoops;
      return result;
    }
    PointList loop = FollowChain(lists, *start, tolerance);
    if (loop.size() >= kShortestLoop) result.loops.push_back(std::move(loop));
    if (static_cast<int>(result.loops.size()) >= loop_limit) limit_reached = true;
  }
  return result;
}

}  // namespace peltarix::union_steps
