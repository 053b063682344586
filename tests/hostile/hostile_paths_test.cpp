#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "hostile_run.h"
#include "support/qv_text.h"

namespace peltarix {
namespace {

using testing::HostileRun;

// Paths that cannot serve as source or destination: each run stops with one
// error and a detail line naming the file it could not open, and nothing is written anywhere.
TEST(HostilePathsTest, UnusablePathsStopTheRunWithOneError) {
  enum class Setup { kSourceIsDirectory, kDestinationInMissingFolder, kDestinationIsDirectory };
  const struct {
    Setup setup;
    const char* error;
  } cases[] = {
      {Setup::kSourceIsDirectory, "ERROR！ QVファイルを開けません"},
      {Setup::kDestinationInMissingFolder, "ERROR！ CSVファイルを開けません"},
      {Setup::kDestinationIsDirectory, "ERROR！ CSVファイルを開けません"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.setup));
    HostileRun run(testing::InfoSection());
    const std::string directory = run.dir.File("folder");
    std::filesystem::create_directory(directory);
    auto& context = run.run.context;
    switch (c.setup) {
      case Setup::kSourceIsDirectory:
        context.source_file_path = directory;
        break;
      case Setup::kDestinationInMissingFolder:
        context.destination_file_path = run.dir.File("missing/house.csv");
        break;
      case Setup::kDestinationIsDirectory:
        context.destination_file_path = directory;
        break;
    }
    const int status = run.Execute();
    EXPECT_EQ(status, -1);
    ASSERT_GE(run.log_lines().size(), 4u);
    EXPECT_EQ(run.log_lines()[1], c.error);
    EXPECT_THAT(run.log_lines()[2], ::testing::StartsWith("詳細："));
    EXPECT_EQ(run.log_lines()[3], "エラー 1、警告 0");
    testing::ExpectCompleteOrReportedFailure(run, status);
    EXPECT_TRUE(std::filesystem::is_directory(directory));
    EXPECT_FALSE(std::filesystem::exists(run.dir.File("missing")));
    EXPECT_FALSE(std::filesystem::exists(run.destination));
  }
}

}  // namespace
}  // namespace peltarix
