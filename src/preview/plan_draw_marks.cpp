#include <string>

#include "preview/plan_draw_parts.h"
#include "preview/plan_hatch.h"
#include "preview/plan_style.h"

namespace peltarix {
namespace {

// Marks keep their size on the screen whatever the plan's scale.
constexpr double kColumnMarkHalf = 7.0;
constexpr double kTwistRadius = 10.0;
constexpr double kSupportRingRadius = 12.0;
constexpr double kHatchSpacingPixels = 7.0;

// The detail line without its "詳細：", as the mark's tooltip.
std::string MarkTitle(const PlanFinding& finding) {
  const std::string line = FindingDetailLine(finding);
  const std::string_view prefix = "詳細：";
  return line.starts_with(prefix) ? line.substr(prefix.size()) : line;
}

void UnconvertedColumnMark(PlanDrawing& drawing, const PlanLayout& layout, const PlanPanel& panel,
                           const PlanFinding& finding) {
  const double half = kColumnMarkHalf;
  const Point at = panel.ToCanvas(finding.position, layout.bounds);
  AddRect(drawing, {at.x - half, at.y - half}, {at.x + half, at.y + half},
          FilledStrokeStyle("#ffffff", kLeftOutColour, 2.0), "unconverted-column",
          MarkTitle(finding));
  for (const double side : {1.0, -1.0}) {
    AddLine(drawing, {at.x - half, at.y - half * side}, {at.x + half, at.y + half * side},
            StrokeStyle(kLeftOutColour, 2.0), "unconverted-column-cross");
  }
}

void Ring(PlanDrawing& drawing, Point at, std::string_view css_class, double radius,
          std::string_view colour, std::string title) {
  AddCircle(drawing, at, radius, StrokeStyle(colour, 2.5), css_class, std::move(title));
}

}  // namespace

void DrawUnknownRoomHatching(PlanDrawing& drawing, const PlanLayout& layout, const PlanPanel& panel,
                             const PlanFloor& floor) {
  for (const PlanRoom& room : floor.rooms) {
    if (room.kind_code != 0) continue;
    // Hatched in plan, so that the lines rise to the right as the plan does.
    for (const Segment& line : HatchLines(room.outline, kHatchSpacingPixels / panel.scale)) {
      AddLine(drawing, panel.ToCanvas(line.start, layout.bounds),
              panel.ToCanvas(line.end, layout.bounds), StrokeStyle(kUnknownKindHatchColour, 1.0),
              "unknown-kind");
    }
  }
}

void DrawFloorMarks(PlanDrawing& drawing, const PlanLayout& layout, const PlanPanel& panel,
                    const PlanFindings& findings, int floor) {
  for (const ColumnSupport& support : findings.column_support) {
    if (support.floor != floor) continue;
    for (const Point& centre : support.unsupported) {
      Ring(drawing, panel.ToCanvas(centre, layout.bounds), "unsupported-column", kSupportRingRadius,
           kUnsupportedColour, "直下に" + std::to_string(floor - 1) + "階の柱がない柱");
    }
  }
  for (const PlanFinding& finding : findings.items) {
    if (finding.floor != floor) continue;
    if (finding.kind == FindingKind::kUnconvertedColumn) {
      UnconvertedColumnMark(drawing, layout, panel, finding);
    } else if (finding.kind == FindingKind::kTwistedOutline && finding.located) {
      Ring(drawing, panel.ToCanvas(finding.position, layout.bounds), "twist", kTwistRadius,
           kLeftOutColour, MarkTitle(finding));
    }
  }
}

void DrawNonWoodenRoofs(PlanDrawing& drawing, const PlanLayout& layout, const PlanPanel& panel,
                        const PlanFindings& findings, int floor) {
  for (const PlanFinding& finding : findings.items) {
    if (finding.kind != FindingKind::kNonWoodenRoof || finding.outline.empty()) continue;
    if (finding.floor != floor) continue;
    AddPolygon(drawing, CanvasPoints(panel, layout.bounds, finding.outline),
               StrokeStyle(kLeftOutColour, 2.2, {8, 4}), "non-wooden-roof", MarkTitle(finding));
  }
}

}  // namespace peltarix
