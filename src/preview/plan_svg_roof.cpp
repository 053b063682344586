#include <algorithm>
#include <array>
#include <cmath>
#include <string>

#include "preview/plan_style.h"
#include "preview/plan_svg_parts.h"
#include "run/number_format.h"

namespace peltarix {
namespace {

// Light tones that tell neighbouring faces apart.
constexpr std::array<std::string_view, 6> kFaceFills = {"#f3c9a8", "#c7dbef", "#d6e8c3",
                                                        "#eed3e6", "#f1e3a6", "#cde3e1"};
constexpr double kArrowLength = 46.0;

PointList PlanPoints(const PlanRoof& roof) {
  PointList points;
  for (const RoofVertex& vertex : roof.vertices) points.push_back(vertex.point);
  return points;
}

// The pitch as rise per 10 of run, the way it is spoken of: 40 gives "4/10".
std::string PitchText(int pitch) {
  std::string text = SvgNumber(pitch / 10.0);
  return "勾配 " + text + "/10";
}

void DrawFloorOutlines(SvgWriter& svg, const PlanPanel& panel, const PlanModel& model) {
  for (const PlanFloor& floor : model.floors) {
    if (!floor.has_outline || floor.outline.size() < 2) continue;
    svg.Empty("polygon", {{"class", "floor-outline"},
                          {"points", SvgPoints(floor.outline)},
                          {"fill", "none"},
                          {"stroke", "#9a9a9a"},
                          {"stroke-width", PlanStroke(panel, 1.0)},
                          {"stroke-dasharray", PlanStroke(panel, 4) + "," + PlanStroke(panel, 4)}});
  }
}

void DrawFaces(SvgWriter& svg, const PlanPanel& panel, const PlanModel& model) {
  for (std::size_t k = 0; k < model.roofs.size(); ++k) {
    const PlanRoof& roof = model.roofs[k];
    svg.Open("polygon", {{"class", "roof"},
                         {"points", SvgPoints(PlanPoints(roof))},
                         {"fill", std::string(kFaceFills[k % kFaceFills.size()])},
                         {"fill-opacity", "0.8"},
                         {"stroke", "#5c5c5c"},
                         {"stroke-width", PlanStroke(panel, 1.0)}});
    svg.Text("title", {},
             "屋根 " + std::to_string(k + 1) + "（" + std::to_string(roof.floor) + "F） " +
                 PitchText(roof.pitch));
    svg.Close("polygon");
  }
  for (const PlanRoof& roof : model.roofs) {
    for (std::size_t edge = 0; edge < roof.eave_edges.size(); ++edge) {
      if (!roof.eave_edges[edge]) continue;
      const Point a = roof.vertices[edge].point;
      const Point b = roof.vertices[edge + 1].point;
      svg.Empty("line", {{"class", "eave"},
                         {"x1", SvgNumber(a.x)},
                         {"y1", SvgNumber(a.y)},
                         {"x2", SvgNumber(b.x)},
                         {"y2", SvgNumber(b.y)},
                         {"stroke", std::string(kEaveColour)},
                         {"stroke-width", PlanStroke(panel, 4.0)},
                         {"stroke-linecap", "round"}});
    }
  }
}

void DrawFallArrow(SvgWriter& svg, Point from, Point fall) {
  const double length = std::hypot(fall.x, fall.y);
  if (!(length > 0.0)) return;
  // Canvas y runs down: the plan's +y is the canvas's -y.
  const Point unit{fall.x / length, -fall.y / length};
  const Point tip{from.x + unit.x * kArrowLength * 0.5, from.y + unit.y * kArrowLength * 0.5};
  const Point tail{from.x - unit.x * kArrowLength * 0.5, from.y - unit.y * kArrowLength * 0.5};
  const Point side{-unit.y * 6.0, unit.x * 6.0};
  const Point base{tip.x - unit.x * 12.0, tip.y - unit.y * 12.0};
  svg.Empty("line", {{"class", "fall"},
                     {"x1", SvgNumber(tail.x)},
                     {"y1", SvgNumber(tail.y)},
                     {"x2", SvgNumber(base.x)},
                     {"y2", SvgNumber(base.y)},
                     {"stroke", "#1b1b1b"},
                     {"stroke-width", "2.5"}});
  svg.Empty(
      "polygon",
      {{"points",
        SvgPoints({tip, {base.x + side.x, base.y + side.y}, {base.x - side.x, base.y - side.y}})},
       {"fill", "#1b1b1b"}});
}

void DrawRoofLabels(SvgWriter& svg, const PlanLayout& layout, const PlanPanel& panel,
                    const PlanModel& model) {
  for (const PlanRoof& roof : model.roofs) {
    const PointList points = PlanPoints(roof);
    const Point centre = panel.ToCanvas(LabelPoint(points), layout.bounds);
    DrawFallArrow(svg, centre, roof.fall);
    Label(svg, {centre.x, centre.y + 40}, 12, "#1b1b1b",
          std::to_string(roof.floor) + "F " + PitchText(roof.pitch));
    // Each height sits inside its face, a little way from the vertex, so
    // that the faces meeting at a vertex each show their own.
    for (std::size_t k = 0; k + 1 < roof.vertices.size(); ++k) {
      const Point at = panel.ToCanvas(roof.vertices[k].point, layout.bounds);
      const double dx = centre.x - at.x;
      const double dy = centre.y - at.y;
      const double distance = std::hypot(dx, dy);
      const double shift = distance > 0.0 ? std::min(24.0, distance * 0.45) / distance : 0.0;
      Label(svg, {at.x + dx * shift, at.y + dy * shift + 4}, 11, "#303030",
            SvgNumber(std::round(roof.vertices[k].height)));
    }
  }
}

}  // namespace

void DrawRoofPanel(SvgWriter& svg, const PlanLayout& layout, const PlanPanel& panel,
                   const PlanModel& model) {
  OpenPlanGroup(svg, panel, layout.bounds);
  DrawFloorOutlines(svg, panel, model);
  DrawFaces(svg, panel, model);
  svg.Close("g");
  if (model.roofs.empty()) {
    Label(svg, {panel.left + panel.width / 2, panel.top + panel.height / 2}, 14, "#6b6b6b",
          "屋根領域のレコードはありません");
    return;
  }
  DrawRoofLabels(svg, layout, panel, model);
}

}  // namespace peltarix
