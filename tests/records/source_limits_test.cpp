#include "records/source_limits.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "records/columns.h"
#include "support/test_run.h"

namespace peltarix {
namespace {

using ::testing::ElementsAre;

TEST(CountRecordsTest, CountBeyondTheSourceLinesIsReportedAndConvertsNothing) {
  // A summary that promises two thousand million columns: visiting them all
  // once ran for many minutes and wrote gigabytes of empty records.
  testing::TestRun run(
      "HEIMENZU\nQVDTSMR\n/HASIRA\n2000000000\nQVDTSMREND\nQVDTDTL\n"
      "/HASIRA\n1\n//KAI\n1F\nENDSEC\nQVDTDTLEND\nHEIMENZUEND\n");
  EXPECT_EQ(ConvertColumns(run.context), 0);
  EXPECT_EQ(run.context.last_line_index(), 0);
  EXPECT_THAT(run.log_lines(),
              ElementsAre("柱（自身情報）を処理しています・・・",
                          "WARNING！ 変換元QVファイルの柱（自身情報）の件数2000000000が行数を超える"
                          "ためコンバートしません"));
}

TEST(CountRecordsTest, CountsWithinTheSourceAreTakenAsTheyStand) {
  // Thirteen lines: a count of 13 is possible, 14 is not.
  const std::string summary = "HEIMENZU\nQVDTSMR\n/HASIRA\n";
  const std::string rest = "\nQVDTSMREND\nQVDTDTL\nQVDTDTLEND\nHEIMENZUEND\nx\nx\nx\nx\nx\n";
  testing::TestRun possible(summary + "13" + rest);
  EXPECT_EQ(CountRecords(possible.context, "HEIMENZU", "/HASIRA", "柱"), 13);
  testing::TestRun damaged(summary + "14" + rest);
  EXPECT_EQ(CountRecords(damaged.context, "HEIMENZU", "/HASIRA", "柱"), -1);
  testing::TestRun negative(summary + "-2" + rest);
  EXPECT_EQ(CountRecords(negative.context, "HEIMENZU", "/HASIRA", "柱"), -2);
  EXPECT_TRUE(possible.log_lines().empty());
  EXPECT_TRUE(negative.log_lines().empty());
}

}  // namespace
}  // namespace peltarix
