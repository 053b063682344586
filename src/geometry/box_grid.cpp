#include "geometry/box_grid.h"

#include <algorithm>
#include <cmath>

namespace peltarix {

namespace {

// A box that spans more cells than this is looked at by every query instead
// of being listed in each cell.
constexpr std::size_t kWideBoxCells = 64;
// Below this many boxes a pass over all of them costs less than the grid.
constexpr std::size_t kFewestBoxes = 32;

bool Meets(const Box& a, const Box& b) {
  return a.min_x <= b.max_x && b.min_x <= a.max_x && a.min_y <= b.max_y && b.min_y <= a.max_y;
}

bool IsFinite(const Box& box) {
  return std::isfinite(box.min_x) && std::isfinite(box.max_x) && std::isfinite(box.min_y) &&
         std::isfinite(box.max_y);
}

}  // namespace

Box SegmentBox(const Segment& segment) {
  const Point p = segment.start;
  const Point q = segment.end;
  return {std::min(p.x, q.x), std::max(p.x, q.x), std::min(p.y, q.y), std::max(p.y, q.y)};
}

Box EdgeBox(std::span<const Point> points, std::size_t edge) {
  return SegmentBox({points[edge], points[edge + 1]});
}

std::vector<Box> EdgeBoxes(std::span<const Point> points) {
  std::vector<Box> boxes;
  for (std::size_t k = 0; k + 1 < points.size(); ++k) boxes.push_back(EdgeBox(points, k));
  return boxes;
}

Box Grown(const Box& box, double margin) {
  return {box.min_x - margin, box.max_x + margin, box.min_y - margin, box.max_y + margin};
}

BoxGrid::BoxGrid(std::vector<Box> boxes) : boxes_(std::move(boxes)) {
  if (boxes_.size() < kFewestBoxes) return;
  Box extent = boxes_[0];
  for (const Box& box : boxes_) {
    if (!IsFinite(box)) return;
    extent.min_x = std::min(extent.min_x, box.min_x);
    extent.max_x = std::max(extent.max_x, box.max_x);
    extent.min_y = std::min(extent.min_y, box.min_y);
    extent.max_y = std::max(extent.max_y, box.max_y);
  }
  usable_ = true;
  magnitude_ = std::max({std::fabs(extent.min_x), std::fabs(extent.max_x), std::fabs(extent.min_y),
                         std::fabs(extent.max_y)});
  const double count = static_cast<double>(boxes_.size());
  const double width = extent.max_x - extent.min_x;
  const double height = extent.max_y - extent.min_y;
  // About as many cells as boxes, square, and never so small that the
  // coordinates cannot tell them apart.
  cell_ = std::max({std::sqrt(width * height / count), std::max(width, height) / count,
                    1e-12 * (1.0 + magnitude_)});
  origin_x_ = extent.min_x;
  origin_y_ = extent.min_y;
  columns_ = static_cast<std::size_t>(std::min(width / cell_, count)) + 1;
  rows_ = static_cast<std::size_t>(std::min(height / cell_, count)) + 1;

  // Two passes: count the boxes of every cell, then fill them in.
  const auto cells_of = [this](const Box& box) {
    return (Column(box.max_x) - Column(box.min_x) + 1) * (Row(box.max_y) - Row(box.min_y) + 1);
  };
  const auto for_each_cell = [this](const Box& box, auto&& visit) {
    for (std::size_t r = Row(box.min_y); r <= Row(box.max_y); ++r) {
      for (std::size_t c = Column(box.min_x); c <= Column(box.max_x); ++c) visit(r * columns_ + c);
    }
  };
  cell_start_.assign(columns_ * rows_ + 1, 0);
  for (const Box& box : boxes_) {
    if (cells_of(box) > kWideBoxCells) continue;
    for_each_cell(box, [this](std::size_t cell) { ++cell_start_[cell + 1]; });
  }
  for (std::size_t cell = 0; cell + 1 < cell_start_.size(); ++cell) {
    cell_start_[cell + 1] += cell_start_[cell];
  }
  cell_boxes_.resize(cell_start_.back());
  std::vector<std::size_t> fill(cell_start_.begin(), cell_start_.end() - 1);
  for (std::size_t number = 0; number < boxes_.size(); ++number) {
    const Box& box = boxes_[number];
    if (cells_of(box) > kWideBoxCells) {
      wide_boxes_.push_back(number);
      continue;
    }
    for_each_cell(box, [&](std::size_t cell) { cell_boxes_[fill[cell]++] = number; });
  }
}

std::size_t BoxGrid::Column(double x) const {
  const double column = std::floor((x - origin_x_) / cell_);
  if (!(column > 0.0)) return 0;
  return std::min(static_cast<std::size_t>(std::min(column, 1e15)), columns_ - 1);
}

std::size_t BoxGrid::Row(double y) const {
  const double row = std::floor((y - origin_y_) / cell_);
  if (!(row > 0.0)) return 0;
  return std::min(static_cast<std::size_t>(std::min(row, 1e15)), rows_ - 1);
}

void BoxGrid::BoxesMeeting(const Box& box, std::vector<std::size_t>& found) const {
  found.clear();
  if (!usable_) return;
  for (std::size_t r = Row(box.min_y); r <= Row(box.max_y); ++r) {
    for (std::size_t c = Column(box.min_x); c <= Column(box.max_x); ++c) {
      const std::size_t cell = r * columns_ + c;
      for (std::size_t at = cell_start_[cell]; at < cell_start_[cell + 1]; ++at) {
        if (Meets(boxes_[cell_boxes_[at]], box)) found.push_back(cell_boxes_[at]);
      }
    }
  }
  for (const std::size_t number : wide_boxes_) {
    if (Meets(boxes_[number], box)) found.push_back(number);
  }
  std::sort(found.begin(), found.end());
  found.erase(std::unique(found.begin(), found.end()), found.end());
}

}  // namespace peltarix
