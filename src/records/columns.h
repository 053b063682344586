#pragma once

#include "run/run_context.h"

namespace peltarix {

// Appends one column record (AD020101) per convertible column of group
// "/HASIRA" to the run's output, in source order. Columns of kinds other
// than 0 to 4 are counted and reported in one warning after the loop; no
// columns at all is a warning too. Always returns 0.
int ConvertColumns(RunContext& context);

}  // namespace peltarix
