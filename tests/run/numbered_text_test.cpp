#include "run/numbered_text.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace peltarix {
namespace {

TEST(NumberedTextTest, CountsUpInPlaceAcrossEveryCarry) {
  const struct {
    std::string_view prefix;
    std::int64_t start;
  } cases[] = {{"//X", 1}, {"//YANE_LINEATTR", 7}, {"", 0}, {"", 95}, {"//Y", 990}, {"k", 99998}};
  for (const auto& c : cases) {
    NumberedText text(c.prefix, c.start);
    for (std::int64_t number = c.start; number < c.start + 1200; ++number, text.Next()) {
      ASSERT_EQ(text.text(), std::string(c.prefix) + std::to_string(number));
    }
    text.SetNumber(1);
    EXPECT_EQ(text.text(), std::string(c.prefix) + "1");
  }
}

}  // namespace
}  // namespace peltarix
