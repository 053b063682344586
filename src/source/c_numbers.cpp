#include "source/c_numbers.h"

#include <charconv>
#include <climits>
#include <cmath>
#include <cstdint>
#include <string>

namespace peltarix {
namespace {

bool IsCSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

constexpr double kPowersOfTen[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                   1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
// Below 2^53, so every integer of this many digits is an exact double.
constexpr int kMostPlainDigits = 15;

// The value of a plain decimal as coordinates and sizes are written
// ("-1820.5": a sign, at most 15 digits, a point), or false for any other
// text. The digits as an integer and the power of ten are both exact
// doubles, so one division rounds the exact value once, as a correctly
// rounded reading does.
bool ReadPlainDecimal(std::string_view text, double& value) {
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
      return false;
    }
  }
  if (digit_count == 0 || digit_count > kMostPlainDigits) return false;
  value = static_cast<double>(digits);
  if (decimals > 0) value /= kPowersOfTen[decimals];
  if (negative) value = -value;
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
  if (double plain = 0.0; ReadPlainDecimal(text, plain)) return plain;
  // Only the decimal form is read: strtod would also take hex numbers,
  // "inf" and "nan", and a coordinate of "nan" must not reach the CSV.
  const std::size_t end = std::min(text.find('\0'), text.size());
  const auto is_digit = [&](std::size_t pos) {
    return pos < end && text[pos] >= '0' && text[pos] <= '9';
  };
  std::size_t start = 0;
  while (start < end && IsCSpace(text[start])) ++start;
  std::size_t pos = start;
  const bool negative = pos < end && text[pos] == '-';
  if (pos < end && (text[pos] == '+' || text[pos] == '-')) ++pos;
  const std::size_t unsigned_start = pos;
  std::size_t digits = 0;
  // How many places left of the point the first significant digit stands
  // (right of it when negative); with the exponent it tells an overflow
  // from an underflow.
  long magnitude = 0;
  bool significant = false;
  for (; is_digit(pos); ++pos) {
    ++digits;
    significant = significant || text[pos] != '0';
    if (significant) ++magnitude;
  }
  if (pos < end && text[pos] == '.') {
    for (++pos; is_digit(pos); ++pos) {
      ++digits;
      if (!significant && text[pos] == '0') --magnitude;
      significant = significant || text[pos] != '0';
    }
  }
  if (digits == 0) return 0.0;
  int exponent_value = 0;
  if (pos < end && (text[pos] == 'e' || text[pos] == 'E')) {
    std::size_t exponent = pos + 1;
    if (exponent < end && (text[exponent] == '+' || text[exponent] == '-')) ++exponent;
    if (is_digit(exponent)) {
      exponent_value = Atoi(text.substr(pos + 1, end - pos - 1));
      pos = exponent;
      while (is_digit(pos)) ++pos;
    }
  }
  // from_chars is locale-free, exact, and part of the program itself, so
  // every system reads the same bits; it takes no "+" and leaves overflow
  // and underflow to the caller.
  double value = 0.0;
  const std::errc error =
      std::from_chars(text.data() + unsigned_start, text.data() + pos, value).ec;
  if (error == std::errc::result_out_of_range) {
    // Past the largest double strtod gives HUGE_VAL, below the smallest 0.
    const long long power = static_cast<long long>(magnitude) + exponent_value;
    value = power > 0 ? HUGE_VAL : 0.0;
  }
  return negative ? -value : value;
}

}  // namespace peltarix
