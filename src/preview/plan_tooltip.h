#pragma once

#include <string>

#include "preview/plan_layout.h"
#include "preview/plan_model.h"

namespace peltarix {

// The plan point under a canvas point of `panel`.
Point PlanPointOf(const PlanPanel& panel, const PlanBounds& bounds, Point canvas);

// What a pointer at `plan` on `floor` points at, as a tooltip (UTF-8): a
// column (kind and size) before the room it stands in (name, kind code and
// area); empty over neither.
std::string PlanTooltip(const PlanFloor& floor, Point plan);

}  // namespace peltarix
