#include "run/number_format.h"

#include <charconv>
#include <cmath>
#include <system_error>

namespace peltarix {

std::string FormatInt(std::int64_t value) {
  char digits[24];
  const auto result = std::to_chars(digits, digits + sizeof digits, value);
  return std::string(digits, result.ptr);
}

std::string FormatFixed(double value, int decimals) {
  if (std::isnan(value)) return std::signbit(value) ? "-nan" : "nan";
  if (std::isinf(value)) return value < 0 ? "-inf" : "inf";
  // to_chars is locale-free and rounds the exact binary value as glibc's
  // printf does. The largest double needs 309 integer digits.
  std::string text(400, '\0');
  const auto result = std::to_chars(text.data(), text.data() + text.size(), value,
                                    std::chars_format::fixed, decimals);
  text.resize(static_cast<std::size_t>(result.ptr - text.data()));
  return text;
}

}  // namespace peltarix
