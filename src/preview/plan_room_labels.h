#pragma once

#include <optional>
#include <string>
#include <vector>

#include "geometry/box.h"
#include "preview/plan_labels.h"
#include "preview/plan_model.h"

namespace peltarix {

// The room labels of one floor, in panel-local pixels: x from the plan
// extent's left edge, y down from its top edge, so that a floor gets the same
// labels wherever its panel stands.
struct FloorLabels {
  std::vector<std::optional<RoomLabel>> rooms;  // by room, in the floor's order
  // Rooms whose name is not drawn, in the floor's order, as the list beside
  // the plan names them: "5 便所（18）", the room's number on the floor first.
  std::vector<std::string> unnamed;
};

// Places the labels of the floor's rooms at `scale` pixels per plan unit,
// smallest rooms first (a large room has more room to give way), clear of
// the columns, of the marks of `findings` on this floor and of one another.
FloorLabels PlaceFloorLabels(const PlanFloor& floor, const PlanFindings& findings,
                             const Box& bounds, double scale);

// The list of the rooms whose name is not drawn, headed and wrapped into
// lines of at most `width` pixels at kUnnamedListSize; none when every name
// is drawn.
std::vector<std::string> UnnamedListLines(const FloorLabels& labels, double width);

inline constexpr double kUnnamedListSize = 11.0;
inline constexpr double kUnnamedListRow = 16.0;
inline constexpr double kListIndent = 16.0;

}  // namespace peltarix
