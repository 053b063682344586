#include <string>

#include "preview/plan_hatch.h"
#include "preview/plan_style.h"
#include "preview/plan_svg_parts.h"

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

void UnconvertedColumnMark(SvgWriter& svg, const PlanPanel& panel, const PlanFinding& finding) {
  const double half = kColumnMarkHalf / panel.scale;
  const Point at = finding.position;
  const std::string stroke = PlanStroke(panel, 2.0);
  svg.Open("rect", {{"class", "unconverted-column"},
                    {"x", SvgNumber(at.x - half)},
                    {"y", SvgNumber(at.y - half)},
                    {"width", SvgNumber(2 * half)},
                    {"height", SvgNumber(2 * half)},
                    {"fill", "#ffffff"},
                    {"stroke", std::string(kLeftOutColour)},
                    {"stroke-width", stroke}});
  svg.Text("title", {}, MarkTitle(finding));
  svg.Close("rect");
  for (const double side : {1.0, -1.0}) {
    svg.Empty("line", {{"x1", SvgNumber(at.x - half)},
                       {"y1", SvgNumber(at.y - half * side)},
                       {"x2", SvgNumber(at.x + half)},
                       {"y2", SvgNumber(at.y + half * side)},
                       {"stroke", std::string(kLeftOutColour)},
                       {"stroke-width", stroke}});
  }
}

void Ring(SvgWriter& svg, const PlanPanel& panel, std::string_view css_class, Point at,
          double radius, std::string_view colour, std::string_view title) {
  svg.Open("circle", {{"class", std::string(css_class)},
                      {"cx", SvgNumber(at.x)},
                      {"cy", SvgNumber(at.y)},
                      {"r", SvgNumber(radius / panel.scale)},
                      {"fill", "none"},
                      {"stroke", std::string(colour)},
                      {"stroke-width", PlanStroke(panel, 2.5)}});
  svg.Text("title", {}, title);
  svg.Close("circle");
}

}  // namespace

void DrawUnknownRoomHatching(SvgWriter& svg, const PlanPanel& panel, const PlanFloor& floor) {
  for (const PlanRoom& room : floor.rooms) {
    if (room.kind_code != 0) continue;
    svg.Open("g", {{"class", "unknown-kind"},
                   {"stroke", std::string(kUnknownKindHatchColour)},
                   {"stroke-width", PlanStroke(panel, 1.0)}});
    for (const Segment& line : HatchLines(room.outline, kHatchSpacingPixels / panel.scale)) {
      svg.Empty("line", {{"x1", SvgNumber(line.start.x)},
                         {"y1", SvgNumber(line.start.y)},
                         {"x2", SvgNumber(line.end.x)},
                         {"y2", SvgNumber(line.end.y)}});
    }
    svg.Close("g");
  }
}

void DrawFloorMarks(SvgWriter& svg, const PlanPanel& panel, const PlanFindings& findings,
                    int floor) {
  for (const ColumnSupport& support : findings.column_support) {
    if (support.floor != floor) continue;
    for (const Point& centre : support.unsupported) {
      Ring(svg, panel, "unsupported-column", centre, kSupportRingRadius, kUnsupportedColour,
           "直下に" + std::to_string(floor - 1) + "階の柱がない柱");
    }
  }
  for (const PlanFinding& finding : findings.items) {
    if (finding.floor != floor) continue;
    if (finding.kind == FindingKind::kUnconvertedColumn) {
      UnconvertedColumnMark(svg, panel, finding);
    } else if (finding.kind == FindingKind::kTwistedOutline && finding.located) {
      Ring(svg, panel, "twist", finding.position, kTwistRadius, kLeftOutColour, MarkTitle(finding));
    }
  }
}

void DrawNonWoodenRoofs(SvgWriter& svg, const PlanPanel& panel, const PlanFindings& findings,
                        int floor) {
  for (const PlanFinding& finding : findings.items) {
    if (finding.kind != FindingKind::kNonWoodenRoof || finding.outline.empty()) continue;
    if (finding.floor != floor) continue;
    svg.Open("polygon", {{"class", "non-wooden-roof"},
                         {"points", SvgPoints(finding.outline)},
                         {"fill", "none"},
                         {"stroke", std::string(kLeftOutColour)},
                         {"stroke-width", PlanStroke(panel, 2.2)},
                         {"stroke-dasharray", PlanStroke(panel, 8) + "," + PlanStroke(panel, 4)}});
    svg.Text("title", {}, MarkTitle(finding));
    svg.Close("polygon");
  }
}

}  // namespace peltarix
