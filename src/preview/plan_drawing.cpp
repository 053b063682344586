#include "preview/plan_drawing.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "preview/plan_draw_parts.h"
#include "preview/plan_style.h"
#include "preview/svg_writer.h"

namespace peltarix {
namespace {

constexpr double kLabelSize = 11.0;
constexpr std::string_view kGridTextColour = "#6b6b6b";
// GridStep aims at about a dozen lines; more means a degenerate extent.
constexpr double kMaxGridLines = 100.0;

// The multiples of `step` from `low` to `high`, counted rather than summed:
// far from the origin, adding a step to a coordinate may not change it.
std::vector<double> GridValues(double low, double high, double step) {
  std::vector<double> values;
  const double first = std::ceil(low / step);
  const double last = std::floor(high / step);
  if (!std::isfinite(first) || !std::isfinite(last) || last - first > kMaxGridLines) return values;
  for (double k = first; k <= last; k += 1.0) values.push_back(k * step);
  return values;
}

// The axes through the origin stand out from the other grid lines.
DrawStyle GridLineStyle(double value, double step) {
  const bool axis = std::fabs(value) < step * 1e-6;
  return StrokeStyle(axis ? "#7a7a7a" : "#e3e3e3", axis ? 1.2 : 1.0);
}

void DrawGrid(PlanDrawing& drawing, const PlanPanel& panel, const PlanBounds& bounds) {
  const double step = GridStep(bounds);
  const Point top_left = panel.ToCanvas({bounds.min_x, bounds.max_y}, bounds);
  const Point bottom_right = panel.ToCanvas({bounds.max_x, bounds.min_y}, bounds);
  const TextLook below{.size = kLabelSize, .fill = kGridTextColour, .css_class = "grid"};
  const TextLook beside{
      .size = kLabelSize, .fill = kGridTextColour, .anchor = TextAnchor::kEnd, .css_class = "grid"};
  for (const double x : GridValues(bounds.min_x, bounds.max_x, step)) {
    const double cx = panel.ToCanvas({x, 0.0}, bounds).x;
    AddLine(drawing, {cx, top_left.y}, {cx, bottom_right.y}, GridLineStyle(x, step), "grid");
    AddText(drawing, {cx, bottom_right.y + 16}, SvgNumber(x), below);
  }
  for (const double y : GridValues(bounds.min_y, bounds.max_y, step)) {
    const double cy = panel.ToCanvas({0.0, y}, bounds).y;
    AddLine(drawing, {top_left.x, cy}, {bottom_right.x, cy}, GridLineStyle(y, step), "grid");
    AddText(drawing, {top_left.x - 6, cy + 4}, SvgNumber(y), beside);
  }
  AddText(drawing, {bottom_right.x, bottom_right.y + 34}, "X [mm]", beside);
  AddText(drawing, {top_left.x - 6, top_left.y - 8}, "Y [mm]", beside);
  AddRect(drawing, top_left, bottom_right, StrokeStyle("#9a9a9a", 1.0), "grid");
}

void DrawPanelFrame(PlanDrawing& drawing, const PlanPanel& panel, const PlanBounds& bounds) {
  AddRect(drawing, {panel.left, panel.top}, {panel.left + panel.width, panel.top + panel.height},
          FilledStrokeStyle("#fbfbf8", "#c8c8c8", 1.0), "panel")
      .corner_radius = 6.0;
  AddText(drawing, {panel.plan_left, panel.top + 28}, panel.title,
          {.size = 20, .bold = true, .anchor = TextAnchor::kStart, .css_class = "panel-title"});
  DrawGrid(drawing, panel, bounds);
}

std::string PanelId(const PlanPanel& panel) {
  return (panel.roof ? "panel-roof-" : "panel-") + std::to_string(panel.floor) + "F";
}

}  // namespace

double GridStep(const PlanBounds& bounds) {
  const double extent = std::max(bounds.max_x - bounds.min_x, bounds.max_y - bounds.min_y);
  for (const double step : {100.0, 250.0, 500.0, 1000.0, 2000.0, 2500.0, 5000.0, 10000.0}) {
    if (extent / step <= 12.0) return step;
  }
  return std::pow(10.0, std::ceil(std::log10(extent / 12.0)));
}

PlanDrawing DrawPlan(const PlanModel& model, const PlanLayout& layout, std::string_view caption) {
  PlanDrawing drawing;
  drawing.width = layout.width;
  drawing.height = layout.height;
  drawing.background = RgbOf(kBackgroundColour);
  drawing.title = "PELTARIX プレビュー " + std::string(caption);
  for (const PlanPanel& panel : layout.panels) {
    DrawRegion region{.id = PanelId(panel),
                      .title = panel.title,
                      .left = panel.left,
                      .top = panel.top,
                      .width = panel.width,
                      .height = panel.height,
                      .floor = panel.floor,
                      .roof = panel.roof,
                      .first_item = drawing.items.size()};
    DrawPanelFrame(drawing, panel, layout.bounds);
    if (panel.roof) {
      DrawRoofPanel(drawing, layout, panel, model);
    } else {
      for (const PlanFloor& floor : model.floors) {
        if (floor.floor == panel.floor)
          DrawFloorPanel(drawing, layout, panel, floor, model.findings);
      }
    }
    region.end_item = drawing.items.size();
    drawing.regions.push_back(std::move(region));
  }
  DrawRegion legend{.id = "legend",
                    .title = "凡例",
                    .left = layout.legend_left,
                    .top = layout.legend_top,
                    .width = layout.legend_width,
                    .height = layout.legend_height,
                    .first_item = drawing.items.size()};
  DrawLegend(drawing, layout, model, caption);
  legend.end_item = drawing.items.size();
  drawing.regions.push_back(std::move(legend));
  return drawing;
}

}  // namespace peltarix
