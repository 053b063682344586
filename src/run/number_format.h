#pragma once

#include <cstdint>
#include <string>

namespace peltarix {

// printf-style number texts that never depend on the process locale: the
// decimal separator is always ".", as the CSV's reader expects.

// "%d" (and wider): 12, -3.
std::string FormatInt(std::int64_t value);
void AppendInt(std::string& out, std::int64_t value);

// "%.<decimals>f": FormatFixed(1105, 6) is "1105.000000", FormatFixed(x, 2)
// is "%.2lf". Rounds exactly as printf does; inf and nan as printf spells them.
std::string FormatFixed(double value, int decimals);
void AppendFixed(std::string& out, double value, int decimals);

}  // namespace peltarix
