#include <algorithm>
#include <string>

#include "preview/plan_drawing.h"
#include "preview/plan_style.h"
#include "preview/plan_svg.h"
#include "preview/svg_writer.h"

namespace peltarix {
namespace {

std::string SvgPoints(const PointList& points) {
  std::string text;
  for (const Point& point : points) {
    if (!text.empty()) text += ' ';
    text += SvgNumber(point.x);
    text += ',';
    text += SvgNumber(point.y);
  }
  return text;
}

std::string SvgDashes(const std::vector<double>& dash) {
  std::string text;
  for (const double length : dash) {
    if (!text.empty()) text += ',';
    text += SvgNumber(length);
  }
  return text;
}

void AddStyle(SvgAttributes& attributes, const DrawStyle& style) {
  attributes.emplace_back("fill", style.filled ? HexOf(style.fill) : "none");
  if (style.filled && style.fill_opacity != 1.0)
    attributes.emplace_back("fill-opacity", SvgNumber(style.fill_opacity));
  attributes.emplace_back("stroke", style.stroked ? HexOf(style.stroke) : "none");
  if (!style.stroked) return;
  attributes.emplace_back("stroke-width", SvgNumber(style.stroke_width));
  if (!style.dash.empty()) attributes.emplace_back("stroke-dasharray", SvgDashes(style.dash));
  if (style.round_ends) {
    attributes.emplace_back("stroke-linejoin", "round");
    attributes.emplace_back("stroke-linecap", "round");
  }
}

// The element of a shape and its geometry; a polyline of two points is a line.
std::string_view ShapeGeometry(const DrawShape& shape, SvgAttributes& attributes) {
  const auto point = [&](std::size_t k) {
    return k < shape.points.size() ? shape.points[k] : Point{};
  };
  switch (shape.kind) {
    case ShapeKind::kRect: {
      const Point low = point(0);
      const Point high = point(1);
      attributes.emplace_back("x", SvgNumber(low.x));
      attributes.emplace_back("y", SvgNumber(low.y));
      attributes.emplace_back("width", SvgNumber(high.x - low.x));
      attributes.emplace_back("height", SvgNumber(high.y - low.y));
      if (shape.corner_radius > 0.0) attributes.emplace_back("rx", SvgNumber(shape.corner_radius));
      return "rect";
    }
    case ShapeKind::kCircle:
      attributes.emplace_back("cx", SvgNumber(point(0).x));
      attributes.emplace_back("cy", SvgNumber(point(0).y));
      attributes.emplace_back("r", SvgNumber(shape.radius));
      return "circle";
    case ShapeKind::kPolyline:
      if (shape.points.size() == 2) {
        attributes.emplace_back("x1", SvgNumber(point(0).x));
        attributes.emplace_back("y1", SvgNumber(point(0).y));
        attributes.emplace_back("x2", SvgNumber(point(1).x));
        attributes.emplace_back("y2", SvgNumber(point(1).y));
        return "line";
      }
      attributes.emplace_back("points", SvgPoints(shape.points));
      return "polyline";
    case ShapeKind::kPolygon:
      break;
  }
  attributes.emplace_back("points", SvgPoints(shape.points));
  return "polygon";
}

void WriteShape(SvgWriter& svg, const DrawShape& shape) {
  SvgAttributes attributes;
  if (!shape.css_class.empty()) attributes.emplace_back("class", shape.css_class);
  const std::string_view element = ShapeGeometry(shape, attributes);
  AddStyle(attributes, shape.style);
  if (shape.title.empty()) {
    svg.Empty(element, attributes);
    return;
  }
  svg.Open(element, attributes);
  svg.Text("title", {}, shape.title);
  svg.Close(element);
}

std::string AnchorName(TextAnchor anchor) {
  switch (anchor) {
    case TextAnchor::kStart:
      return "start";
    case TextAnchor::kEnd:
      return "end";
    case TextAnchor::kMiddle:
      break;
  }
  return "middle";
}

void WriteText(SvgWriter& svg, const DrawLabel& text) {
  SvgAttributes attributes;
  if (!text.css_class.empty()) attributes.emplace_back("class", text.css_class);
  attributes.emplace_back("x", SvgNumber(text.at.x));
  attributes.emplace_back("y", SvgNumber(text.at.y));
  attributes.emplace_back("font-size", SvgNumber(text.size));
  attributes.emplace_back("font-weight", text.bold ? "bold" : "normal");
  attributes.emplace_back("fill", HexOf(text.fill));
  attributes.emplace_back("text-anchor", AnchorName(text.anchor));
  svg.Text("text", attributes, text.text);
}

void WriteItems(SvgWriter& svg, const PlanDrawing& drawing, std::size_t first, std::size_t end) {
  for (std::size_t k = first; k < end && k < drawing.items.size(); ++k) {
    if (const auto* shape = std::get_if<DrawShape>(&drawing.items[k])) {
      WriteShape(svg, *shape);
    } else {
      WriteText(svg, std::get<DrawLabel>(drawing.items[k]));
    }
  }
}

}  // namespace

std::string SvgOfDrawing(const PlanDrawing& drawing) {
  SvgWriter svg;
  svg.Raw(
      "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\"?>\n"
      "<!DOCTYPE svg PUBLIC \"-//W3C//DTD SVG 1.1//EN\" "
      "\"http://www.w3.org/Graphics/SVG/1.1/DTD/svg11.dtd\">\n");
  svg.Open("svg", {{"xmlns", "http://www.w3.org/2000/svg"},
                   {"version", "1.1"},
                   {"width", SvgNumber(drawing.width)},
                   {"height", SvgNumber(drawing.height)},
                   {"viewBox", "0 0 " + SvgNumber(drawing.width) + " " + SvgNumber(drawing.height)},
                   {"font-family", std::string(kFontFamily)}});
  svg.Text("title", {}, drawing.title);
  svg.Empty("rect", {{"x", "0"},
                     {"y", "0"},
                     {"width", SvgNumber(drawing.width)},
                     {"height", SvgNumber(drawing.height)},
                     {"fill", HexOf(drawing.background)}});
  // Regions follow one another in the list; items outside every region
  // stand between them, outside any group.
  std::size_t next = 0;
  for (const DrawRegion& region : drawing.regions) {
    WriteItems(svg, drawing, next, region.first_item);
    svg.Open("g", {{"id", region.id}});
    WriteItems(svg, drawing, region.first_item, region.end_item);
    svg.Close("g");
    next = std::max(next, region.end_item);
  }
  WriteItems(svg, drawing, next, drawing.items.size());
  svg.Close("svg");
  return svg.xml();
}

std::string RenderPlanSvg(const PlanModel& model, std::string_view caption) {
  return SvgOfDrawing(DrawPlan(model, LayoutPlan(model), caption));
}

}  // namespace peltarix
