#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "geometry/box.h"
#include "geometry/point.h"

namespace peltarix {

// Placing text labels on the picture (canvas pixels, y down) so that no two
// overlap and each stays where it belongs. Widths are estimated from the
// text: a painter of another toolkit measures a little differently, so the
// estimate errs on the wide side.

// Even-odd crossing test of `at` against a closed point list (the last
// point repeats the first).
bool Encloses(std::span<const Point> polygon, Point at);

// The width of `text` (UTF-8) at `size` pixels: a full em for a character
// of three or more bytes (kana, kanji, full-width signs), 0.62 em for others.
double TextWidth(std::string_view text, double size);

// The box a centred label of `width` x `height` takes with its baseline's
// middle at `at`.
Box LabelBox(Point at, double width, double height);

bool BoxesOverlap(const Box& a, const Box& b);

// Whether `box` lies inside the closed polygon (canvas points) with no edge
// of it crossing the box.
bool BoxInsidePolygon(const Box& box, std::span<const Point> polygon);

// Whether any edge of the closed polygon passes through `box`.
bool BoxMeetsEdges(const Box& box, std::span<const Point> polygon);

// The boxes taken so far on one panel.
class LabelSpace {
 public:
  // Takes `box` when it meets none taken before; false otherwise.
  bool Claim(const Box& box);
  // Takes `box` whatever it meets (an obstacle such as a column).
  void Block(const Box& box) { taken_.push_back(box); }
  bool Free(const Box& box) const;
  const std::vector<Box>& taken() const { return taken_; }

 private:
  std::vector<Box> taken_;
};

// A room's label as placed: the name and code, or the code alone.
struct RoomLabel {
  bool show_name = false;
  double name_size = 0.0;
  Point name_at;  // baseline middle
  Point code_at;
  double code_size = 0.0;
  Box box;  // both lines together
};

// The font sizes a room's name shrinks through before it gives way to the
// code alone.
inline constexpr double kRoomNameSize = 13.0;
inline constexpr double kRoomNameFloorSize = 9.0;
inline constexpr double kRoomCodeSize = 11.0;

// Places the label of a room whose outline (canvas) is `room`, near `anchor`:
// the name and code at the largest size that fits inside the room, free of
// every box taken and of the floor's outline; else the code alone; else
// nothing. A placed label's box is claimed.
std::optional<RoomLabel> PlaceRoomLabel(std::string_view name, std::string_view code,
                                        std::span<const Point> room, Point anchor,
                                        std::span<const Point> floor_outline, LabelSpace& space);

}  // namespace peltarix
