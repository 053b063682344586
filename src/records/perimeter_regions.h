#pragma once

#include "run/run_context.h"

namespace peltarix {

// Appends one perimeter record (DC010100) per floor to the run's output: the
// perimeter blocks of the floor merged into one clockwise outline. Missing
// data is reported as warnings; always returns 0.
int ConvertPerimeterRegions(RunContext& context);

}  // namespace peltarix
