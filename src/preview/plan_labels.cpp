#include "preview/plan_labels.h"

#include <algorithm>
#include <array>

namespace peltarix {
namespace {

constexpr double kFullWidthEm = 1.0;
constexpr double kNarrowEm = 0.62;
// Room above and below a line of text, as a share of its size.
constexpr double kAscent = 0.9;
constexpr double kDescent = 0.25;
constexpr double kSizeStep = 1.0;

// The box of `width` x `height` centred on `at`.
Box BoxAround(Point at, double width, double height) {
  return {.min_x = at.x - width / 2,
          .max_x = at.x + width / 2,
          .min_y = at.y - height / 2,
          .max_y = at.y + height / 2};
}

// Whether the segment from `a` to `b` meets the box (Liang-Barsky clipping).
bool SegmentMeetsBox(Point a, Point b, const Box& box) {
  double low = 0.0;
  double high = 1.0;
  const std::array<std::array<double, 2>, 4> sides = {{{-(b.x - a.x), a.x - box.min_x},
                                                       {b.x - a.x, box.max_x - a.x},
                                                       {-(b.y - a.y), a.y - box.min_y},
                                                       {b.y - a.y, box.max_y - a.y}}};
  for (const auto& [p, q] : sides) {
    if (p == 0.0) {
      if (q < 0.0) return false;
      continue;
    }
    const double t = q / p;
    if (p < 0.0) {
      low = std::max(low, t);
    } else {
      high = std::min(high, t);
    }
    if (low > high) return false;
  }
  return true;
}

// The places tried for a label, from the anchor outwards: rooms often have a
// column at their centre, and neighbouring rooms' labels come close.
std::array<Point, 9> Candidates(Point anchor, double step) {
  return {{anchor,
           {anchor.x, anchor.y + step},
           {anchor.x, anchor.y - step},
           {anchor.x + step, anchor.y},
           {anchor.x - step, anchor.y},
           {anchor.x, anchor.y + 2 * step},
           {anchor.x, anchor.y - 2 * step},
           {anchor.x + 2 * step, anchor.y},
           {anchor.x - 2 * step, anchor.y}}};
}

bool Fits(const Box& box, std::span<const Point> room, std::span<const Point> floor_outline,
          const LabelSpace& space) {
  return BoxInsidePolygon(box, room) && !BoxMeetsEdges(box, floor_outline) && space.Free(box);
}

}  // namespace

bool Encloses(std::span<const Point> polygon, Point at) {
  bool inside = false;
  for (std::size_t k = 0; k + 1 < polygon.size(); ++k) {
    const Point a = polygon[k];
    const Point b = polygon[k + 1];
    if ((a.y > at.y) != (b.y > at.y) && at.x < a.x + (at.y - a.y) / (b.y - a.y) * (b.x - a.x))
      inside = !inside;
  }
  return inside;
}

double TextWidth(std::string_view text, double size) {
  double ems = 0.0;
  for (std::size_t k = 0; k < text.size();) {
    const auto lead = static_cast<unsigned char>(text[k]);
    const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    ems += length >= 3 ? kFullWidthEm : kNarrowEm;
    k += length;
  }
  return ems * size;
}

Box LabelBox(Point at, double width, double height) {
  return {
      .min_x = at.x - width / 2, .max_x = at.x + width / 2, .min_y = at.y - height, .max_y = at.y};
}

bool BoxesOverlap(const Box& a, const Box& b) {
  return a.min_x < b.max_x && b.min_x < a.max_x && a.min_y < b.max_y && b.min_y < a.max_y;
}

bool BoxMeetsEdges(const Box& box, std::span<const Point> polygon) {
  for (std::size_t k = 0; k + 1 < polygon.size(); ++k) {
    if (SegmentMeetsBox(polygon[k], polygon[k + 1], box)) return true;
  }
  return false;
}

bool BoxInsidePolygon(const Box& box, std::span<const Point> polygon) {
  if (polygon.size() < 4) return false;
  return Encloses(polygon, {(box.min_x + box.max_x) / 2, (box.min_y + box.max_y) / 2}) &&
         !BoxMeetsEdges(box, polygon);
}

bool LabelSpace::Free(const Box& box) const {
  return std::none_of(taken_.begin(), taken_.end(),
                      [&](const Box& taken) { return BoxesOverlap(box, taken); });
}

bool LabelSpace::Claim(const Box& box) {
  if (!Free(box)) return false;
  taken_.push_back(box);
  return true;
}

std::optional<RoomLabel> PlaceRoomLabel(std::string_view name, std::string_view code,
                                        std::span<const Point> room, Point anchor,
                                        std::span<const Point> floor_outline, LabelSpace& space) {
  // Name above, code below: the pair is centred on the candidate point.
  for (double size = kRoomNameSize; size >= kRoomNameFloorSize; size -= kSizeStep) {
    const double code_size = std::min(kRoomCodeSize, size);
    const double height = (kAscent + kDescent) * (size + code_size);
    const double width = std::max(TextWidth(name, size), TextWidth(code, code_size)) + 4.0;
    for (const Point at : Candidates(anchor, height * 0.6)) {
      const Box box = BoxAround(at, width, height);
      if (!Fits(box, room, floor_outline, space)) continue;
      space.Block(box);
      const double name_baseline = box.min_y + kAscent * size;
      return RoomLabel{.show_name = true,
                       .name_size = size,
                       .name_at = {at.x, name_baseline},
                       .code_at = {at.x, name_baseline + (kDescent + kAscent) * code_size},
                       .code_size = code_size,
                       .box = box};
    }
  }
  const double code_size = kRoomNameFloorSize;
  const double height = (kAscent + kDescent) * code_size;
  const double width = TextWidth(code, code_size) + 2.0;
  for (const Point at : Candidates(anchor, height)) {
    const Box box = BoxAround(at, width, height);
    if (!Fits(box, room, floor_outline, space)) continue;
    space.Block(box);
    RoomLabel label;
    label.code_at = {at.x, box.min_y + kAscent * code_size};
    label.code_size = code_size;
    label.box = box;
    return label;
  }
  return std::nullopt;
}

}  // namespace peltarix
