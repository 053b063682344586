#include "preview/plan_svg.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "preview/plan_style.h"
#include "preview/plan_svg_parts.h"
#include "run/number_format.h"

namespace peltarix {
namespace {

constexpr double kLabelSize = 11.0;
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

void DrawGrid(SvgWriter& svg, const PlanPanel& panel, const PlanBounds& bounds) {
  const double step = GridStep(bounds);
  svg.Open("g", {{"class", "grid"}, {"font-size", SvgNumber(kLabelSize)}, {"fill", "#6b6b6b"}});
  const Point top_left = panel.ToCanvas({bounds.min_x, bounds.max_y}, bounds);
  const Point bottom_right = panel.ToCanvas({bounds.max_x, bounds.min_y}, bounds);
  for (const double x : GridValues(bounds.min_x, bounds.max_x, step)) {
    const double cx = panel.ToCanvas({x, 0.0}, bounds).x;
    const bool axis = std::fabs(x) < step * 1e-6;
    svg.Empty("line", {{"x1", SvgNumber(cx)},
                       {"y1", SvgNumber(top_left.y)},
                       {"x2", SvgNumber(cx)},
                       {"y2", SvgNumber(bottom_right.y)},
                       {"stroke", axis ? "#7a7a7a" : "#e3e3e3"},
                       {"stroke-width", axis ? "1.2" : "1"}});
    svg.Text(
        "text",
        {{"x", SvgNumber(cx)}, {"y", SvgNumber(bottom_right.y + 16)}, {"text-anchor", "middle"}},
        SvgNumber(x));
  }
  for (const double y : GridValues(bounds.min_y, bounds.max_y, step)) {
    const double cy = panel.ToCanvas({0.0, y}, bounds).y;
    const bool axis = std::fabs(y) < step * 1e-6;
    svg.Empty("line", {{"x1", SvgNumber(top_left.x)},
                       {"y1", SvgNumber(cy)},
                       {"x2", SvgNumber(bottom_right.x)},
                       {"y2", SvgNumber(cy)},
                       {"stroke", axis ? "#7a7a7a" : "#e3e3e3"},
                       {"stroke-width", axis ? "1.2" : "1"}});
    svg.Text("text",
             {{"x", SvgNumber(top_left.x - 6)}, {"y", SvgNumber(cy + 4)}, {"text-anchor", "end"}},
             SvgNumber(y));
  }
  svg.Text("text",
           {{"x", SvgNumber(bottom_right.x)},
            {"y", SvgNumber(bottom_right.y + 34)},
            {"text-anchor", "end"}},
           "X [mm]");
  svg.Text(
      "text",
      {{"x", SvgNumber(top_left.x - 6)}, {"y", SvgNumber(top_left.y - 8)}, {"text-anchor", "end"}},
      "Y [mm]");
  svg.Empty("rect", {{"x", SvgNumber(top_left.x)},
                     {"y", SvgNumber(top_left.y)},
                     {"width", SvgNumber(bottom_right.x - top_left.x)},
                     {"height", SvgNumber(bottom_right.y - top_left.y)},
                     {"fill", "none"},
                     {"stroke", "#9a9a9a"}});
  svg.Close("g");
}

void DrawPanelFrame(SvgWriter& svg, const PlanPanel& panel, const PlanBounds& bounds) {
  svg.Empty("rect", {{"x", SvgNumber(panel.left)},
                     {"y", SvgNumber(panel.top)},
                     {"width", SvgNumber(panel.width)},
                     {"height", SvgNumber(panel.height)},
                     {"rx", "6"},
                     {"fill", "#fbfbf8"},
                     {"stroke", "#c8c8c8"}});
  svg.Text("text",
           {{"x", SvgNumber(panel.plan_left)},
            {"y", SvgNumber(panel.top + 28)},
            {"font-size", "20"},
            {"font-weight", "bold"},
            {"fill", "#1b1b1b"}},
           panel.title);
  DrawGrid(svg, panel, bounds);
}

}  // namespace

double GridStep(const PlanBounds& bounds) {
  const double extent = std::max(bounds.max_x - bounds.min_x, bounds.max_y - bounds.min_y);
  for (const double step : {100.0, 250.0, 500.0, 1000.0, 2000.0, 2500.0, 5000.0, 10000.0}) {
    if (extent / step <= 12.0) return step;
  }
  return std::pow(10.0, std::ceil(std::log10(extent / 12.0)));
}

void OpenPlanGroup(SvgWriter& svg, const PlanPanel& panel, const PlanBounds& bounds) {
  // Canvas = (plan_left + (x - min_x) s, plan_top + (max_y - y) s).
  const double tx = panel.plan_left - bounds.min_x * panel.scale;
  const double ty = panel.plan_top + bounds.max_y * panel.scale;
  // The scale is a few hundredths: it needs more decimals than a coordinate.
  const std::string scale = FormatFixed(panel.scale, 9);
  svg.Open("g", {{"transform", "matrix(" + scale + " 0 0 -" + scale + " " + SvgNumber(tx) + " " +
                                   SvgNumber(ty) + ")"}});
}

std::string SvgPoints(const PointList& points) {
  std::string text;
  for (const Point& point : points) {
    if (!text.empty()) text += ' ';
    text += SvgNumber(point.x);
    text += ',';
    text += SvgNumber(point.y);
  }
  return text;
}

std::string PlanStroke(const PlanPanel& panel, double pixels) {
  // Four significant decimals: scales are small (a few hundredths).
  return FormatFixed(pixels / panel.scale, 4);
}

void Label(SvgWriter& svg, Point at, double size, std::string_view fill, std::string_view text,
           std::string_view weight) {
  svg.Text("text",
           {{"x", SvgNumber(at.x)},
            {"y", SvgNumber(at.y)},
            {"font-size", SvgNumber(size)},
            {"font-weight", std::string(weight)},
            {"fill", std::string(fill)},
            {"text-anchor", "middle"}},
           text);
}

std::string RenderPlanSvg(const PlanModel& model, std::string_view caption) {
  const PlanLayout layout = LayoutPlan(model);
  SvgWriter svg;
  svg.Raw(
      "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\"?>\n"
      "<!DOCTYPE svg PUBLIC \"-//W3C//DTD SVG 1.1//EN\" "
      "\"http://www.w3.org/Graphics/SVG/1.1/DTD/svg11.dtd\">\n");
  svg.Open("svg", {{"xmlns", "http://www.w3.org/2000/svg"},
                   {"version", "1.1"},
                   {"width", SvgNumber(layout.width)},
                   {"height", SvgNumber(layout.height)},
                   {"viewBox", "0 0 " + SvgNumber(layout.width) + " " + SvgNumber(layout.height)},
                   {"font-family", std::string(kFontFamily)}});
  svg.Text("title", {}, "PELTARIX プレビュー " + std::string(caption));
  svg.Empty("rect", {{"x", "0"},
                     {"y", "0"},
                     {"width", SvgNumber(layout.width)},
                     {"height", SvgNumber(layout.height)},
                     {"fill", std::string(kBackgroundColour)}});
  for (const PlanPanel& panel : layout.panels) {
    svg.Open("g", {{"id", panel.roof ? "panel-roof-" + std::to_string(panel.floor) + "F"
                                     : "panel-" + std::to_string(panel.floor) + "F"}});
    DrawPanelFrame(svg, panel, layout.bounds);
    if (panel.roof) {
      DrawRoofPanel(svg, layout, panel, model);
    } else {
      for (const PlanFloor& floor : model.floors) {
        if (floor.floor == panel.floor) DrawFloorPanel(svg, layout, panel, floor, model.findings);
      }
    }
    svg.Close("g");
  }
  DrawLegend(svg, layout, model, caption);
  svg.Close("svg");
  return svg.xml();
}

}  // namespace peltarix
