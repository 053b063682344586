#pragma once

#include <string_view>

namespace peltarix {

// Numbers are read from value texts exactly as the C library's atoi and atof
// read them in the "C" locale: leading white space, an optional sign, the
// longest valid leading number, 0 when there is none. The process locale
// never changes the result (a Qt process runs in the user's locale).

// Like atoi, but saturates at INT_MIN / INT_MAX instead of overflowing.
int Atoi(std::string_view text);

// Like atof in the "C" locale, reading the decimal form only: blanks, sign,
// digits, point, digits, exponent. "nan", "inf", "infinity" and hexadecimal
// texts such as "0x10" give their decimal prefix ("0x10" is 0), so no text
// yields NaN or infinity except by overflow ("1e999" is HUGE_VAL).
double Atof(std::string_view text);

}  // namespace peltarix
