#pragma once

#include <string_view>

namespace peltarix {

// Numbers are read from value texts exactly as the C library's atoi and atof
// read them in the "C" locale: leading white space, an optional sign, the
// longest valid leading number, 0 when there is none. The process locale
// never changes the result (a Qt process runs in the user's locale).

// Like atoi, but saturates at INT_MIN / INT_MAX instead of overflowing.
int Atoi(std::string_view text);

// Like atof (strtod in the "C" locale): decimal and hexadecimal forms,
// exponents, "inf" and "nan" are accepted as the C library accepts them.
double Atof(std::string_view text);

}  // namespace peltarix
