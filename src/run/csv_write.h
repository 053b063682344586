#pragma once

#include "run/run_context.h"

namespace peltarix {

// Writes lines 0 .. last line to the destination with CR LF line ends.
// -1 after logging an error when the file cannot be written.
[[nodiscard]] int WriteCsvFile(RunContext& context);

}  // namespace peltarix
