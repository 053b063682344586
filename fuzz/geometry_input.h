#pragma once

// Decodes fuzz input into two closed point lists whose points lie near a
// coarse grid, so that shared corners, touching edges and overlaps within
// the tolerance, the cases the union must handle, are common.
//
// Byte 0: bits 0-1 the loop limit less one; bit 2 orients both lists
// clockwise first, as the perimeter conversion does; bits 3-4 choose the
// grid step (10, 1, 0.25 or 1000 units).
// Byte 1: the number of points of the first list; the second takes the rest.
// Then three bytes per point: the grid column, the grid row, and one offset
// from a small table for x (low four bits) and y (high four bits). Each list
// gets at least one point and is closed by a repeat of its first point.

#include <array>
#include <cstdint>
#include <span>

#include "geometry/point.h"

namespace peltarix::fuzz {

// The perimeter conversion's coincidence tolerance.
inline constexpr double kTolerance = 0.1;

struct GeometryInput {
  int loop_limit = 2;
  bool orient_clockwise = false;
  PointList first;
  PointList second;
};

inline GeometryInput DecodeGeometryInput(std::span<const std::uint8_t> data) {
  // Offsets around the tolerance make points coincide or just miss.
  static constexpr std::array<double, 16> kOffsets = {
      0.0, 0.0, 0.0, 0.05, -0.05, 0.1, -0.1, 0.11, -0.11, 0.5, -0.5, 0.001, 3.3, -3.3, 5.0, 1e-9};
  static constexpr std::array<double, 4> kSteps = {10.0, 1.0, 0.25, 1000.0};

  GeometryInput input;
  const std::uint8_t flags = data.empty() ? 0 : data[0];
  input.loop_limit = 1 + (flags & 0x03);
  input.orient_clockwise = (flags & 0x04) != 0;
  const double step = kSteps[(flags >> 3) & 0x03];
  const std::size_t first_count = data.size() < 2 ? 0 : data[1];

  std::size_t point_number = 0;
  for (std::size_t at = 2; at + 2 < data.size(); at += 3, ++point_number) {
    const std::uint8_t offset = data[at + 2];
    const Point point{data[at] * step + kOffsets[offset & 0x0F],
                      data[at + 1] * step + kOffsets[offset >> 4]};
    (point_number < first_count ? input.first : input.second).push_back(point);
  }
  for (PointList* list : {&input.first, &input.second}) {
    if (list->empty()) list->push_back({0.0, 0.0});
    list->push_back(list->front());
  }
  return input;
}

}  // namespace peltarix::fuzz
