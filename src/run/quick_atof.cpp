#include "run/quick_atof.h"

#include <cstdint>

#include "source/c_numbers.h"

namespace peltarix {
namespace {

constexpr double kPowersOfTen[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                   1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
// Below 2^53, so every integer of this many digits is an exact double.
constexpr int kMostDigits = 15;

}  // namespace

double QuickAtof(std::string_view text) {
  std::size_t position = 0;
  const bool negative = !text.empty() && text[0] == '-';
  if (!text.empty() && (text[0] == '-' || text[0] == '+')) ++position;
  std::uint64_t digits = 0;
  int digit_count = 0;
  int decimals = -1;  // digits after the point; -1 before it
  for (; position < text.size(); ++position) {
    const char c = text[position];
    if (c >= '0' && c <= '9') {
      digits = digits * 10 + static_cast<std::uint64_t>(c - '0');
      ++digit_count;
      if (decimals >= 0) ++decimals;
    } else if (c == '.' && decimals < 0) {
      decimals = 0;
    } else {
      return Atof(text);
    }
  }
  if (digit_count == 0 || digit_count > kMostDigits) return Atof(text);
  double value = static_cast<double>(digits);
  if (decimals > 0) value /= kPowersOfTen[decimals];
  return negative ? -value : value;
}

}  // namespace peltarix
