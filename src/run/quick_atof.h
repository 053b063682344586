#pragma once

#include <string_view>

namespace peltarix {

// Atof's value, bit for bit. Plain decimals, as coordinates and sizes are
// written ("-1820.5": a sign, at most 15 digits, a point), are computed
// directly: the digits as an integer and the power of ten are both exact
// doubles, so one division rounds the exact value once, just as Atof's
// correctly rounded reading does. Every other text goes to Atof.
double QuickAtof(std::string_view text);

}  // namespace peltarix
