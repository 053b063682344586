#include "run/quick_atof.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <random>
#include <string>

#include "source/c_numbers.h"

namespace peltarix {
namespace {

// Same bits as Atof, so -0.0 and every last digit count.
void ExpectSameAsAtof(std::string_view text) {
  EXPECT_EQ(std::bit_cast<std::uint64_t>(QuickAtof(text)), std::bit_cast<std::uint64_t>(Atof(text)))
      << "[" << text << "]";
}

TEST(QuickAtofTest, GivesAtofsBitsForPlainDecimalsAndEverythingElse) {
  const std::string_view texts[] = {
      "0", "-0", "-0.0", "+3.25", "1000", "-1820.5", "0.1", "0.3", "2.675", "1.005",
      "123456789012345", "12345678901234.5", "0.000000000000001", "999999999999999",
      // Past plain decimals: 16 digits, exponents, blanks, lone signs, other bytes.
      "1234567890123456", "9007199254740993", "0.1000000000000000055", "1e5", "1.5E-3", " 12",
      "12 ", "", "-", "+", ".", "5.", ".5", "1.2.3", "--1", "1-", "nan", "inf", "0x10", "12abc",
      std::string_view("1\0"
                       "5",
                       3)};
  for (const std::string_view text : texts) {
    ExpectSameAsAtof(text);
  }
}

TEST(QuickAtofTest, GivesAtofsBitsForRandomDecimals) {
  std::mt19937_64 random(16);
  for (int i = 0; i < 20000; ++i) {
    std::string text = (random() % 3 == 0) ? "-" : "";
    const int digits = 1 + static_cast<int>(random() % 17);
    const int point = static_cast<int>(random() % (digits + 1));
    for (int d = 0; d < digits; ++d) {
      if (d == point && d > 0) text += '.';
      text += static_cast<char>('0' + random() % 10);
    }
    ExpectSameAsAtof(text);
  }
}

}  // namespace
}  // namespace peltarix
