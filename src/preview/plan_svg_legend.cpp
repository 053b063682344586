#include <algorithm>
#include <cmath>
#include <string>

#include "preview/plan_style.h"
#include "preview/plan_svg_parts.h"
#include "run/number_format.h"

namespace peltarix {
namespace {

constexpr double kRow = 22.0;
constexpr double kTextSize = 13.0;

void LeftText(SvgWriter& svg, double x, double y, std::string_view text, double size = kTextSize,
              std::string_view weight = "normal") {
  svg.Text("text",
           {{"x", SvgNumber(x)},
            {"y", SvgNumber(y)},
            {"font-size", SvgNumber(size)},
            {"font-weight", std::string(weight)},
            {"fill", "#1b1b1b"}},
           text);
}

void Swatch(SvgWriter& svg, double x, double y, std::string_view fill, std::string_view stroke) {
  svg.Empty("rect", {{"x", SvgNumber(x)},
                     {"y", SvgNumber(y - 12)},
                     {"width", "22"},
                     {"height", "14"},
                     {"fill", std::string(fill)},
                     {"stroke", std::string(stroke)}});
}

void Stroke(SvgWriter& svg, double x, double y, std::string_view colour, double width,
            std::string_view dashes = "none") {
  svg.Empty("line", {{"x1", SvgNumber(x)},
                     {"y1", SvgNumber(y - 5)},
                     {"x2", SvgNumber(x + 22)},
                     {"y2", SvgNumber(y - 5)},
                     {"stroke", std::string(colour)},
                     {"stroke-width", SvgNumber(width)},
                     {"stroke-dasharray", std::string(dashes)}});
}

double FloorRoomArea(const PlanFloor& floor) {
  double area = 0.0;
  for (const PlanRoom& room : floor.rooms) area += EnclosedArea(room.outline);
  return area;
}

// Areas per floor, from the points as written.
double DrawAreas(SvgWriter& svg, const PlanModel& model, double x, double y) {
  LeftText(svg, x, y, "面積（書き出した座標から）", 15, "bold");
  y += kRow + 4;
  for (const PlanFloor& floor : model.floors) {
    const std::string outline =
        floor.has_outline ? AreaText(EnclosedArea(floor.outline)) : std::string("—");
    LeftText(svg, x, y,
             std::to_string(floor.floor) + "F　外周 " + outline + "　部屋合計 " +
                 AreaText(FloorRoomArea(floor)));
    y += kRow;
  }
  for (const ColumnSupport& support : model.findings.column_support) {
    LeftText(svg, x, y,
             std::to_string(support.floor) + "F　柱の直下率 " +
                 FormatFixed(support.ratio() * 100.0, 1) + "%（" + std::to_string(support.columns) +
                 "本中" + std::to_string(support.supported) + "本）");
    y += kRow;
  }
  return y;
}

// A scale bar of two grid steps.
double DrawScaleBar(SvgWriter& svg, const PlanLayout& layout, double x, double y) {
  const double step = GridStep(layout.bounds);
  const double length = step * layout.scale;
  LeftText(svg, x, y, "縮尺", 15, "bold");
  y += 14;
  for (int k = 0; k < 2; ++k) {
    svg.Empty("rect", {{"class", "scale-bar"},
                       {"x", SvgNumber(x + k * length)},
                       {"y", SvgNumber(y)},
                       {"width", SvgNumber(length)},
                       {"height", "8"},
                       {"fill", k == 0 ? "#1b1b1b" : "#ffffff"},
                       {"stroke", "#1b1b1b"}});
  }
  for (int k = 0; k <= 2; ++k) {
    svg.Text("text",
             {{"x", SvgNumber(x + k * length)},
              {"y", SvgNumber(y + 24)},
              {"font-size", "11"},
              {"text-anchor", "middle"}},
             SvgNumber(step * k));
  }
  LeftText(svg, x + 2 * length + 18, y + 9, "mm", 12);
  return y + 30;
}

double DrawRoomKinds(SvgWriter& svg, double x, double y) {
  LeftText(svg, x, y, "部屋の種類（コード）", 15, "bold");
  y += kRow + 4;
  for (const RoomBand& band : RoomBands()) {
    Swatch(svg, x, y, band.fill, "#8c8c8c");
    const std::string codes =
        band.first_code == band.last_code
            ? std::to_string(band.first_code)
            : std::to_string(band.first_code) + "–" + std::to_string(band.last_code);
    LeftText(svg, x + 30, y, std::string(band.caption) + "（" + codes + "）");
    y += kRow;
  }
  return y;
}

double DrawColumnKinds(SvgWriter& svg, double x, double y) {
  LeftText(svg, x, y, "柱", 15, "bold");
  y += kRow + 4;
  for (const ColumnStyle& style : ColumnStyles()) {
    svg.Empty("rect", {{"x", SvgNumber(x + 5)},
                       {"y", SvgNumber(y - 12)},
                       {"width", "12"},
                       {"height", "12"},
                       {"fill", std::string(style.fill)},
                       {"stroke", "#000000"}});
    LeftText(svg, x + 30, y, style.caption);
    y += kRow;
  }
  return y;
}

// The marks of what the run left out or found wrong.
double DrawMarkKeys(SvgWriter& svg, double x, double y) {
  svg.Empty("rect", {{"x", SvgNumber(x + 5)},
                     {"y", SvgNumber(y - 12)},
                     {"width", "12"},
                     {"height", "12"},
                     {"fill", "#ffffff"},
                     {"stroke", std::string(kLeftOutColour)},
                     {"stroke-width", "2"}});
  for (const double side : {0.0, 12.0}) {
    svg.Empty("line", {{"x1", SvgNumber(x + 5)},
                       {"y1", SvgNumber(y - 12 + side)},
                       {"x2", SvgNumber(x + 17)},
                       {"y2", SvgNumber(y - side)},
                       {"stroke", std::string(kLeftOutColour)},
                       {"stroke-width", "2"}});
  }
  LeftText(svg, x + 30, y, "コンバートしなかった柱");
  y += kRow;
  Stroke(svg, x, y, kLeftOutColour, 2.2, "8,4");
  LeftText(svg, x + 30, y, "コンバートしなかった屋根（番号）");
  y += kRow;
  for (const auto& [colour, caption] : {std::pair{kLeftOutColour, "外周のねじれ・くびれ"},
                                        std::pair{kUnsupportedColour, "直下に柱のない柱"}}) {
    svg.Empty("circle", {{"cx", SvgNumber(x + 11)},
                         {"cy", SvgNumber(y - 5)},
                         {"r", "7"},
                         {"fill", "none"},
                         {"stroke", std::string(colour)},
                         {"stroke-width", "2.5"}});
    LeftText(svg, x + 30, y, caption);
    y += kRow;
  }
  Swatch(svg, x, y, RoomBandOf(0).fill, std::string(kUnknownKindHatchColour));
  for (const double offset : {4.0, 10.0, 16.0}) {
    svg.Empty("line", {{"x1", SvgNumber(x + offset)},
                       {"y1", SvgNumber(y + 2)},
                       {"x2", SvgNumber(x + offset + 6)},
                       {"y2", SvgNumber(y - 12)},
                       {"stroke", std::string(kUnknownKindHatchColour)}});
  }
  LeftText(svg, x + 30, y, "種類が分からない部屋（コード0）");
  return y + kRow;
}

double DrawLineKeys(SvgWriter& svg, double x, double y) {
  LeftText(svg, x, y, "線と記号", 15, "bold");
  y += kRow + 4;
  Stroke(svg, x, y, kOutlineColour, 3.5);
  LeftText(svg, x + 30, y, "外周（結合したもの）");
  y += kRow;
  Stroke(svg, x, y, kBlockColour, 1.0, "5,3");
  LeftText(svg, x + 30, y, "外周領域（変換元）");
  y += kRow;
  Stroke(svg, x, y, kLeftOutColour, 2.5);
  LeftText(svg, x + 30, y, "外周に含めなかった外周領域（番号）");
  y += kRow;
  Stroke(svg, x, y, kEaveColour, 4.0);
  LeftText(svg, x + 30, y, "軒先（屋根の最も低い辺）");
  y += kRow;
  LeftText(svg, x + 4, y, "→");
  LeftText(svg, x + 30, y, "屋根の流れ方向・数字は高さ mm");
  y += kRow;
  return DrawMarkKeys(svg, x, y);
}

}  // namespace

void DrawLegend(SvgWriter& svg, const PlanLayout& layout, const PlanModel& model,
                std::string_view caption) {
  svg.Open("g", {{"id", "legend"}});
  const double left = layout.legend_left + (layout.legend_stacked ? 16 : 0);
  double y = layout.legend_top + 28;
  LeftText(svg, left, y, "PELTARIX プレビュー　" + std::string(caption), 17, "bold");
  y += 38;
  if (layout.legend_stacked) {
    // Two columns: areas and kinds of rooms on the left, the scale and the
    // kinds of columns on the right, the keys to the lines below.
    const double right = left + std::min(330.0, layout.legend_width * 0.55);
    y = std::max(DrawAreas(svg, model, left, y), DrawScaleBar(svg, layout, right, y)) + 16;
    y = std::max(DrawRoomKinds(svg, left, y), DrawColumnKinds(svg, right, y)) + 16;
    DrawLineKeys(svg, left, y);
  } else {
    const double areas_end = DrawAreas(svg, model, left, y);
    DrawScaleBar(svg, layout, left, areas_end + 18);
    DrawRoomKinds(svg, left + layout.legend_width * 0.36, y);
    DrawColumnKinds(svg, left + layout.legend_width * 0.63, y);
    DrawLineKeys(svg, left + layout.legend_width * 0.63 + 110, y);
  }
  svg.Close("g");
}

}  // namespace peltarix
