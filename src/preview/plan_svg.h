#pragma once

#include <string>
#include <string_view>

#include "preview/plan_model.h"

namespace peltarix {

// The plan picture of a run as one self-contained SVG 1.1 document (UTF-8):
// SvgOfDrawing of DrawPlan over the model's own layout. `caption` (UTF-8,
// e.g. the source's file name) heads the legend.
std::string RenderPlanSvg(const PlanModel& model, std::string_view caption);

}  // namespace peltarix
