#pragma once

#include <optional>
#include <string>

#include "preview/plan_drawing.h"

namespace peltarix::win {

// The whole drawing painted at its own size on its background and encoded
// as PNG in memory (the bytes of the file); nothing when GDI+ fails.
std::optional<std::string> PngOfDrawing(const PlanDrawing& drawing);

}  // namespace peltarix::win
