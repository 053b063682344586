#include "source/c_numbers.h"

#include <gtest/gtest.h>

#include <climits>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <random>
#include <string>

#include "run/number_format.h"

namespace peltarix {
namespace {

TEST(AtoiTest, ReadsLikeTheCLibrary) {
  const struct {
    std::string_view text;
    int value;
  } cases[] = {
      {"", 0},
      {"12", 12},
      {" 7", 7},
      {"\t-3", -3},
      {"+4", 4},
      {"3x", 3},
      {"2F", 2},
      {"x3", 0},
      {"- 3", 0},
      {"4.5", 4},
      {"007", 7},
      {"\n\v\f\r 9", 9},
      {"99999999999", INT_MAX},
      {"-99999999999", INT_MIN},
      {"2147483647", INT_MAX},
      {"-2147483648", INT_MIN},
      {std::string_view("1\0"
                        "2",
                        3),
       1},
  };
  for (const auto& c : cases) EXPECT_EQ(Atoi(c.text), c.value) << "[" << c.text << "]";
}

TEST(AtofTest, ReadsLikeTheCLibrary) {
  const struct {
    std::string_view text;
    double value;
  } cases[] = {
      {"", 0.0},          {"2900", 2900.0}, {" 150.5", 150.5}, {"-0.25mm", -0.25}, {"1e3", 1000.0},
      {".5", 0.5},        {"abc", 0.0},     {"1,5", 1.0},      {"1e", 1.0},        {"1.e2", 100.0},
      {"-.5e-1x", -0.05}, {"1e+", 1.0},     {".", 0.0},        {"-e5", 0.0},
  };
  for (const auto& c : cases) EXPECT_EQ(Atof(c.text), c.value) << "[" << c.text << "]";
}

// Only decimal numbers are read: no text gives NaN, and only overflow gives
// infinity.
TEST(AtofTest, NamesAndHexFormsReadAsTheirDecimalPrefix) {
  const struct {
    std::string_view text;
    double value;
  } cases[] = {
      {"nan", 0.0},
      {"NAN(1)", 0.0},
      {" -nan", 0.0},
      {"inf", 0.0},
      {"-Infinity", 0.0},
      {"0x10", 0.0},
      {"0X1p4", 0.0},
      {"-0x1.8", -0.0},
      {"12inf", 12.0},
      {"1e999", HUGE_VAL},
      {"-1e999", -HUGE_VAL},
      {"1e-999", 0.0},
      // Leading zeros and the exponent together tell overflow from underflow.
      {"0.001e312", HUGE_VAL},
      {"0.0001e312", 1e308},
      {"123456e-330", 0.0},
      {"-0.0e999", -0.0},
      {"+2.5e+1", 25.0},
  };
  for (const auto& c : cases) {
    const double value = Atof(c.text);
    EXPECT_EQ(value, c.value) << "[" << c.text << "]";
    EXPECT_EQ(std::signbit(value), std::signbit(c.value)) << "[" << c.text << "]";
  }
}

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
  const unsigned seed = std::random_device{}();
  SCOPED_TRACE("seed " + std::to_string(seed));
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

TEST(AtofTest, MatchesStrtodOnRandomDecimalTexts) {
#if defined(_WIN32)
  // The reference is the Linux C library's strtod; the Windows build's numbers
  // are compared with the Linux build's by the Wine checks.
  GTEST_SKIP() << "strtod of the Windows C library is no reference";
#endif
  const unsigned seed = std::random_device{}();
  SCOPED_TRACE("seed " + std::to_string(seed));
  std::mt19937_64 random(seed);
  std::uniform_int_distribution<int> digit(0, 9), count(0, 20), exponent(-340, 340);
  for (int i = 0; i < 100000; ++i) {
    std::string text = i % 2 == 0 ? "" : "-";
    for (int n = count(random); n > 0; --n) text += static_cast<char>('0' + digit(random));
    text += '.';
    for (int n = count(random) % 12; n > 0; --n) text += static_cast<char>('0' + digit(random));
    if (i % 4 == 3) text += "e" + std::to_string(exponent(random) / (i % 8 == 3 ? 1 : 12));
    const double expected = std::strtod(text.c_str(), nullptr);
    const double value = Atof(text);
    ASSERT_EQ(value, expected) << text;
    ASSERT_EQ(std::signbit(value), std::signbit(expected)) << text;
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
