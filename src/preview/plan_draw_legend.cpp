#include <algorithm>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "preview/plan_draw_parts.h"
#include "preview/plan_style.h"
#include "preview/svg_writer.h"
#include "run/number_format.h"

namespace peltarix {
namespace {

constexpr double kRow = 22.0;
constexpr double kTextSize = 13.0;

void LeftText(PlanDrawing& drawing, double x, double y, std::string text, double size = kTextSize,
              bool bold = false) {
  AddText(drawing, {x, y}, std::move(text),
          {.size = size, .bold = bold, .anchor = TextAnchor::kStart, .css_class = "legend"});
}

void Heading(PlanDrawing& drawing, double x, double y, std::string text) {
  LeftText(drawing, x, y, std::move(text), 15, true);
}

void Swatch(PlanDrawing& drawing, double x, double y, std::string_view fill,
            std::string_view stroke) {
  AddRect(drawing, {x, y - 12}, {x + 22, y + 2}, FilledStrokeStyle(fill, stroke, 1.0));
}

// A square key of 12 pixels, as columns and their marks are drawn.
void Square(PlanDrawing& drawing, double x, double y, std::string_view fill,
            std::string_view stroke, double width) {
  AddRect(drawing, {x + 5, y - 12}, {x + 17, y}, FilledStrokeStyle(fill, stroke, width));
}

void Stroke(PlanDrawing& drawing, double x, double y, std::string_view colour, double width,
            std::vector<double> dashes = {}) {
  AddLine(drawing, {x, y - 5}, {x + 22, y - 5}, StrokeStyle(colour, width, std::move(dashes)));
}

double FloorRoomArea(const PlanFloor& floor) {
  double area = 0.0;
  for (const PlanRoom& room : floor.rooms) area += EnclosedArea(room.outline);
  return area;
}

// Areas per floor, from the points as written.
double DrawAreas(PlanDrawing& drawing, const PlanModel& model, double x, double y) {
  Heading(drawing, x, y, "面積（書き出した座標から）");
  y += kRow + 4;
  for (const PlanFloor& floor : model.floors) {
    const std::string outline =
        floor.has_outline ? AreaText(EnclosedArea(floor.outline)) : std::string("—");
    LeftText(drawing, x, y,
             std::to_string(floor.floor) + "F　外周 " + outline + "　部屋合計 " +
                 AreaText(FloorRoomArea(floor)));
    y += kRow;
  }
  for (const ColumnSupport& support : model.findings.column_support) {
    LeftText(drawing, x, y,
             std::to_string(support.floor) + "F　柱の直下率 " +
                 FormatFixed(support.ratio() * 100.0, 1) + "%（" + std::to_string(support.columns) +
                 "本中" + std::to_string(support.supported) + "本）");
    y += kRow;
  }
  return y;
}

// A scale bar of two grid steps.
double DrawScaleBar(PlanDrawing& drawing, const PlanLayout& layout, double x, double y) {
  const double step = GridStep(layout.bounds);
  const double length = step * layout.scale;
  Heading(drawing, x, y, "縮尺");
  y += 14;
  for (int k = 0; k < 2; ++k) {
    AddRect(drawing, {x + k * length, y}, {x + (k + 1) * length, y + 8},
            FilledStrokeStyle(k == 0 ? "#1b1b1b" : "#ffffff", "#1b1b1b", 1.0), "scale-bar");
  }
  for (int k = 0; k <= 2; ++k) {
    AddText(drawing, {x + k * length, y + 24}, SvgNumber(step * k),
            {.size = 11, .fill = "#000000", .css_class = "legend"});
  }
  LeftText(drawing, x + 2 * length + 18, y + 9, "mm", 12);
  return y + 30;
}

double DrawRoomKinds(PlanDrawing& drawing, double x, double y) {
  Heading(drawing, x, y, "部屋の種類（コード）");
  y += kRow + 4;
  for (const RoomBand& band : RoomBands()) {
    Swatch(drawing, x, y, band.fill, "#8c8c8c");
    const std::string codes =
        band.first_code == band.last_code
            ? std::to_string(band.first_code)
            : std::to_string(band.first_code) + "–" + std::to_string(band.last_code);
    LeftText(drawing, x + 30, y, std::string(band.caption) + "（" + codes + "）");
    y += kRow;
  }
  return y;
}

double DrawColumnKinds(PlanDrawing& drawing, double x, double y) {
  Heading(drawing, x, y, "柱");
  y += kRow + 4;
  for (const ColumnStyle& style : ColumnStyles()) {
    Square(drawing, x, y, style.fill, "#000000", 1.0);
    LeftText(drawing, x + 30, y, std::string(style.caption));
    y += kRow;
  }
  return y;
}

// The marks of what the run left out or found wrong.
double DrawMarkKeys(PlanDrawing& drawing, double x, double y) {
  Square(drawing, x, y, "#ffffff", kLeftOutColour, 2.0);
  for (const double side : {0.0, 12.0}) {
    AddLine(drawing, {x + 5, y - 12 + side}, {x + 17, y - side}, StrokeStyle(kLeftOutColour, 2.0));
  }
  LeftText(drawing, x + 30, y, "コンバートしなかった柱");
  y += kRow;
  Stroke(drawing, x, y, kLeftOutColour, 2.2, {8, 4});
  LeftText(drawing, x + 30, y, "コンバートしなかった屋根（番号）");
  y += kRow;
  for (const auto& [colour, caption] : {std::pair{kLeftOutColour, "外周のねじれ・くびれ"},
                                        std::pair{kUnsupportedColour, "直下に柱のない柱"}}) {
    AddCircle(drawing, {x + 11, y - 5}, 7, StrokeStyle(colour, 2.5));
    LeftText(drawing, x + 30, y, caption);
    y += kRow;
  }
  Swatch(drawing, x, y, RoomBandOf(0).fill, kUnknownKindHatchColour);
  for (const double offset : {4.0, 10.0, 16.0}) {
    AddLine(drawing, {x + offset, y + 2}, {x + offset + 6, y - 12},
            StrokeStyle(kUnknownKindHatchColour, 1.0));
  }
  LeftText(drawing, x + 30, y, "種類が分からない部屋（コード0）");
  return y + kRow;
}

double DrawLineKeys(PlanDrawing& drawing, double x, double y) {
  Heading(drawing, x, y, "線と記号");
  y += kRow + 4;
  Stroke(drawing, x, y, kOutlineColour, 3.5);
  LeftText(drawing, x + 30, y, "外周（結合したもの）");
  y += kRow;
  Stroke(drawing, x, y, kBlockColour, 1.0, {5, 3});
  LeftText(drawing, x + 30, y, "外周領域（変換元）");
  y += kRow;
  Stroke(drawing, x, y, kLeftOutColour, 2.5);
  LeftText(drawing, x + 30, y, "外周に含めなかった外周領域（番号）");
  y += kRow;
  Stroke(drawing, x, y, kEaveColour, 4.0);
  LeftText(drawing, x + 30, y, "軒先（屋根の最も低い辺）");
  y += kRow;
  LeftText(drawing, x + 4, y, "→");
  LeftText(drawing, x + 30, y, "屋根の流れ方向・数字は高さ mm");
  y += kRow;
  return DrawMarkKeys(drawing, x, y);
}

}  // namespace

void DrawLegend(PlanDrawing& drawing, const PlanLayout& layout, const PlanModel& model,
                std::string_view caption) {
  const double left = layout.legend_left + (layout.legend_stacked ? 16 : 0);
  double y = layout.legend_top + 28;
  LeftText(drawing, left, y, "PELTARIX プレビュー　" + std::string(caption), 17, true);
  y += 38;
  if (layout.legend_stacked) {
    // Two columns: areas and kinds of rooms on the left, the scale and the
    // kinds of columns on the right, the keys to the lines below.
    const double right = left + std::min(330.0, layout.legend_width * 0.55);
    y = std::max(DrawAreas(drawing, model, left, y), DrawScaleBar(drawing, layout, right, y)) + 16;
    y = std::max(DrawRoomKinds(drawing, left, y), DrawColumnKinds(drawing, right, y)) + 16;
    DrawLineKeys(drawing, left, y);
  } else {
    const double areas_end = DrawAreas(drawing, model, left, y);
    DrawScaleBar(drawing, layout, left, areas_end + 18);
    DrawRoomKinds(drawing, left + layout.legend_width * 0.36, y);
    DrawColumnKinds(drawing, left + layout.legend_width * 0.63, y);
    DrawLineKeys(drawing, left + layout.legend_width * 0.63 + 110, y);
  }
}

}  // namespace peltarix
