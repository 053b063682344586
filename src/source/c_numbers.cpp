#include "source/c_numbers.h"

#include <climits>
#include <string>

#include "platform/c_locale_strtod.h"

namespace peltarix {
namespace {

bool IsCSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
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
  const std::string terminated(text.substr(0, std::min(text.find('\0'), text.size())));
  // strtod would otherwise follow the process locale and stop at "." in a
  // locale whose decimal separator is ",".
  return platform::StrtodInCLocale(terminated.c_str(), nullptr);
}

}  // namespace peltarix
