#include "records/column_support.h"

#include "geometry/box_grid.h"

namespace peltarix {
namespace {

constexpr int kHighestFloor = 3;

Point Centre(const Box& box) {
  return {(box.min_x + box.max_x) * 0.5, (box.min_y + box.max_y) * 0.5};
}

bool Contains(const Box& box, Point point) {
  return point.x >= box.min_x && point.x <= box.max_x && point.y >= box.min_y &&
         point.y <= box.max_y;
}

// The squares of one floor, searchable by place: a house has a few dozen
// columns a floor, a damaged source may claim thousands.
class FloorSquares {
 public:
  explicit FloorSquares(std::vector<Box> squares) : squares_(squares), grid_(std::move(squares)) {}

  bool AnyContains(Point point) {
    if (!grid_.usable()) {
      for (const Box& square : squares_) {
        if (Contains(square, point)) return true;
      }
      return false;
    }
    grid_.BoxesMeeting({point.x, point.x, point.y, point.y}, found_);
    for (const std::size_t k : found_) {
      if (Contains(squares_[k], point)) return true;
    }
    return false;
  }

 private:
  std::vector<Box> squares_;
  BoxGrid grid_;
  std::vector<std::size_t> found_;  // reused between queries
};

std::vector<Box> SquaresOf(std::span<const PlacedColumn> columns, int floor) {
  std::vector<Box> squares;
  for (const PlacedColumn& column : columns) {
    if (column.floor == floor) squares.push_back(column.square);
  }
  return squares;
}

}  // namespace

std::vector<ColumnSupport> ComputeColumnSupport(std::span<const PlacedColumn> columns) {
  std::vector<ColumnSupport> floors;
  for (int floor = 2; floor <= kHighestFloor; ++floor) {
    const std::vector<Box> upper = SquaresOf(columns, floor);
    if (upper.empty()) continue;
    FloorSquares lower(SquaresOf(columns, floor - 1));
    ColumnSupport support;
    support.floor = floor;
    support.columns = static_cast<int>(upper.size());
    for (const Box& square : upper) {
      const Point centre = Centre(square);
      if (lower.AnyContains(centre)) {
        ++support.supported;
      } else {
        support.unsupported.push_back(centre);
      }
    }
    floors.push_back(std::move(support));
  }
  return floors;
}

}  // namespace peltarix
