#pragma once

#include "run/run_context.h"

namespace peltarix {

// Sets line 0 of the output: program, format version, date, record count.
// A clock without a time gives a fixed date and a warning; always returns 0.
int BuildHeaderLine(RunContext& context);

}  // namespace peltarix
