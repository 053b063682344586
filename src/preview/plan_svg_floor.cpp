#include <string>

#include "platform/cp932_decode.h"
#include "preview/plan_style.h"
#include "preview/plan_svg_parts.h"
#include "run/number_format.h"

namespace peltarix {
namespace {

void DrawRooms(SvgWriter& svg, const PlanPanel& panel, const PlanFloor& floor) {
  for (const PlanRoom& room : floor.rooms) {
    const std::string name = Utf8FromCp932(room.name);
    svg.Open("polygon", {{"class", "room"},
                         {"points", SvgPoints(room.outline)},
                         {"fill", std::string(RoomBandOf(room.kind_code).fill)},
                         {"stroke", "#8c8c8c"},
                         {"stroke-width", PlanStroke(panel, 0.8)}});
    svg.Text("title", {},
             name + " / コード " + std::to_string(room.kind_code) + " / " +
                 AreaText(EnclosedArea(room.outline)));
    svg.Close("polygon");
  }
}

void DrawBlocks(SvgWriter& svg, const PlanPanel& panel, const PlanFloor& floor, bool left_out) {
  for (const PerimeterBlock& block : floor.blocks) {
    if (block.left_out != left_out) continue;
    if (left_out) {
      svg.Open("polygon", {{"class", "block left-out"},
                           {"points", SvgPoints(block.points)},
                           {"fill", std::string(kLeftOutColour)},
                           {"fill-opacity", "0.14"},
                           {"stroke", std::string(kLeftOutColour)},
                           {"stroke-width", PlanStroke(panel, 2.2)}});
      svg.Text("title", {},
               "外周領域 " + std::to_string(block.number) + " 件目：外周に含めていません");
      svg.Close("polygon");
    } else {
      svg.Empty("polygon",
                {{"class", "block"},
                 {"points", SvgPoints(block.points)},
                 {"fill", "none"},
                 {"stroke", std::string(kBlockColour)},
                 {"stroke-width", PlanStroke(panel, 1.0)},
                 {"stroke-dasharray", PlanStroke(panel, 5) + "," + PlanStroke(panel, 3)}});
    }
  }
}

void DrawColumns(SvgWriter& svg, const PlanPanel& panel, const PlanFloor& floor) {
  for (const PlanColumn& column : floor.columns) {
    const ColumnStyle& style = ColumnStyleOf(column.kind);
    svg.Open("rect", {{"class", "column"},
                      {"x", SvgNumber(column.x)},
                      {"y", SvgNumber(column.y)},
                      {"width", SvgNumber(column.width_x)},
                      {"height", SvgNumber(column.width_y)},
                      {"fill", std::string(style.fill)},
                      {"stroke", "#000000"},
                      {"stroke-width", PlanStroke(panel, 0.6)}});
    svg.Text("title", {},
             std::string(style.caption) + " " + SvgNumber(column.width_x) + "×" +
                 SvgNumber(column.width_y));
    svg.Close("rect");
  }
}

// A room's label point, moved below any column that the label would cover:
// columns often stand at a room's centre.
Point LabelClearOfColumns(Point at, const std::string& name, const PlanLayout& layout,
                          const PlanPanel& panel, const PlanFloor& floor) {
  // About one em per character of a Japanese name (three UTF-8 bytes each).
  const double half_width = 6.5 * static_cast<double>(name.size()) / 3.0 + 4.0;
  for (const PlanColumn& column : floor.columns) {
    const Point low = panel.ToCanvas({column.x, column.y}, layout.bounds);
    const Point high =
        panel.ToCanvas({column.x + column.width_x, column.y + column.width_y}, layout.bounds);
    const bool covers = high.x >= at.x - half_width && low.x <= at.x + half_width &&
                        low.y >= at.y - 16 && high.y <= at.y + 18;
    if (covers) return {at.x, low.y + 20};
  }
  return at;
}

void DrawLabels(SvgWriter& svg, const PlanLayout& layout, const PlanPanel& panel,
                const PlanFloor& floor) {
  for (const PlanRoom& room : floor.rooms) {
    const std::string name = Utf8FromCp932(room.name);
    const Point at = LabelClearOfColumns(panel.ToCanvas(LabelPoint(room.outline), layout.bounds),
                                         name, layout, panel, floor);
    Label(svg, {at.x, at.y - 2}, 13, "#1b1b1b", name, "bold");
    Label(svg, {at.x, at.y + 13}, 11, "#4a4a4a", std::to_string(room.kind_code));
  }
  for (const PerimeterBlock& block : floor.blocks) {
    if (!block.left_out) continue;
    const Point at = panel.ToCanvas(LabelPoint(block.points), layout.bounds);
    Label(svg, {at.x, at.y + 5}, 14, kLeftOutColour, std::to_string(block.number), "bold");
  }
}

}  // namespace

void DrawFloorPanel(SvgWriter& svg, const PlanLayout& layout, const PlanPanel& panel,
                    const PlanFloor& floor) {
  OpenPlanGroup(svg, panel, layout.bounds);
  DrawRooms(svg, panel, floor);
  DrawBlocks(svg, panel, floor, false);
  if (floor.has_outline && floor.outline.size() >= 2) {
    svg.Empty("polygon", {{"class", "outline"},
                          {"id", "outline-" + std::to_string(floor.floor) + "F"},
                          {"points", SvgPoints(floor.outline)},
                          {"fill", "none"},
                          {"stroke", std::string(kOutlineColour)},
                          {"stroke-width", PlanStroke(panel, 3.5)},
                          {"stroke-linejoin", "round"}});
  }
  DrawBlocks(svg, panel, floor, true);
  DrawColumns(svg, panel, floor);
  svg.Close("g");
  DrawLabels(svg, layout, panel, floor);
}

}  // namespace peltarix
