#pragma once

#include <string>

#include "preview/plan_layout.h"
#include "preview/plan_model.h"
#include "preview/svg_writer.h"

namespace peltarix {

// The pieces of the plan picture, each drawn into the writer in canvas
// pixels or, inside PlanGroup, in the plan's own units.

// Opens a group whose content is drawn in plan units (y up); close it with
// svg.Close("g").
void OpenPlanGroup(SvgWriter& svg, const PlanPanel& panel, const PlanBounds& bounds);

// "x1,y1 x2,y2 ..." of plan points.
std::string SvgPoints(const PointList& points);

// A stroke width of `pixels` inside a plan group.
std::string PlanStroke(const PlanPanel& panel, double pixels);

// A text label in canvas pixels, centred on `at`.
void Label(SvgWriter& svg, Point at, double size, std::string_view fill, std::string_view text,
           std::string_view weight = "normal");

void DrawFloorPanel(SvgWriter& svg, const PlanLayout& layout, const PlanPanel& panel,
                    const PlanFloor& floor, const PlanFindings& findings);
void DrawRoofPanel(SvgWriter& svg, const PlanLayout& layout, const PlanPanel& panel,
                   const PlanModel& model);
// Inside a plan group: rooms of kind code 0 hatched.
void DrawUnknownRoomHatching(SvgWriter& svg, const PlanPanel& panel, const PlanFloor& floor);
// Inside a plan group: on floor `floor`, the columns not converted (red
// crossed squares), the outline's crossing (a red ring) and the columns with
// no column below (a ring).
void DrawFloorMarks(SvgWriter& svg, const PlanPanel& panel, const PlanFindings& findings,
                    int floor);
// Inside a plan group: the outlines of the roofs not converted that cover
// storey `floor`, red and dashed.
void DrawNonWoodenRoofs(SvgWriter& svg, const PlanPanel& panel, const PlanFindings& findings,
                        int floor);

void DrawLegend(SvgWriter& svg, const PlanLayout& layout, const PlanModel& model,
                std::string_view caption);

// Plan area in square metres from square millimetres.
inline double SquareMetres(double area) { return area / 1.0e6; }

// A grid step of about a tenth of the plan's extent, in round millimetres.
double GridStep(const PlanBounds& bounds);

}  // namespace peltarix
