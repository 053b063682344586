#include <array>
#include <cmath>
#include <optional>
#include <vector>

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

// A piece table with what the chaining looks up in it: grids over the
// pieces and over their start points, and the first piece that may still be
// in play (pieces leave play and never come back).
struct ChainList {
  explicit ChainList(PieceTable& table)
      : pieces(table), piece_grid(PieceGrid(table)), start_grid(StartBoxes(table)) {}

  static BoxGrid StartBoxes(const PieceTable& table) {
    std::vector<Box> boxes;
    boxes.reserve(table.size());
    for (const UnionPiece& piece : table) {
      const Point start = piece.segment.start;
      boxes.push_back({start.x, start.x, start.y, start.y});
    }
    return BoxGrid(std::move(boxes));
  }

  PieceTable& pieces;
  BoxGrid piece_grid;
  BoxGrid start_grid;
  std::size_t first_in_play = 0;
};

std::optional<PiecePosition> FirstPieceInPlay(std::array<ChainList, 2>& lists) {
  for (std::size_t list = 0; list < lists.size(); ++list) {
    ChainList& chain_list = lists[list];
    const PieceTable& pieces = chain_list.pieces;
    while (chain_list.first_in_play < pieces.size() &&
           pieces[chain_list.first_in_play].piece_class <= 0) {
      ++chain_list.first_in_play;
    }
    if (chain_list.first_in_play < pieces.size()) {
      return PiecePosition{list, chain_list.first_in_play};
    }
  }
  return std::nullopt;
}

// A boundary piece drawn now hides the other polygon's pieces on the same
// stretch, so that a boundary the two share in the same direction is drawn
// once.
void HideSharedBoundary(const Segment& drawn, ChainList& other, double tolerance,
                        std::vector<std::size_t>& near) {
  PiecesThatMayShare(other.piece_grid, other.pieces, drawn, tolerance, near);
  for (const std::size_t k : near) {
    UnionPiece& piece = other.pieces[k];
    if (piece.piece_class != kBoundary) continue;
    const std::optional<Overlap> overlap = OverlapSegments(drawn, piece.segment, tolerance);
    if (overlap && overlap->code == OverlapCode::kShared) piece.piece_class = -kBoundary;
  }
}

bool StartsAt(const UnionPiece& piece, Point chain_end, double tolerance) {
  return piece.piece_class > 0 && std::fabs(piece.segment.start.x - chain_end.x) <= tolerance &&
         std::fabs(piece.segment.start.y - chain_end.y) <= tolerance;
}

// The first piece in play of `list` that starts where the chain ends.
std::optional<std::size_t> PieceStartingAt(const ChainList& list, Point chain_end, double tolerance,
                                           std::vector<std::size_t>& near) {
  const PieceTable& pieces = list.pieces;
  if (list.start_grid.usable() && std::isfinite(chain_end.x) && std::isfinite(chain_end.y)) {
    list.start_grid.BoxesMeeting(Grown({chain_end.x, chain_end.x, chain_end.y, chain_end.y},
                                       tolerance + list.start_grid.slack()),
                                 near);
    for (const std::size_t index : near) {
      if (StartsAt(pieces[index], chain_end, tolerance)) return index;
    }
    return std::nullopt;
  }
  for (std::size_t index = 0; index < pieces.size(); ++index) {
    if (StartsAt(pieces[index], chain_end, tolerance)) return index;
  }
  return std::nullopt;
}

// Follows the chain of pieces from `position` until it cannot go on.
// Within one list the next piece in play follows without a coincidence test:
// a polygon's pieces run on from edge to edge, the last one back to the
// first. Where the list's next piece is out of play, the chain crosses over
// to the other list's piece that starts where it ends.
PointList FollowChain(std::array<ChainList, 2>& lists, PiecePosition position, double tolerance) {
  std::vector<std::size_t> near;
  PointList loop = {lists[position.list].pieces[position.index].segment.start};
  while (true) {
    PieceTable& pieces = lists[position.list].pieces;
    ChainList& other = lists[1 - position.list];
    UnionPiece& current = pieces[position.index];
    const Point chain_end = current.segment.end;
    loop.push_back(chain_end);
    if (current.piece_class == kBoundary) {
      HideSharedBoundary(current.segment, other, tolerance, near);
    }
    current.piece_class = -current.piece_class;

    const std::size_t next = (position.index + 1) % pieces.size();
    if (pieces[next].piece_class >= 1) {
      position.index = next;
      continue;
    }
    const std::optional<std::size_t> across = PieceStartingAt(other, chain_end, tolerance, near);
    if (!across) return loop;
    position = {1 - position.list, *across};
  }
}

}  // namespace

UnionResult BuildLoops(PieceTable& first, PieceTable& second, int loop_limit, double tolerance) {
  std::array<ChainList, 2> lists = {ChainList(first), ChainList(second)};
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
