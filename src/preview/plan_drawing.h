#pragma once

#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "geometry/point.h"
#include "preview/plan_layout.h"
#include "preview/plan_model.h"

namespace peltarix {

// The plan picture as one list of shapes and texts in canvas pixels (y
// down), in painting order. The SVG writer and the window painters draw the
// same list, so every front end shows the same picture.

struct Rgb {
  unsigned char red = 0;
  unsigned char green = 0;
  unsigned char blue = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

// "#rrggbb" of a colour, and back ({0,0,0} for a text that is not one).
std::string HexOf(Rgb colour);
Rgb RgbOf(std::string_view hex);

struct DrawStyle {
  bool filled = false;
  Rgb fill{};
  double fill_opacity = 1.0;
  bool stroked = false;
  Rgb stroke{};
  double stroke_width = 0.0;   // canvas pixels
  std::vector<double> dash{};  // dash and gap lengths in canvas pixels; empty: solid
  bool round_ends = false;     // round line joins and caps (else mitred joins, flat caps)
};

enum class ShapeKind {
  kPolygon,   // closed: points.back() joins points.front()
  kPolyline,  // open; a line is a polyline of two points
  kRect,      // points[0] the top left corner, points[1] the bottom right
  kCircle,    // points[0] the centre
};

struct DrawShape {
  ShapeKind kind = ShapeKind::kPolygon;
  std::vector<Point> points{};
  double radius = 0.0;  // kCircle only
  DrawStyle style{};
  std::string css_class{};     // "room", "column", ...: what the shape shows; may be empty
  std::string title{};         // tooltip (UTF-8); may be empty
  double corner_radius = 0.0;  // kRect only: rounded corners, in canvas pixels
};

enum class TextAnchor { kStart, kMiddle, kEnd };

struct DrawLabel {
  Point at{};          // the baseline's anchor point
  double size = 12.0;  // font size in canvas pixels
  Rgb fill{};
  bool bold = false;
  TextAnchor anchor = TextAnchor::kMiddle;
  std::string text{};  // UTF-8
  std::string css_class{};
};

using DrawItem = std::variant<DrawShape, DrawLabel>;

// A part of the canvas a window shows on its own: a panel or the legend.
struct DrawRegion {
  std::string id{};     // "panel-1F", "panel-roof-2F", "legend"
  std::string title{};  // the tab's caption: "1F", "屋根 2F", "凡例"
  double left = 0.0;
  double top = 0.0;
  double width = 0.0;
  double height = 0.0;
  int floor = 0;  // the storey shown; 0 for the legend
  bool roof = false;
  std::size_t first_item = 0;  // items[first_item, end_item) belong to it
  std::size_t end_item = 0;
};

struct PlanDrawing {
  double width = 0.0;
  double height = 0.0;
  Rgb background{255, 255, 255};
  std::string title{};  // the document's title (UTF-8)
  std::vector<DrawItem> items{};
  std::vector<DrawRegion> regions{};  // the panels in layout order, then the legend
};

// The picture of a plan: a panel per floor and per roof storey with grid
// axes and a scale bar, the marks of the run's findings and the legend,
// headed by `caption` (UTF-8, e.g. the source's file name).
PlanDrawing DrawPlan(const PlanModel& model, const PlanLayout& layout, std::string_view caption);

// The drawing as one self-contained SVG 1.1 document (UTF-8).
std::string SvgOfDrawing(const PlanDrawing& drawing);

}  // namespace peltarix
