#include "source/c_numbers.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstdio>
#include <random>
#include <string>

#include "support/test_seed.h"

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

TEST(AtofTest, MatchesStrtodOnRandomDecimalTexts) {
#if defined(_WIN32)
  // The reference is the Linux C library's strtod; the Windows build's numbers
  // are compared with the Linux build's by the Wine checks.
  GTEST_SKIP() << "strtod of the Windows C library is no reference";
#endif
  const unsigned seed = testing::TestSeed(20261213);
  SCOPED_TRACE(testing::SeedTrace(seed));
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

}  // namespace
}  // namespace peltarix
