#include "source/c_numbers.h"

#include <locale.h>
#include <climits>
#include <cstdint>
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

// Exact powers of ten: every one up to 10^22 is a double.
constexpr double kPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                   1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                   1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// The common short numbers without strtod: a significand below 2^53 and a
// power of ten up to 10^22 are both exact doubles, so one multiplication or
// division rounds correctly, giving strtod's result. False when the number
// is outside that range. Text is the number as scanned (sign, digits,
// optional point and exponent), nothing else.
bool ReadShortDecimal(std::string_view text, double& value) {
  std::size_t pos = 0;
  const bool negative = text[0] == '-';
  if (text[0] == '-' || text[0] == '+') ++pos;
  std::uint64_t significand = 0;
  int digits = 0;
  int exponent = 0;
  const auto read_digits = [&](bool fraction) {
    for (; pos < text.size() && text[pos] >= '0' && text[pos] <= '9'; ++pos) {
      if (significand == 0 && text[pos] == '0') {
        if (fraction) --exponent;  // leading zeros add no significant digit
        continue;
      }
      if (++digits > 15) return;
      significand = significand * 10 + static_cast<std::uint64_t>(text[pos] - '0');
      if (fraction) --exponent;
    }
  };
  read_digits(false);
  if (digits > 15) return false;
  if (pos < text.size() && text[pos] == '.') {
    ++pos;
    read_digits(true);
    if (digits > 15) return false;
  }
  if (pos < text.size()) {  // the exponent, complete as scanned
    ++pos;
    bool negative_exponent = false;
    if (text[pos] == '+' || text[pos] == '-') negative_exponent = text[pos++] == '-';
    int written = 0;
    for (; pos < text.size(); ++pos) {
      written = written * 10 + (text[pos] - '0');
      if (written > 400) return false;
    }
    exponent += negative_exponent ? -written : written;
  }
  double result = static_cast<double>(significand);
  if (significand == 0) {
    // zero whatever the exponent
  } else if (exponent >= 0 && exponent <= 22) {
    result *= kPowersOfTen[exponent];
  } else if (exponent < 0 && exponent >= -22) {
    result /= kPowersOfTen[-exponent];
  } else {
    return false;
  }
  value = negative ? -result : result;
  return true;
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
  double value = 0.0;
  if (ReadShortDecimal(text.substr(start, pos - start), value)) return value;
  const std::string number(text.substr(start, pos - start));
  return strtod_l(number.c_str(), nullptr, CLocale());
}

}  // namespace peltarix
