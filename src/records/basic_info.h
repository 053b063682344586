#pragma once

#include "run/run_context.h"

namespace peltarix {

// Appends the one basic information record (AA010100) to the run's output. Missing data is reported
// as warnings; always returns 0.
int ConvertBasicInfo(RunContext& context);

}  // namespace peltarix
