#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace peltarix {

// printf-style number texts that never depend on the process locale: the
// decimal separator is always ".", as the CSV's reader expects.

// "%d" (and wider): 12, -3.
std::string FormatInt(std::int64_t value);
void AppendInt(std::string& out, std::int64_t value);
// The longest text of an int64: a sign and 19 digits.
inline constexpr std::size_t kMaxIntLength = 20;

// "%.<decimals>f": FormatFixed(1105, 6) is "1105.000000", FormatFixed(x, 2)
// is "%.2lf". Rounds exactly as printf does; inf and nan as printf spells them.
std::string FormatFixed(double value, int decimals);
void AppendFixed(std::string& out, double value, int decimals);

// The same text written from `out` on, at most MaxFixedLength(decimals)
// bytes; returns the end of what was written.
char* WriteFixed(char* out, double value, int decimals);
// A sign, the 309 integer digits of the largest double, the point and the
// decimals (6 when negative, as printf takes them).
constexpr std::size_t MaxFixedLength(int decimals) {
  return 311 + static_cast<std::size_t>(decimals < 0 ? 6 : decimals);
}

}  // namespace peltarix
