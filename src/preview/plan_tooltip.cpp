#include "preview/plan_tooltip.h"

#include "platform/cp932_decode.h"
#include "preview/plan_labels.h"
#include "preview/plan_style.h"
#include "preview/svg_writer.h"
#include "run/number_format.h"

namespace peltarix {
Point PlanPointOf(const PlanPanel& panel, const PlanBounds& bounds, Point canvas) {
  return {bounds.min_x + (canvas.x - panel.plan_left) / panel.scale,
          bounds.max_y - (canvas.y - panel.plan_top) / panel.scale};
}

std::string PlanTooltip(const PlanFloor& floor, Point plan) {
  for (const PlanColumn& column : floor.columns) {
    if (plan.x >= column.x && plan.x <= column.x + column.width_x && plan.y >= column.y &&
        plan.y <= column.y + column.width_y) {
      return std::string(ColumnStyleOf(column.kind).caption) + "\n" + SvgNumber(column.width_x) +
             " × " + SvgNumber(column.width_y) + " mm";
    }
  }
  // The last room drawn is the one on top.
  for (auto room = floor.rooms.rbegin(); room != floor.rooms.rend(); ++room) {
    if (!Encloses(room->outline, plan)) continue;
    return Utf8FromCp932(room->name) + "\nコード " + std::to_string(room->kind_code) + "\n" +
           AreaText(EnclosedArea(room->outline));
  }
  return {};
}

}  // namespace peltarix
