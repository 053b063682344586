#include <string>

#include "platform/cp932_decode.h"
#include "preview/plan_draw_parts.h"
#include "preview/plan_room_labels.h"
#include "preview/plan_style.h"
#include "preview/svg_writer.h"

namespace peltarix {
namespace {

void DrawRooms(PlanDrawing& drawing, const PlanLayout& layout, const PlanPanel& panel,
               const PlanFloor& floor) {
  for (const PlanRoom& room : floor.rooms) {
    AddPolygon(drawing, CanvasPoints(panel, layout.bounds, room.outline),
               FilledStrokeStyle(RoomBandOf(room.kind_code).fill, "#8c8c8c", 0.8), "room",
               Utf8FromCp932(room.name) + " / コード " + std::to_string(room.kind_code) + " / " +
                   AreaText(EnclosedArea(room.outline)));
  }
}

void DrawBlocks(PlanDrawing& drawing, const PlanLayout& layout, const PlanPanel& panel,
                const PlanFloor& floor, bool left_out) {
  for (const PerimeterBlock& block : floor.blocks) {
    if (block.left_out != left_out) continue;
    PointList points = CanvasPoints(panel, layout.bounds, block.points);
    if (left_out) {
      AddPolygon(drawing, std::move(points),
                 FilledStrokeStyle(kLeftOutColour, kLeftOutColour, 2.2, 0.14), "block left-out",
                 "外周領域 " + std::to_string(block.number) + " 件目：外周に含めていません");
    } else {
      AddPolygon(drawing, std::move(points), StrokeStyle(kBlockColour, 1.0, {5, 3}), "block");
    }
  }
}

void DrawColumns(PlanDrawing& drawing, const PlanLayout& layout, const PlanPanel& panel,
                 const PlanFloor& floor) {
  for (const PlanColumn& column : floor.columns) {
    const ColumnStyle& style = ColumnStyleOf(column.kind);
    // The plan's y runs up: the box's top edge is its upper one in plan.
    AddRect(drawing, panel.ToCanvas({column.x, column.y + column.width_y}, layout.bounds),
            panel.ToCanvas({column.x + column.width_x, column.y}, layout.bounds),
            FilledStrokeStyle(style.fill, "#000000", 0.6), "column",
            std::string(style.caption) + " " + SvgNumber(column.width_x) + "×" +
                SvgNumber(column.width_y));
  }
}

Point Shifted(Point local, const PlanPanel& panel) {
  return {local.x + panel.plan_left, local.y + panel.plan_top};
}

// Room names and codes where they fit, and below the plan the rooms whose
// name did not.
void DrawLabels(PlanDrawing& drawing, const PlanLayout& layout, const PlanPanel& panel,
                const PlanFloor& floor, const PlanFindings& findings) {
  const FloorLabels labels = PlaceFloorLabels(floor, findings, layout.bounds, panel.scale);
  for (std::size_t k = 0; k < floor.rooms.size(); ++k) {
    const std::optional<RoomLabel>& label = labels.rooms[k];
    if (!label) continue;
    const PlanRoom& room = floor.rooms[k];
    if (label->show_name) {
      AddText(drawing, Shifted(label->name_at, panel), Utf8FromCp932(room.name),
              {.size = label->name_size, .bold = true, .css_class = "room-name"});
    }
    AddText(drawing, Shifted(label->code_at, panel), std::to_string(room.kind_code),
            {.size = label->code_size, .fill = "#4a4a4a", .css_class = "room-code"});
    const Point low = Shifted({label->box.min_x, label->box.min_y}, panel);
    const Point high = Shifted({label->box.max_x, label->box.max_y}, panel);
    AddLabelBox(drawing, {.min_x = low.x, .max_x = high.x, .min_y = low.y, .max_y = high.y});
  }
  double y = panel.list_top + kUnnamedListRow;
  const std::vector<std::string> lines = UnnamedListLines(labels, panel.width - 2 * kListIndent);
  for (std::size_t k = 0; k < lines.size(); ++k, y += kUnnamedListRow) {
    AddText(drawing, {panel.left + kListIndent, y}, lines[k],
            {.size = kUnnamedListSize,
             .fill = "#303030",
             .anchor = TextAnchor::kStart,
             .css_class = "unnamed-rooms"});
  }
  for (const PerimeterBlock& block : floor.blocks) {
    if (!block.left_out) continue;
    const Point at = panel.ToCanvas(LabelPoint(block.points), layout.bounds);
    AddText(drawing, {at.x, at.y + 5}, std::to_string(block.number),
            {.size = 14, .fill = kLeftOutColour, .bold = true, .css_class = "block-number"});
  }
}

}  // namespace

void DrawFloorPanel(PlanDrawing& drawing, const PlanLayout& layout, const PlanPanel& panel,
                    const PlanFloor& floor, const PlanFindings& findings) {
  DrawRooms(drawing, layout, panel, floor);
  DrawUnknownRoomHatching(drawing, layout, panel, floor);
  DrawBlocks(drawing, layout, panel, floor, false);
  if (floor.has_outline && floor.outline.size() >= 2) {
    AddPolygon(drawing, CanvasPoints(panel, layout.bounds, floor.outline),
               StrokeStyle(kOutlineColour, 3.5), "outline")
        .style.round_ends = true;
  }
  DrawBlocks(drawing, layout, panel, floor, true);
  DrawColumns(drawing, layout, panel, floor);
  DrawFloorMarks(drawing, layout, panel, findings, floor.floor);
  DrawLabels(drawing, layout, panel, floor, findings);
}

}  // namespace peltarix
