#pragma once

#include "run/run_context.h"

namespace peltarix {

// Appends one room record (DC020100) per room or storage space of group
// "/HEYA" to the run's output, in source order: floor, room kind and name,
// floor and ceiling heights, and the outline closed by repeating its first
// point, every point at the level of the room's floor. No rooms at all is a
// warning. Always returns 0.
int ConvertRoomsAndStorage(RunContext& context);

}  // namespace peltarix
