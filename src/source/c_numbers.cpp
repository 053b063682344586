#include "source/c_numbers.h"

#include <locale.h>
#include <climits>
#include <cstdlib>
#include <string>

namespace peltarix {
namespace {

bool IsCSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// The "C" locale, created once: strtod would otherwise follow the process
// locale and stop at "." in a locale whose decimal separator is ",".
locale_t CLocale() {
  static const locale_t c_locale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
  return c_locale;
}

}  // namespace

int Atoi(std::string_view text) {
  std::size_t pos = 0;
  // A NUL ends the text, as it ends a C string.
  const std::size_t end = std::min(text.find('\0'), text.size());
  while (pos < end && IsCSpace(text[pos])) ++pos;
  bool negative = false;
  if (pos < end && (text[pos] == '+' || text[pos] == '-')) {
    negative = text[pos] == '-';
    ++pos;
  }
  long long value = 0;
  for (; pos < end && text[pos] >= '0' && text[pos] <= '9'; ++pos) {
    value = value * 10 + (text[pos] - '0');
    if (value > static_cast<long long>(INT_MAX) + 1) break;  // saturated either way
  }
  if (negative) value = -value;
  if (value > INT_MAX) return INT_MAX;
  if (value < INT_MIN) return INT_MIN;
  return static_cast<int>(value);
}

double Atof(std::string_view text) {
  // Only the decimal form is handed to strtod, which would also take hex
  // numbers, "inf" and "nan": a coordinate of "nan" must not reach the CSV.
  const std::size_t end = std::min(text.find('\0'), text.size());
  const auto is_digit = [&](std::size_t pos) {
    return pos < end && text[pos] >= '0' && text[pos] <= '9';
  };
  std::size_t start = 0;
  while (start < end && IsCSpace(text[start])) ++start;
  std::size_t pos = start;
  if (pos < end && (text[pos] == '+' || text[pos] == '-')) ++pos;
  std::size_t digits = 0;
  for (; is_digit(pos); ++pos) ++digits;
  if (pos < end && text[pos] == '.') {
    for (++pos; is_digit(pos); ++pos) ++digits;
  }
  if (digits == 0) return 0.0;
  if (pos < end && (text[pos] == 'e' || text[pos] == 'E')) {
    std::size_t exponent = pos + 1;
    if (exponent < end && (text[exponent] == '+' || text[exponent] == '-')) ++exponent;
    if (is_digit(exponent)) {
      pos = exponent;
      while (is_digit(pos)) ++pos;
    }
  }
  const std::string number(text.substr(start, pos - start));
  return strtod_l(number.c_str(), nullptr, CLocale());
}

}  // namespace peltarix
