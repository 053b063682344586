#include "win/gdiplus_painter.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <memory>
#include <string>
#include <variant>
#include <vector>

#include "platform/utf16_windows.h"
#include "win/gdiplus_session.h"

namespace peltarix::win {
namespace {

using Gdiplus::REAL;

Gdiplus::Color ColourOf(Rgb rgb, double opacity = 1.0) {
  const double alpha = std::clamp(opacity, 0.0, 1.0) * 255.0;
  return Gdiplus::Color(static_cast<BYTE>(std::lround(alpha)), rgb.red, rgb.green, rgb.blue);
}

std::vector<Gdiplus::PointF> PointsOf(const DrawShape& shape, const CanvasPlacement& placement) {
  std::vector<Gdiplus::PointF> points;
  points.reserve(shape.points.size());
  for (const Point& point : shape.points) points.push_back(placement.Of(point));
  return points;
}

// GDI+ counts dashes in pen widths, the drawing in canvas pixels; an odd
// list repeats once, as SVG reads it.
std::vector<REAL> DashPattern(const DrawStyle& style) {
  std::vector<REAL> pattern;
  for (int round = 0; round < (style.dash.size() % 2 == 1 ? 2 : 1); ++round) {
    for (const double length : style.dash) {
      pattern.push_back(static_cast<REAL>(std::max(length, 0.01) / style.stroke_width));
    }
  }
  return pattern;
}

std::unique_ptr<Gdiplus::Pen> PenOf(const DrawStyle& style, const CanvasPlacement& placement) {
  if (!style.stroked || style.stroke_width <= 0.0) return nullptr;
  auto pen = std::make_unique<Gdiplus::Pen>(ColourOf(style.stroke),
                                            static_cast<REAL>(style.stroke_width * placement.zoom));
  if (!style.dash.empty()) {
    const std::vector<REAL> pattern = DashPattern(style);
    pen->SetDashPattern(pattern.data(), static_cast<INT>(pattern.size()));
  }
  if (style.round_ends) {
    pen->SetLineJoin(Gdiplus::LineJoinRound);
    pen->SetLineCap(Gdiplus::LineCapRound, Gdiplus::LineCapRound, Gdiplus::DashCapRound);
  }
  return pen;
}

// A rectangle with quarter circles of `radius` for corners.
void AddRoundedRect(Gdiplus::GraphicsPath& path, const Gdiplus::RectF& rect, double radius) {
  const REAL diameter = std::min({static_cast<REAL>(2 * radius), rect.Width, rect.Height});
  const REAL right = rect.X + rect.Width - diameter;
  const REAL bottom = rect.Y + rect.Height - diameter;
  path.AddArc(rect.X, rect.Y, diameter, diameter, 180, 90);
  path.AddArc(right, rect.Y, diameter, diameter, 270, 90);
  path.AddArc(right, bottom, diameter, diameter, 0, 90);
  path.AddArc(rect.X, bottom, diameter, diameter, 90, 90);
  path.CloseFigure();
}

void PaintShape(Gdiplus::Graphics& graphics, const DrawShape& shape,
                const CanvasPlacement& placement) {
  if (shape.points.empty()) return;
  const std::unique_ptr<Gdiplus::Pen> pen = PenOf(shape.style, placement);
  std::unique_ptr<Gdiplus::SolidBrush> brush;
  if (shape.style.filled) {
    brush =
        std::make_unique<Gdiplus::SolidBrush>(ColourOf(shape.style.fill, shape.style.fill_opacity));
  }
  switch (shape.kind) {
    case ShapeKind::kPolygon: {
      const std::vector<Gdiplus::PointF> points = PointsOf(shape, placement);
      const auto count = static_cast<INT>(points.size());
      // SVG fills by the nonzero rule unless told otherwise.
      if (brush) graphics.FillPolygon(brush.get(), points.data(), count, Gdiplus::FillModeWinding);
      if (pen) graphics.DrawPolygon(pen.get(), points.data(), count);
      break;
    }
    case ShapeKind::kPolyline: {
      const std::vector<Gdiplus::PointF> points = PointsOf(shape, placement);
      if (pen && points.size() >= 2) {
        graphics.DrawLines(pen.get(), points.data(), static_cast<INT>(points.size()));
      }
      break;
    }
    case ShapeKind::kRect: {
      if (shape.points.size() < 2) return;
      const Gdiplus::PointF corner = placement.Of(shape.points[0]);
      const Gdiplus::PointF opposite = placement.Of(shape.points[1]);
      const Gdiplus::RectF rect(std::min(corner.X, opposite.X), std::min(corner.Y, opposite.Y),
                                std::abs(opposite.X - corner.X), std::abs(opposite.Y - corner.Y));
      if (shape.corner_radius > 0.0) {
        Gdiplus::GraphicsPath outline;
        AddRoundedRect(outline, rect, shape.corner_radius * placement.zoom);
        if (brush) graphics.FillPath(brush.get(), &outline);
        if (pen) graphics.DrawPath(pen.get(), &outline);
        break;
      }
      if (brush) graphics.FillRectangle(brush.get(), rect);
      if (pen) graphics.DrawRectangle(pen.get(), rect);
      break;
    }
    case ShapeKind::kCircle: {
      const Gdiplus::PointF centre = placement.Of(shape.points[0]);
      const auto radius = static_cast<REAL>(shape.radius * placement.zoom);
      const Gdiplus::RectF box(centre.X - radius, centre.Y - radius, 2 * radius, 2 * radius);
      if (brush) graphics.FillEllipse(brush.get(), box);
      if (pen) graphics.DrawEllipse(pen.get(), box);
      break;
    }
  }
}

void PaintText(Gdiplus::Graphics& graphics, const DrawLabel& text,
               const CanvasPlacement& placement) {
  const auto size = static_cast<REAL>(text.size * placement.zoom);
  if (text.text.empty() || !(size > 0.0f)) return;
  const Gdiplus::FontFamily& family = JapaneseFontFamily();
  const INT style = text.bold ? Gdiplus::FontStyleBold : Gdiplus::FontStyleRegular;
  const Gdiplus::Font font(&family, size, style, Gdiplus::UnitPixel);
  const std::wstring wide = Utf16FromUtf8(text.text);
  const auto length = static_cast<INT>(wide.size());
  // The typographic format adds no padding around the text, so that its
  // measured width and the ascent place it as SVG does: on its baseline.
  Gdiplus::StringFormat format(Gdiplus::StringFormat::GenericTypographic());
  format.SetFormatFlags(format.GetFormatFlags() | Gdiplus::StringFormatFlagsNoWrap |
                        Gdiplus::StringFormatFlagsMeasureTrailingSpaces);
  const Gdiplus::PointF anchor = placement.Of(text.at);
  REAL left = anchor.X;
  if (text.anchor != TextAnchor::kStart) {
    Gdiplus::RectF bounds;
    graphics.MeasureString(wide.c_str(), length, &font, Gdiplus::PointF(0, 0), &format, &bounds);
    left -= text.anchor == TextAnchor::kMiddle ? bounds.Width / 2 : bounds.Width;
  }
  const REAL ascent =
      size * static_cast<REAL>(family.GetCellAscent(style)) / family.GetEmHeight(style);
  const Gdiplus::SolidBrush brush(ColourOf(text.fill));
  graphics.DrawString(wide.c_str(), length, &font, Gdiplus::PointF(left, anchor.Y - ascent),
                      &format, &brush);
}

std::unique_ptr<Gdiplus::FontFamily> FirstInstalledFamily() {
  constexpr std::array kFaces = {L"Meiryo", L"Yu Gothic", L"MS Gothic", L"IPAGothic",
                                 L"Noto Sans CJK JP"};
  for (const wchar_t* face : kFaces) {
    auto family = std::make_unique<Gdiplus::FontFamily>(face);
    if (family->IsAvailable()) return family;
  }
  return std::unique_ptr<Gdiplus::FontFamily>(Gdiplus::FontFamily::GenericSansSerif()->Clone());
}

}  // namespace

const Gdiplus::FontFamily& JapaneseFontFamily() {
  StartGdiplus();
  static const std::unique_ptr<Gdiplus::FontFamily> family = FirstInstalledFamily();
  return *family;
}

void PaintItems(Gdiplus::Graphics& graphics, const PlanDrawing& drawing, std::size_t first,
                std::size_t end, const CanvasPlacement& placement) {
  StartGdiplus();
  graphics.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
  graphics.SetPixelOffsetMode(Gdiplus::PixelOffsetModeHalf);
  graphics.SetTextRenderingHint(Gdiplus::TextRenderingHintAntiAlias);
  end = std::min(end, drawing.items.size());
  for (std::size_t index = first; index < end; ++index) {
    const DrawItem& item = drawing.items[index];
    if (const auto* shape = std::get_if<DrawShape>(&item)) PaintShape(graphics, *shape, placement);
    if (const auto* text = std::get_if<DrawLabel>(&item)) PaintText(graphics, *text, placement);
  }
}

}  // namespace peltarix::win
