#include <string>

#include "platform/cp932_decode.h"
#include "preview/plan_room_labels.h"
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

Point Shifted(Point local, const PlanPanel& panel) {
  return {local.x + panel.plan_left, local.y + panel.plan_top};
}

// Room names and codes where they fit, and below the plan the rooms whose
// name did not.
void DrawLabels(SvgWriter& svg, const PlanLayout& layout, const PlanPanel& panel,
                const PlanFloor& floor, const PlanFindings& findings) {
  const FloorLabels labels = PlaceFloorLabels(floor, findings, layout.bounds, panel.scale);
  for (std::size_t k = 0; k < floor.rooms.size(); ++k) {
    const std::optional<RoomLabel>& label = labels.rooms[k];
    if (!label) continue;
    const PlanRoom& room = floor.rooms[k];
    if (label->show_name) {
      svg.Text("text",
               {{"class", "room-name"},
                {"x", SvgNumber(label->name_at.x + panel.plan_left)},
                {"y", SvgNumber(label->name_at.y + panel.plan_top)},
                {"font-size", SvgNumber(label->name_size)},
                {"font-weight", "bold"},
                {"fill", "#1b1b1b"},
                {"text-anchor", "middle"}},
               Utf8FromCp932(room.name));
    }
    svg.Text("text",
             {{"class", "room-code"},
              {"x", SvgNumber(label->code_at.x + panel.plan_left)},
              {"y", SvgNumber(label->code_at.y + panel.plan_top)},
              {"font-size", SvgNumber(label->code_size)},
              {"fill", "#4a4a4a"},
              {"text-anchor", "middle"}},
             std::to_string(room.kind_code));
    const Point low = Shifted({label->box.min_x, label->box.min_y}, panel);
    // The label's box, for whoever checks that labels keep apart.
    svg.Empty("rect", {{"class", "label-box"},
                       {"x", SvgNumber(low.x)},
                       {"y", SvgNumber(low.y)},
                       {"width", SvgNumber(label->box.max_x - label->box.min_x)},
                       {"height", SvgNumber(label->box.max_y - label->box.min_y)},
                       {"fill", "none"},
                       {"stroke", "none"}});
  }
  double y = panel.list_top + kUnnamedListRow;
  const std::vector<std::string> lines = UnnamedListLines(labels, panel.width - 2 * kListIndent);
  for (std::size_t k = 0; k < lines.size(); ++k, y += kUnnamedListRow) {
    svg.Text("text",
             {{"class", "unnamed-rooms"},
              {"x", SvgNumber(panel.left + kListIndent)},
              {"y", SvgNumber(y)},
              {"font-size", SvgNumber(kUnnamedListSize)},
              {"fill", "#303030"}},
             lines[k]);
  }
  for (const PerimeterBlock& block : floor.blocks) {
    if (!block.left_out) continue;
    const Point at = panel.ToCanvas(LabelPoint(block.points), layout.bounds);
    Label(svg, {at.x, at.y + 5}, 14, kLeftOutColour, std::to_string(block.number), "bold");
  }
}

}  // namespace

void DrawFloorPanel(SvgWriter& svg, const PlanLayout& layout, const PlanPanel& panel,
                    const PlanFloor& floor, const PlanFindings& findings) {
  OpenPlanGroup(svg, panel, layout.bounds);
  DrawRooms(svg, panel, floor);
  DrawUnknownRoomHatching(svg, panel, floor);
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
  DrawFloorMarks(svg, panel, findings, floor.floor);
  svg.Close("g");
  DrawLabels(svg, layout, panel, floor, findings);
}

}  // namespace peltarix
