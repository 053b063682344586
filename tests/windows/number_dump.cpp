// Prints how the program reads and writes numbers, for values from a fixed
// seed: built for Linux and for Windows, the two outputs must be identical
// (the Windows checks compare them).
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <random>
#include <string>

#include "run/number_format.h"
#include "source/c_numbers.h"

int main() {
  std::mt19937_64 random(20261209);
  std::uniform_real_distribution<double> length(-20000.0, 20000.0);
  std::uniform_int_distribution<int> digit(0, 9);
  std::uniform_int_distribution<int> exponent(-30, 30);
  for (int i = 0; i < 20000; ++i) {
    // Values on a fine grid give exact ties in the last printed digit.
    const double value = i % 2 == 0 ? length(random) : std::round(length(random) * 128) / 128;
    std::string text = i % 3 == 0 ? " -" : "";
    for (int d = 0; d < 1 + i % 19; ++d) text += static_cast<char>('0' + digit(random));
    text += ".";
    for (int d = 0; d < i % 23; ++d) text += static_cast<char>('0' + digit(random));
    if (i % 5 == 0) text += "e" + std::to_string(exponent(random));
    const double read = peltarix::Atof(text);
    // The bits of the value read, not a printed form that could round.
    const auto bits = static_cast<unsigned long long>(std::bit_cast<std::uint64_t>(read));
    std::printf("%s %s %s %016llx %d\n", peltarix::FormatFixed(value, 6).c_str(),
                peltarix::FormatFixed(value, 2).c_str(), text.c_str(), bits, peltarix::Atoi(text));
  }
  return 0;
}
