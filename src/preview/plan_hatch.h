#pragma once

#include <vector>

#include "geometry/point.h"

namespace peltarix {

// Diagonal hatch lines (rising at 45 degrees) `spacing` apart, cut to the
// inside of a closed polygon by the even-odd rule. Drawn as plain lines, so
// that every painter shows them: not every SVG renderer knows patterns.
std::vector<Segment> HatchLines(const PointList& polygon, double spacing);

}  // namespace peltarix
