#pragma once

#include <cstddef>

#include "preview/plan_drawing.h"
#include "win/gdiplus_headers.h"

namespace peltarix::win {

// Where canvas pixels land on the surface: surface = canvas * zoom + shift.
struct CanvasPlacement {
  double zoom = 1.0;
  double shift_x = 0.0;
  double shift_y = 0.0;

  Gdiplus::PointF Of(Point canvas) const {
    return {static_cast<Gdiplus::REAL>(canvas.x * zoom + shift_x),
            static_cast<Gdiplus::REAL>(canvas.y * zoom + shift_y)};
  }
};

// Paints items [first, end) of `drawing` onto `graphics`, antialiased, as
// the SVG of the same drawing shows them: fills with their opacity, strokes
// with their width and dashes, texts in a Japanese face anchored on their
// baseline. Starts GDI+ when it is not up yet.
void PaintItems(Gdiplus::Graphics& graphics, const PlanDrawing& drawing, std::size_t first,
                std::size_t end, const CanvasPlacement& placement);

// The face the texts are drawn in: the first of Meiryo, Yu Gothic, MS Gothic
// and the IPA and Noto Gothic faces the system has, else its sans serif.
const Gdiplus::FontFamily& JapaneseFontFamily();

}  // namespace peltarix::win
