#pragma once

#include "run/run_context.h"

namespace peltarix {

// Checks, in order, that the source and destination open and that the
// building is a wooden one of one to three storeys without penthouse or
// basement. Reads the source into the context. -1 after logging one error.
[[nodiscard]] int ValidateSource(RunContext& context);

// Sets the floor count, the foundation height and levels 1 to 4.
[[nodiscard]] int ComputeFloorLevels(RunContext& context);

}  // namespace peltarix
