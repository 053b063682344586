#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "preview/plan_drawing.h"
#include "preview/plan_layout.h"
#include "preview/plan_model.h"

namespace peltarix {

// The pieces of the plan picture, each appending its shapes and texts to the
// drawing in canvas pixels. Plan points reach the canvas through
// PlanPanel::ToCanvas as they are added.

// The plan points of `panel` on the canvas.
PointList CanvasPoints(const PlanPanel& panel, const PlanBounds& bounds,
                       std::span<const Point> plan);

// Styles: colours as "#rrggbb", widths and dashes in canvas pixels.
DrawStyle StrokeStyle(std::string_view colour, double width, std::vector<double> dash = {});
DrawStyle FillStyle(std::string_view fill, double opacity = 1.0);
DrawStyle FilledStrokeStyle(std::string_view fill, std::string_view stroke, double width,
                            double fill_opacity = 1.0);

DrawShape& AddPolygon(PlanDrawing& drawing, PointList points, DrawStyle style,
                      std::string_view css_class = {}, std::string title = {});
DrawShape& AddLine(PlanDrawing& drawing, Point from, Point to, DrawStyle style,
                   std::string_view css_class = {});
DrawShape& AddRect(PlanDrawing& drawing, Point top_left, Point bottom_right, DrawStyle style,
                   std::string_view css_class = {}, std::string title = {});
DrawShape& AddCircle(PlanDrawing& drawing, Point centre, double radius, DrawStyle style,
                     std::string_view css_class = {}, std::string title = {});
// A box nobody sees, kept so that the placement of labels can be checked.
void AddLabelBox(PlanDrawing& drawing, const Box& box);

struct TextLook {
  double size = 12.0;
  std::string_view fill = "#1b1b1b";
  bool bold = false;
  TextAnchor anchor = TextAnchor::kMiddle;
  std::string_view css_class = {};
};
void AddText(PlanDrawing& drawing, Point at, std::string text, const TextLook& look);

void DrawFloorPanel(PlanDrawing& drawing, const PlanLayout& layout, const PlanPanel& panel,
                    const PlanFloor& floor, const PlanFindings& findings);
void DrawRoofPanel(PlanDrawing& drawing, const PlanLayout& layout, const PlanPanel& panel,
                   const PlanModel& model);
// Rooms of kind code 0 hatched.
void DrawUnknownRoomHatching(PlanDrawing& drawing, const PlanLayout& layout, const PlanPanel& panel,
                             const PlanFloor& floor);
// On floor `floor`, the columns not converted (red crossed squares), the
// outline's crossing (a red ring) and the columns with no column below (a
// ring).
void DrawFloorMarks(PlanDrawing& drawing, const PlanLayout& layout, const PlanPanel& panel,
                    const PlanFindings& findings, int floor);
// The outlines of the roofs not converted that cover storey `floor`, red and
// dashed.
void DrawNonWoodenRoofs(PlanDrawing& drawing, const PlanLayout& layout, const PlanPanel& panel,
                        const PlanFindings& findings, int floor);

void DrawLegend(PlanDrawing& drawing, const PlanLayout& layout, const PlanModel& model,
                std::string_view caption);

// A grid step of about a tenth of the plan's extent, in round millimetres.
double GridStep(const PlanBounds& bounds);

}  // namespace peltarix
