#pragma once

#include <string>
#include <vector>

#include "geometry/box.h"
#include "geometry/point.h"
#include "preview/plan_model.h"

namespace peltarix {

// Where the panels of a plan picture stand, in canvas pixels (y down). All
// panels share one scale and one plan extent, so the floors line up.
using PlanBounds = Box;

struct PlanPanel {
  std::string title;  // "1F", "2F", "3F", or "屋根 2F" for the roofs over 2F
  int floor = 0;      // the storey shown, or whose roofs are shown; 0 for an empty roof panel
  bool roof = false;
  double left = 0.0;
  double top = 0.0;
  double width = 0.0;
  double height = 0.0;
  // The plan's origin and scale within the canvas.
  double plan_left = 0.0;  // canvas x of bounds.min_x
  double plan_top = 0.0;   // canvas y of bounds.max_y
  // Canvas y where the list of rooms whose name the plan could not hold
  // begins, below the axis labels.
  double list_top = 0.0;

  double scale = 1.0;  // pixels per plan unit
  Point ToCanvas(Point plan, const PlanBounds& bounds) const {
    return {plan_left + (plan.x - bounds.min_x) * scale,
            plan_top + (bounds.max_y - plan.y) * scale};
  }
};

struct PlanLayout {
  PlanBounds bounds;  // the plan extent every panel shows
  double scale = 1.0;
  // The floors ascending, then the roofs by the storey they cover, ascending
  // (one empty roof panel when there are none).
  std::vector<PlanPanel> panels;
  // The legend: in the free cell beside the last panel when there is one
  // tall enough (its parts stacked), else across the foot of the picture.
  double legend_left = 0.0;
  double legend_top = 0.0;
  double legend_width = 0.0;
  double legend_height = 0.0;
  bool legend_stacked = false;
  double width = 0.0;
  double height = 0.0;
};

PlanLayout LayoutPlan(const PlanModel& model);

}  // namespace peltarix
