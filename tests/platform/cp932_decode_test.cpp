#include "platform/cp932_decode.h"

#include <gtest/gtest.h>

namespace peltarix {
namespace {

TEST(Utf8FromCp932, DecodesNamesAndReplacesBytesCp932DoesNotDefine) {
  EXPECT_EQ(Utf8FromCp932("\x97\x6d\x8e\xba"), "洋室");
  EXPECT_EQ(Utf8FromCp932("\xb3\xab"), "ｳｫ");
  EXPECT_EQ(Utf8FromCp932("(D\x81\x45K)"), "(D・K)");
  // 0xA0 is no character; a lead byte at the end has lost its second byte.
  EXPECT_EQ(Utf8FromCp932("a\xa0"
                          "b\x97"),
            "a\xEF\xBF\xBD"
            "b\xEF\xBF\xBD");
}

}  // namespace
}  // namespace peltarix
