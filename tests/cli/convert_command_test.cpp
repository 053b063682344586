// The command line as a user meets it: the real binary, its output streams,
// exit statuses and the files it writes or refuses to touch.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

#include "cli/cli_options.h"
#include "support/cli_runner.h"
#include "support/qv_text.h"
#include "support/temp_dir.h"

namespace peltarix {
namespace {

using testing::CrLfLines;
using ::testing::HasSubstr;
using testing::ReadBytes;
using testing::RunConvertBinary;
using ::testing::StartsWith;
using testing::WriteBytes;

constexpr const char* kHeaderStart = "\"MORVANTEL\",\"V11-01-000\",\"";

TEST(ConvertCommandTest, ConvertsTheSampleAndPrintsTheTranscript) {
  testing::TempDir dir;
  const std::string destination = dir.File("sample.csv");
  const auto result = RunConvertBinary({testing::SamplePath(), "-o", destination});
  EXPECT_EQ(result.exit_status, 0) << result.err;
  EXPECT_EQ(result.err, "");
  EXPECT_THAT(result.out, StartsWith("☆☆☆コンバート開始["));
  EXPECT_THAT(result.out,
              HasSubstr("\n基本情報を処理しています・・・\n建物概要を処理しています・・・\n"));
  EXPECT_THAT(result.out, HasSubstr("\n△▼△正常終了しました△▼△\n☆☆☆コンバート終了["));

  const auto lines = CrLfLines(ReadBytes(destination));
  ASSERT_GE(lines.size(), 3u);
  EXPECT_THAT(lines[0], StartsWith(kHeaderStart));
  EXPECT_THAT(lines[0], HasSubstr("\"," + std::to_string(lines.size() - 1) + ",0,0,"));
  EXPECT_THAT(lines[1], StartsWith("\"AA010100\",1,1,"));
  EXPECT_THAT(lines[2], StartsWith("\"AA010110\",1,2,"));
}

TEST(ConvertCommandTest, DestinationDefaultsToSourceWithCsvExtension) {
  testing::TempDir dir;
  const std::string source = dir.File("house.QV");
  WriteBytes(source, testing::InfoSection());
  EXPECT_EQ(RunConvertBinary({"-q", source}).exit_status, 0);
  EXPECT_TRUE(std::filesystem::exists(dir.File("house.csv")));
}

TEST(ConvertCommandTest, ExistingDestinationIsReplacedOnlyWithOverwrite) {
  testing::TempDir dir;
  const std::string source = dir.File("house.QV");
  const std::string destination = dir.File("house.csv");
  WriteBytes(source, testing::InfoSection());
  WriteBytes(destination, "keep me");

  const auto refused = RunConvertBinary({source, "-o", destination});
  EXPECT_EQ(refused.exit_status, 2);
  EXPECT_THAT(refused.err, HasSubstr("--overwrite"));
  EXPECT_EQ(refused.out, "");
  EXPECT_EQ(ReadBytes(destination), "keep me");

  EXPECT_EQ(RunConvertBinary({"-y", "-q", source, "-o", destination}).exit_status, 0);
  EXPECT_THAT(ReadBytes(destination), StartsWith(kHeaderStart));
}

TEST(ConvertCommandTest, KindsSelectTheConverters) {
  testing::TempDir dir;
  const std::string destination = dir.File("out.csv");
  const auto none = RunConvertBinary({"--kinds=", testing::SamplePath(), "-o", destination});
  EXPECT_EQ(none.exit_status, 0);
  EXPECT_EQ(CrLfLines(ReadBytes(destination)).size(), 1u) << "header only";

  const auto outline =
      RunConvertBinary({"-y", "--kinds=outline", testing::SamplePath(), "-o", destination});
  EXPECT_EQ(outline.exit_status, 0);
  const auto lines = CrLfLines(ReadBytes(destination));
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_THAT(lines[1], StartsWith("\"AA010110\",1,1,"));

  const auto unknown = RunConvertBinary({"-y", "--kinds=basic,walls", testing::SamplePath()});
  EXPECT_EQ(unknown.exit_status, 2);
  EXPECT_THAT(unknown.err, HasSubstr("walls"));
}

TEST(ConvertCommandTest, EmptyNamesAreRefusedBeforeAnyRun) {
  const auto no_source = RunConvertBinary({"", "-o", ""});
  EXPECT_EQ(no_source.exit_status, 2);
  EXPECT_EQ(no_source.err, "変換元QVﾌｧｲﾙ名を指定してください。\n");
  EXPECT_EQ(no_source.out, "");

  const auto no_destination = RunConvertBinary({testing::SamplePath(), "-o", ""});
  EXPECT_EQ(no_destination.exit_status, 2);
  EXPECT_EQ(no_destination.err, "変換先CSVﾌｧｲﾙ名を指定してください。\n");
  EXPECT_EQ(no_destination.out, "");
}

TEST(ConvertCommandTest, FailedRunExitsOneAndQuietPrintsOnlyErrors) {
  testing::TempDir dir;
  const std::string source = dir.File("house.QV");
  WriteBytes(source, testing::InfoSection({{"//INIT_FL", "4"}}));
  const auto loud = RunConvertBinary({"-y", source});
  EXPECT_EQ(loud.exit_status, 1);
  EXPECT_THAT(loud.out, HasSubstr("\nERROR！ １階～３階以外のデータはコンバートできません。\n"
                                  "エラー 1、警告 0\n▲▽▲正常に終了できませんでした▲▽▲\n"));

  const auto quiet = RunConvertBinary({"-y", "-q", source});
  EXPECT_EQ(quiet.exit_status, 1);
  EXPECT_EQ(quiet.out, "");
  EXPECT_EQ(quiet.err, "ERROR！ １階～３階以外のデータはコンバートできません。\n");
}

TEST(ConvertCommandTest, UnwritableDestinationFailsTheRun) {
  testing::TempDir dir;
  const auto missing_folder =
      RunConvertBinary({testing::SamplePath(), "-o", dir.File("no/such/folder/out.csv")});
  EXPECT_EQ(missing_folder.exit_status, 1);
  EXPECT_THAT(missing_folder.out, HasSubstr("ERROR！ CSVファイルを開けません"));

  if (std::filesystem::exists("/dev/full")) {
    // A device is no file to replace.
    const auto full = RunConvertBinary({"-y", testing::SamplePath(), "-o", "/dev/full"});
    EXPECT_EQ(full.exit_status, 1);
    EXPECT_THAT(full.out, HasSubstr("ERROR！ CSVファイルを開けません\n詳細：/dev/full："));
  }
}

TEST(ConvertCommandTest, HelpAndVersionStandAlone) {
  const auto help = RunConvertBinary({"--help"});
  EXPECT_EQ(help.exit_status, 0);
  EXPECT_THAT(help.out, HasSubstr("--overwrite"));
  EXPECT_THAT(help.out, HasSubstr("Exit status"));
  const auto version = RunConvertBinary({"--version"});
  EXPECT_EQ(version.exit_status, 0);
  EXPECT_THAT(version.out, HasSubstr("peltarix-convert 1.0"));
  EXPECT_EQ(RunConvertBinary({}).exit_status, 2);
  EXPECT_EQ(RunConvertBinary({"--no-such-option", "x.QV"}).exit_status, 2);
}

TEST(ParseKindsTest, AcceptsSubsetsInAnyOrder) {
  const auto kinds = cli::ParseKinds("roofs,basic");
  ASSERT_TRUE(kinds.has_value());
  EXPECT_TRUE(*kinds == DataKindSet::Only(DataKind::kBasicInfo).With(DataKind::kRoofs));
  EXPECT_FALSE(cli::ParseKinds("basic,").has_value());
  EXPECT_FALSE(cli::ParseKinds("Basic").has_value());
  EXPECT_EQ(cli::DefaultDestination("dir.v2/house.QV"), "dir.v2/house.csv");
  EXPECT_EQ(cli::DefaultDestination("house"), "house.csv");
}

}  // namespace
}  // namespace peltarix
