#include <array>
#include <utility>

#include "preview/plan_draw_parts.h"

namespace peltarix {
namespace {

constexpr std::string_view kHexDigits = "0123456789abcdef";

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

DrawShape& AddShape(PlanDrawing& drawing, ShapeKind kind, PointList points, DrawStyle style,
                    std::string_view css_class, std::string title, double radius = 0.0) {
  return std::get<DrawShape>(
      drawing.items.emplace_back(DrawShape{.kind = kind,
                                           .points = std::move(points),
                                           .radius = radius,
                                           .style = std::move(style),
                                           .css_class = std::string(css_class),
                                           .title = std::move(title)}));
}

}  // namespace

std::string HexOf(Rgb colour) {
  std::string hex = "#";
  for (const unsigned char channel : {colour.red, colour.green, colour.blue}) {
    hex += kHexDigits[channel >> 4];
    hex += kHexDigits[channel & 0x0f];
  }
  return hex;
}

Rgb RgbOf(std::string_view hex) {
  if (hex.size() != 7 || hex[0] != '#') return {};
  std::array<unsigned char, 3> channels{};
  for (std::size_t k = 0; k < channels.size(); ++k) {
    const int high = HexDigit(hex[1 + 2 * k]);
    const int low = HexDigit(hex[2 + 2 * k]);
    if (high < 0 || low < 0) return {};
    channels[k] = static_cast<unsigned char>(high * 16 + low);
  }
  return {channels[0], channels[1], channels[2]};
}

PointList CanvasPoints(const PlanPanel& panel, const PlanBounds& bounds,
                       std::span<const Point> plan) {
  PointList points;
  points.reserve(plan.size());
  for (const Point& point : plan) points.push_back(panel.ToCanvas(point, bounds));
  return points;
}

DrawStyle StrokeStyle(std::string_view colour, double width, std::vector<double> dash) {
  return {.stroked = true, .stroke = RgbOf(colour), .stroke_width = width, .dash = std::move(dash)};
}

DrawStyle FillStyle(std::string_view fill, double opacity) {
  return {.filled = true, .fill = RgbOf(fill), .fill_opacity = opacity};
}

DrawStyle FilledStrokeStyle(std::string_view fill, std::string_view stroke, double width,
                            double fill_opacity) {
  DrawStyle style = FillStyle(fill, fill_opacity);
  style.stroked = true;
  style.stroke = RgbOf(stroke);
  style.stroke_width = width;
  return style;
}

DrawShape& AddPolygon(PlanDrawing& drawing, PointList points, DrawStyle style,
                      std::string_view css_class, std::string title) {
  return AddShape(drawing, ShapeKind::kPolygon, std::move(points), std::move(style), css_class,
                  std::move(title));
}

DrawShape& AddLine(PlanDrawing& drawing, Point from, Point to, DrawStyle style,
                   std::string_view css_class) {
  return AddShape(drawing, ShapeKind::kPolyline, {from, to}, std::move(style), css_class, {});
}

DrawShape& AddRect(PlanDrawing& drawing, Point top_left, Point bottom_right, DrawStyle style,
                   std::string_view css_class, std::string title) {
  return AddShape(drawing, ShapeKind::kRect, {top_left, bottom_right}, std::move(style), css_class,
                  std::move(title));
}

DrawShape& AddCircle(PlanDrawing& drawing, Point centre, double radius, DrawStyle style,
                     std::string_view css_class, std::string title) {
  return AddShape(drawing, ShapeKind::kCircle, {centre}, std::move(style), css_class,
                  std::move(title), radius);
}

void AddLabelBox(PlanDrawing& drawing, const Box& box) {
  AddRect(drawing, {box.min_x, box.min_y}, {box.max_x, box.max_y}, {}, "label-box");
}

void AddText(PlanDrawing& drawing, Point at, std::string text, const TextLook& look) {
  drawing.items.push_back(DrawLabel{.at = at,
                                    .size = look.size,
                                    .fill = RgbOf(look.fill),
                                    .bold = look.bold,
                                    .anchor = look.anchor,
                                    .text = std::move(text),
                                    .css_class = std::string(look.css_class)});
}

}  // namespace peltarix
