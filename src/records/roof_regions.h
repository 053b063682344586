#pragma once

#include "run/run_context.h"

namespace peltarix {

// Appends one roof record (AB010101) per wooden roof face to the run's output. Missing data is
// reported as warnings; always returns 0.
int ConvertRoofRegions(RunContext& context);

}  // namespace peltarix
