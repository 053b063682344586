#pragma once

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/file_run.h"

namespace peltarix::testing {

// The hostile tests run like any other file run.
using HostileRun = FileRun;

inline constexpr const char* kRunSucceeded = "△▼△正常終了しました△▼△";
inline constexpr const char* kRunFailed = "▲▽▲正常に終了できませんでした▲▽▲";

// What every run must leave behind, whatever its source: a transcript that
// ends with the counts, the result and the end banner, and either a CSV file
// that holds every line the run built (the header counting the records) or a
// failure that the log reports as an error.
inline void ExpectCompleteOrReportedFailure(const HostileRun& run, int status) {
  const std::vector<std::string>& log = run.log_lines();
  ASSERT_GE(log.size(), 3u);
  EXPECT_THAT(log[log.size() - 3], ::testing::StartsWith("エラー "));
  EXPECT_THAT(log.back(), ::testing::StartsWith("☆☆☆コンバート終了["));
  if (status != 0) {
    EXPECT_EQ(status, -1);
    EXPECT_EQ(log[log.size() - 2], kRunFailed);
    EXPECT_GE(run.run.context.log.error_count(), 1);
    return;
  }
  EXPECT_EQ(log[log.size() - 2], kRunSucceeded);
  const OutputLines& lines = run.run.context.output_lines;
  std::string expected;
  for (int index = 0; index <= lines.last_line_index(); ++index) {
    const std::string line(lines.line(index));
    ASSERT_FALSE(line.empty());
    EXPECT_EQ(line.find('\n'), line.size() - 1) << "one CSV line per record: " << line;
    expected += line.substr(0, line.size() - 1) + "\r\n";
  }
  EXPECT_THAT(
      lines.header(),
      ::testing::HasSubstr(",\"20081215\"," + std::to_string(lines.last_line_index()) + ",0,0,"));
  EXPECT_TRUE(run.Csv() == expected) << "the CSV file holds every line the run built";
}

}  // namespace peltarix::testing
