#include <algorithm>
#include <array>
#include <cmath>
#include <string>

#include "preview/plan_labels.h"
#include "preview/plan_style.h"
#include "preview/plan_svg_parts.h"
#include "run/number_format.h"

namespace peltarix {
namespace {

// Light tones that tell neighbouring faces apart.
constexpr std::array<std::string_view, 6> kFaceFills = {"#f3c9a8", "#c7dbef", "#d6e8c3",
                                                        "#eed3e6", "#f1e3a6", "#cde3e1"};
constexpr double kArrowLength = 46.0;
// Vertices of faces that meet closer than this on the picture are one.
constexpr double kSameVertexPixels = 1.5;

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

bool OnPanel(const PlanRoof& roof, const PlanPanel& panel) { return roof.floor == panel.floor; }

// The outline of the storey the roofs cover, dashed beneath them.
void DrawFloorOutlines(SvgWriter& svg, const PlanPanel& panel, const PlanModel& model) {
  for (const PlanFloor& floor : model.floors) {
    if (floor.floor != panel.floor || !floor.has_outline || floor.outline.size() < 2) continue;
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
    if (!OnPanel(roof, panel)) continue;
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
    if (!OnPanel(roof, panel)) continue;
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

// The arrow's box: its length either way from the centre, and its head's width.
Box ArrowBox(Point centre) {
  const double reach = kArrowLength * 0.5;
  return {.min_x = centre.x - reach,
          .max_x = centre.x + reach,
          .min_y = centre.y - reach,
          .max_y = centre.y + reach};
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

// A label whose box is kept apart from the others on the panel; false, and
// nothing drawn, where no place near `at` is free.
bool PlacedLabel(SvgWriter& svg, LabelSpace& space, std::string_view css_class,
                 std::span<const Point> candidates, double size, std::string_view text,
                 std::string_view fill = "#1b1b1b") {
  const double width = TextWidth(text, size) + 2.0;
  const double height = size * 1.15;
  for (const Point at : candidates) {
    const Box box = LabelBox({at.x, at.y + size * 0.25}, width, height);
    if (!space.Claim(box)) continue;
    svg.Text("text",
             {{"class", std::string(css_class)},
              {"x", SvgNumber(at.x)},
              {"y", SvgNumber(at.y)},
              {"font-size", SvgNumber(size)},
              {"fill", std::string(fill)},
              {"text-anchor", "middle"}},
             text);
    svg.Empty("rect", {{"class", "label-box"},
                       {"x", SvgNumber(box.min_x)},
                       {"y", SvgNumber(box.min_y)},
                       {"width", SvgNumber(width)},
                       {"height", SvgNumber(height)},
                       {"fill", "none"},
                       {"stroke", "none"}});
    return true;
  }
  return false;
}

// Each vertex once, however many faces meet there; faces meeting at
// different heights show all of them, "5600/5800".
std::vector<std::pair<Point, std::string>> VertexHeights(const PlanModel& model,
                                                         const PlanPanel& panel,
                                                         const PlanLayout& layout) {
  std::vector<std::pair<Point, std::string>> heights;
  for (const PlanRoof& roof : model.roofs) {
    if (!OnPanel(roof, panel)) continue;
    for (std::size_t k = 0; k + 1 < roof.vertices.size(); ++k) {
      const Point at = panel.ToCanvas(roof.vertices[k].point, layout.bounds);
      const std::string text = SvgNumber(std::round(roof.vertices[k].height));
      const auto same = std::find_if(heights.begin(), heights.end(), [&](const auto& known) {
        return std::fabs(known.first.x - at.x) < kSameVertexPixels &&
               std::fabs(known.first.y - at.y) < kSameVertexPixels;
      });
      if (same == heights.end()) {
        heights.push_back({at, text});
      } else if (("/" + same->second + "/").find("/" + text + "/") == std::string::npos) {
        same->second += "/" + text;
      }
    }
  }
  return heights;
}

// Arrows and pitches first (one a face, at its centre), then the numbers of
// the roofs not converted, then the heights of the vertices, each beside its
// vertex where there is room.
void DrawRoofLabels(SvgWriter& svg, const PlanLayout& layout, const PlanPanel& panel,
                    const PlanModel& model) {
  LabelSpace space;
  for (const PlanRoof& roof : model.roofs) {
    if (!OnPanel(roof, panel)) continue;
    const Point centre = panel.ToCanvas(LabelPoint(PlanPoints(roof)), layout.bounds);
    if (!space.Claim(ArrowBox(centre))) continue;
    DrawFallArrow(svg, centre, roof.fall);
    const std::array<Point, 3> below = {
        {{centre.x, centre.y + 40}, {centre.x, centre.y - 32}, {centre.x, centre.y + 56}}};
    PlacedLabel(svg, space, "pitch", below, 12, PitchText(roof.pitch));
  }
  for (const PlanFinding& finding : model.findings.items) {
    if (finding.kind != FindingKind::kNonWoodenRoof || finding.outline.empty() ||
        finding.floor != panel.floor)
      continue;
    const Point at = panel.ToCanvas(LabelPoint(finding.outline), layout.bounds);
    const std::array<Point, 5> around = {{{at.x, at.y + 5},
                                          {at.x + 30, at.y + 5},
                                          {at.x - 30, at.y + 5},
                                          {at.x, at.y + 30},
                                          {at.x, at.y - 20}}};
    PlacedLabel(svg, space, "roof-number", around, 14, std::to_string(finding.record),
                kLeftOutColour);
  }
  for (const auto& [at, text] : VertexHeights(model, panel, layout)) {
    const std::array<Point, 4> beside = {{{at.x + 18, at.y - 6},
                                          {at.x - 18, at.y - 6},
                                          {at.x + 18, at.y + 16},
                                          {at.x - 18, at.y + 16}}};
    PlacedLabel(svg, space, "height", beside, 11, text);
  }
}

}  // namespace

void DrawRoofPanel(SvgWriter& svg, const PlanLayout& layout, const PlanPanel& panel,
                   const PlanModel& model) {
  OpenPlanGroup(svg, panel, layout.bounds);
  DrawFloorOutlines(svg, panel, model);
  DrawFaces(svg, panel, model);
  DrawNonWoodenRoofs(svg, panel, model.findings, panel.floor);
  svg.Close("g");
  const bool any_face = std::any_of(model.roofs.begin(), model.roofs.end(),
                                    [&](const PlanRoof& roof) { return OnPanel(roof, panel); });
  const bool any_left_out =
      std::any_of(model.findings.items.begin(), model.findings.items.end(), [&](const auto& item) {
        return item.kind == FindingKind::kNonWoodenRoof && item.floor == panel.floor;
      });
  if (!any_face && !any_left_out) {
    Label(svg, {panel.left + panel.width / 2, panel.top + panel.height / 2}, 14, "#6b6b6b",
          "屋根領域のレコードはありません");
    return;
  }
  DrawRoofLabels(svg, layout, panel, model);
}

}  // namespace peltarix
