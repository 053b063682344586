#pragma once

#include "run/run_context.h"

namespace peltarix {

// Appends the one building outline record (AA010110) to the run's output. Missing data is reported
// as warnings; always returns 0.
int ConvertBuildingOutline(RunContext& context);

}  // namespace peltarix
