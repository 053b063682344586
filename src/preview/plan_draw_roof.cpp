#include <algorithm>
#include <array>
#include <cmath>
#include <string>

#include "preview/plan_draw_parts.h"
#include "preview/plan_labels.h"
#include "preview/plan_style.h"
#include "preview/svg_writer.h"

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
void DrawFloorOutlines(PlanDrawing& drawing, const PlanLayout& layout, const PlanPanel& panel,
                       const PlanModel& model) {
  for (const PlanFloor& floor : model.floors) {
    if (floor.floor != panel.floor || !floor.has_outline || floor.outline.size() < 2) continue;
    AddPolygon(drawing, CanvasPoints(panel, layout.bounds, floor.outline),
               StrokeStyle("#9a9a9a", 1.0, {4, 4}), "floor-outline");
  }
}

void DrawFaces(PlanDrawing& drawing, const PlanLayout& layout, const PlanPanel& panel,
               const PlanModel& model) {
  for (std::size_t k = 0; k < model.roofs.size(); ++k) {
    const PlanRoof& roof = model.roofs[k];
    if (!OnPanel(roof, panel)) continue;
    AddPolygon(drawing, CanvasPoints(panel, layout.bounds, PlanPoints(roof)),
               FilledStrokeStyle(kFaceFills[k % kFaceFills.size()], "#5c5c5c", 1.0, 0.8), "roof",
               "屋根 " + std::to_string(k + 1) + "（" + std::to_string(roof.floor) + "F） " +
                   PitchText(roof.pitch));
  }
  for (const PlanRoof& roof : model.roofs) {
    if (!OnPanel(roof, panel)) continue;
    for (std::size_t edge = 0; edge < roof.eave_edges.size(); ++edge) {
      if (!roof.eave_edges[edge]) continue;
      AddLine(drawing, panel.ToCanvas(roof.vertices[edge].point, layout.bounds),
              panel.ToCanvas(roof.vertices[edge + 1].point, layout.bounds),
              StrokeStyle(kEaveColour, 4.0), "eave")
          .style.round_ends = true;
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

void DrawFallArrow(PlanDrawing& drawing, Point from, Point fall) {
  const double length = std::hypot(fall.x, fall.y);
  if (!(length > 0.0)) return;
  // Canvas y runs down: the plan's +y is the canvas's -y.
  const Point unit{fall.x / length, -fall.y / length};
  const Point tip{from.x + unit.x * kArrowLength * 0.5, from.y + unit.y * kArrowLength * 0.5};
  const Point tail{from.x - unit.x * kArrowLength * 0.5, from.y - unit.y * kArrowLength * 0.5};
  const Point side{-unit.y * 6.0, unit.x * 6.0};
  const Point base{tip.x - unit.x * 12.0, tip.y - unit.y * 12.0};
  AddLine(drawing, tail, base, StrokeStyle("#1b1b1b", 2.5), "fall");
  AddPolygon(drawing, {tip, {base.x + side.x, base.y + side.y}, {base.x - side.x, base.y - side.y}},
             FillStyle("#1b1b1b"), "fall");
}

// A label whose box is kept apart from the others on the panel; false, and
// nothing drawn, where no place near `at` is free.
bool PlacedLabel(PlanDrawing& drawing, LabelSpace& space, std::string_view css_class,
                 std::span<const Point> candidates, double size, std::string_view text,
                 std::string_view fill = "#1b1b1b") {
  const double width = TextWidth(text, size) + 2.0;
  const double height = size * 1.15;
  for (const Point at : candidates) {
    const Box box = LabelBox({at.x, at.y + size * 0.25}, width, height);
    if (!space.Claim(box)) continue;
    AddText(drawing, at, std::string(text), {.size = size, .fill = fill, .css_class = css_class});
    AddLabelBox(drawing, box);
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
void DrawRoofLabels(PlanDrawing& drawing, const PlanLayout& layout, const PlanPanel& panel,
                    const PlanModel& model) {
  LabelSpace space;
  for (const PlanRoof& roof : model.roofs) {
    if (!OnPanel(roof, panel)) continue;
    const Point centre = panel.ToCanvas(LabelPoint(PlanPoints(roof)), layout.bounds);
    if (!space.Claim(ArrowBox(centre))) continue;
    DrawFallArrow(drawing, centre, roof.fall);
    const std::array<Point, 3> below = {
        {{centre.x, centre.y + 40}, {centre.x, centre.y - 32}, {centre.x, centre.y + 56}}};
    PlacedLabel(drawing, space, "pitch", below, 12, PitchText(roof.pitch));
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
    PlacedLabel(drawing, space, "roof-number", around, 14, std::to_string(finding.record),
                kLeftOutColour);
  }
  for (const auto& [at, text] : VertexHeights(model, panel, layout)) {
    const std::array<Point, 4> beside = {{{at.x + 18, at.y - 6},
                                          {at.x - 18, at.y - 6},
                                          {at.x + 18, at.y + 16},
                                          {at.x - 18, at.y + 16}}};
    PlacedLabel(drawing, space, "height", beside, 11, text);
  }
}

}  // namespace

void DrawRoofPanel(PlanDrawing& drawing, const PlanLayout& layout, const PlanPanel& panel,
                   const PlanModel& model) {
  DrawFloorOutlines(drawing, layout, panel, model);
  DrawFaces(drawing, layout, panel, model);
  DrawNonWoodenRoofs(drawing, layout, panel, model.findings, panel.floor);
  const bool any_face = std::any_of(model.roofs.begin(), model.roofs.end(),
                                    [&](const PlanRoof& roof) { return OnPanel(roof, panel); });
  const bool any_left_out =
      std::any_of(model.findings.items.begin(), model.findings.items.end(), [&](const auto& item) {
        return item.kind == FindingKind::kNonWoodenRoof && item.floor == panel.floor;
      });
  if (!any_face && !any_left_out) {
    AddText(drawing, {panel.left + panel.width / 2, panel.top + panel.height / 2},
            "屋根領域のレコードはありません", {.size = 14, .fill = "#6b6b6b"});
    return;
  }
  DrawRoofLabels(drawing, layout, panel, model);
}

}  // namespace peltarix
