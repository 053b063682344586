#include "run/progress_log.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "run/timestamp.h"
#include "support/test_run.h"

namespace peltarix {
namespace {

using ::testing::ElementsAre;

TEST(ProgressLogTest, PrefixesAndCountsErrorsAndWarningsAndShowsEachLineAtOnce) {
  testing::CapturedLog view;
  ProgressLog log(view);
  log.LogMessage(kInformation, "A");
  log.LogMessage(kWarning, "B");
  log.LogMessage(kError, "C");
  log.LogMessage(kWarning, "E");
  EXPECT_THAT(view.lines, ElementsAre("A", "WARNING！ B", "ERROR！ C", "WARNING！ E"));
  EXPECT_EQ(view.show_count, 4);
  EXPECT_EQ(log.error_count(), 1);
  EXPECT_EQ(log.warning_count(), 2);
  log.ResetCounts();
  EXPECT_EQ(log.error_count() + log.warning_count(), 0);
}

TEST(FormatTimestampTest, DateAndDisplayFormsArePadded) {
  const LocalClock clock = [] {
    std::tm time{};
    time.tm_year = 2009 - 1900;
    time.tm_mon = 0;
    time.tm_mday = 2;
    time.tm_hour = 23;
    time.tm_min = 0;
    time.tm_sec = 9;
    return std::optional<std::tm>(time);
  };
  EXPECT_EQ(FormatTimestamp(TimestampForm::kDate, clock), "20090102");
  EXPECT_EQ(FormatTimestamp(TimestampForm::kDisplay, clock), "2009/01/02,23:00:09");
  EXPECT_EQ(FormatTimestamp(TimestampForm::kDate, [] { return std::optional<std::tm>(); }),
            std::nullopt);
}

}  // namespace
}  // namespace peltarix
