#include "run/number_format.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <string_view>
#include <system_error>

namespace peltarix {
namespace {

constexpr double kPowersOfTen[] = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9};
constexpr std::uint32_t kIntPowersOfTen[] = {1,      10,      100,      1000,      10000,
                                             100000, 1000000, 10000000, 100000000, 1000000000};

// Rounds |value| * 10^decimals to the nearest integer when that can be done
// exactly with one double product: the product's rounding error is at most
// 2^-53 of it, so unless its fraction lies within that of one half, the
// exact scaled value rounds to the same integer. Near halves (which includes
// exact ties, rounded to even by printf) and large values return false.
bool ScaledRound(double magnitude, int decimals, std::uint64_t& rounded) {
  if (decimals < 0 || decimals >= static_cast<int>(std::size(kPowersOfTen))) return false;
  const double scaled = magnitude * kPowersOfTen[decimals];
  if (!(scaled < 0x1p50)) return false;
  // Truncation is the floor here: scaled is neither negative nor NaN.
  const auto whole = static_cast<std::uint64_t>(scaled);
  const double fraction = scaled - static_cast<double>(whole);  // exact below 2^52
  if (std::fabs(fraction - 0.5) <= scaled * 0x1p-51 + 0x1p-60) return false;
  rounded = whole + (fraction > 0.5 ? 1 : 0);
  return true;
}

constexpr char kDigitPairs[] =
    "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
    "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
    "8081828384858687888990919293949596979899";

// Writes the last two digits of value backwards, ending at end; returns the
// start and drops them from value. 32-bit division is the cheaper one.
template <typename Unsigned>
char* PairBefore(char* end, Unsigned& value) {
  const std::size_t pair = static_cast<std::size_t>(value % 100) * 2;
  value /= 100;
  *--end = kDigitPairs[pair + 1];
  *--end = kDigitPairs[pair];
  return end;
}

// Writes the digits of value backwards, ending at end; returns the start.
char* DigitsBefore(char* end, std::uint64_t value) {
  while (value > UINT32_MAX) end = PairBefore(end, value);
  auto small = static_cast<std::uint32_t>(value);
  while (small >= 100) end = PairBefore(end, small);
  if (small >= 10) return PairBefore(end, small);
  *--end = static_cast<char>('0' + small);
  return end;
}

}  // namespace

std::string FormatInt(std::int64_t value) {
  std::string text;
  AppendInt(text, value);
  return text;
}

void AppendInt(std::string& out, std::int64_t value) {
  std::array<char, 24> digits;
  const auto result = std::to_chars(digits.data(), digits.data() + digits.size(), value);
  out.append(digits.data(), result.ptr);
}

std::string FormatFixed(double value, int decimals) {
  std::string text;
  AppendFixed(text, value, decimals);
  return text;
}

void AppendFixed(std::string& out, double value, int decimals) {
  const std::size_t size = out.size();
  out.resize(size + MaxFixedLength(decimals));
  out.resize(static_cast<std::size_t>(WriteFixed(out.data() + size, value, decimals) - out.data()));
}

char* WriteFixed(char* out, double value, int decimals) {
  const auto copy = [out](std::string_view text) {
    return std::copy(text.begin(), text.end(), out);
  };
  if (std::isnan(value)) return copy(std::signbit(value) ? "-nan" : "nan");
  if (std::isinf(value)) return copy(value < 0 ? "-inf" : "inf");
  std::uint64_t rounded = 0;
  if (ScaledRound(std::fabs(value), decimals, rounded)) {
    // Written backwards: at most 16 digits below 2^50, the point and the
    // sign, which printf keeps for a negative value that rounds to zero.
    std::array<char, 32> text;
    char* const end = text.data() + text.size();
    char* start = end;
    if (decimals > 0) {
      const std::uint32_t unit = kIntPowersOfTen[decimals];
      auto fraction = static_cast<std::uint32_t>(rounded % unit);
      rounded /= unit;
      int place = 0;
      for (; place + 2 <= decimals; place += 2) start = PairBefore(start, fraction);
      if (place < decimals) *--start = static_cast<char>('0' + fraction % 10);
      *--start = '.';
    }
    start = DigitsBefore(start, rounded);
    if (std::signbit(value)) *--start = '-';
    return std::copy(start, end, out);
  }
  // to_chars is locale-free and rounds the exact binary value as glibc's
  // printf does.
  return std::to_chars(out, out + MaxFixedLength(decimals), value, std::chars_format::fixed,
                       decimals)
      .ptr;
}

}  // namespace peltarix
