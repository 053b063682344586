// FormatInt and FormatFixed against printf, whose "C" locale conversions
// they reproduce without depending on the process locale.

#include "run/number_format.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdio>
#include <random>
#include <string>

#include "source/c_numbers.h"
#include "support/test_seed.h"

namespace peltarix {
namespace {

TEST(FormatFixedTest, MatchesPrintfConversions) {
  EXPECT_EQ(FormatFixed(1105, 6), "1105.000000");
  EXPECT_EQ(FormatFixed(-0.5, 6), "-0.500000");
  EXPECT_EQ(FormatFixed(3300.125, 2), "3300.12");  // exact tie rounds to even, as printf
  EXPECT_EQ(FormatFixed(0.0078125, 6), "0.007812");
  EXPECT_EQ(FormatFixed(2.675, 2), "2.67");  // 2.675 is stored slightly below
  EXPECT_EQ(FormatFixed(1e20, 2), "100000000000000000000.00");
  EXPECT_EQ(FormatFixed(-0.0, 6), "-0.000000");
  EXPECT_EQ(FormatInt(-2147483649LL), "-2147483649");
}

TEST(FormatFixedTest, MatchesPrintfOnRandomValues) {
  // The test process runs in the "C" locale, where printf is the reference.
  const unsigned seed = testing::TestSeed(20261212);
  SCOPED_TRACE(testing::SeedTrace(seed));
  std::mt19937_64 random(seed);
  std::uniform_real_distribution<double> length(-20000.0, 20000.0);
  std::uniform_int_distribution<int> scale(-12, 16);
  char expected[512];
  for (int i = 0; i < 60000; ++i) {
    // Values on a fine grid produce exact ties, decimal texts near-ties,
    // scaled ones every magnitude from tiny to past the integer fast range.
    double value = length(random);
    if (i % 3 == 1) value = std::round(value * 128) / 128;
    if (i % 3 == 2) value = std::round(value * 1000) / 1000 * std::pow(10.0, scale(random));
    for (const int decimals : {0, 2, 3, 6, 9}) {
      std::snprintf(expected, sizeof expected, "%.*f", decimals, value);
      ASSERT_EQ(FormatFixed(value, decimals), expected) << value << " " << decimals;
    }
  }
}

TEST(FormatFixedTest, DecimalSeparatorIgnoresTheProcessLocale) {
  const std::string previous = std::setlocale(LC_ALL, nullptr);
  if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr) {
    GTEST_SKIP() << "locale de_DE.UTF-8 is not installed";
  }
  const std::string formatted = FormatFixed(1105, 6);
  const double read = Atof("2.5");
  std::setlocale(LC_ALL, previous.c_str());
  EXPECT_EQ(formatted, "1105.000000");
  EXPECT_EQ(read, 2.5);
}

}  // namespace
}  // namespace peltarix
