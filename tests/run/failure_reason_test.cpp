#include "platform/failure_reason.h"

#include <gtest/gtest.h>

#include <set>

namespace peltarix {
namespace {

// The reasons reach the Japanese log and the terminal as they are: none may
// be a library's English text, and no two may read alike.
TEST(FailureReasonTest, EveryReasonIsItsOwnJapaneseText) {
  std::set<std::string_view> seen;
  for (int value = 0; value <= static_cast<int>(FailureReason::kUnknown); ++value) {
    const std::string_view text = ReasonText(static_cast<FailureReason>(value));
    SCOPED_TRACE(text);
    for (const char c : text) EXPECT_FALSE(c >= 'A' && c <= 'z') << "no Latin letters";
    EXPECT_TRUE(seen.insert(text).second);
  }
  EXPECT_EQ(ReasonFromErrno(ENOSPC), FailureReason::kDiskFull);
  EXPECT_EQ(ReasonFromErrno(EACCES), FailureReason::kNoPermission);
  EXPECT_EQ(ReasonFromErrno(EPROTO), FailureReason::kUnknown);
}

}  // namespace
}  // namespace peltarix
