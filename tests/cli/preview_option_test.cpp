// --preview: the plan picture written beside a conversion, without changing
// the CSV, refused over an existing file, and a failure to write it reported.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

#include "support/cli_runner.h"
#include "support/temp_dir.h"

namespace peltarix {
namespace {

using testing::CrLfLines;
using ::testing::HasSubstr;
using testing::ReadBytes;
using testing::RunConvertBinary;
using testing::RunConvertInProcess;
using ::testing::StartsWith;

TEST(PreviewOptionTest, WritesTheSvgAndLeavesTheCsvAsWithoutIt) {
  testing::TempDir dir;
  const auto plain = RunConvertBinary({"-q", testing::SamplePath(), "-o", dir.File("plain.csv")});
  const auto with_preview = RunConvertBinary({"-q", "--preview=" + dir.File("sample.svg"),
                                              testing::SamplePath(), "-o", dir.File("sample.csv")});
  ASSERT_EQ(plain.exit_status, 0);
  ASSERT_EQ(with_preview.exit_status, 0) << with_preview.err;
  EXPECT_EQ(with_preview.err, "");
  const auto plain_lines = CrLfLines(ReadBytes(dir.File("plain.csv")));
  const auto preview_lines = CrLfLines(ReadBytes(dir.File("sample.csv")));
  // Line 0 holds the date, which may differ across midnight.
  EXPECT_EQ(std::vector(plain_lines.begin() + 1, plain_lines.end()),
            std::vector(preview_lines.begin() + 1, preview_lines.end()));
  const std::string svg = ReadBytes(dir.File("sample.svg"));
  EXPECT_THAT(svg, StartsWith("<?xml version=\"1.0\" encoding=\"UTF-8\""));
  EXPECT_THAT(svg, HasSubstr("<g id=\"panel-2F\">"));
  EXPECT_THAT(svg, HasSubstr("<polygon class=\"outline\""));
}

TEST(PreviewOptionTest, ExistingPreviewIsReplacedOnlyWithOverwrite) {
  testing::TempDir dir;
  const std::string preview = dir.File("sample.svg");
  testing::WriteBytes(preview, "keep me");
  const auto refused = RunConvertBinary(
      {"-q", "--preview=" + preview, testing::SamplePath(), "-o", dir.File("sample.csv")});
  EXPECT_EQ(refused.exit_status, 2);
  EXPECT_THAT(refused.err, HasSubstr("sample.svg exists"));
  EXPECT_EQ(ReadBytes(preview), "keep me");
  EXPECT_EQ(RunConvertBinary({"-q", "-y", "--preview=" + preview, testing::SamplePath(), "-o",
                              dir.File("sample.csv")})
                .exit_status,
            0);
  EXPECT_THAT(ReadBytes(preview), StartsWith("<?xml"));
}

// The failure is the file's: its log says so before the count line, and the
// counts and the result line follow it.
TEST(PreviewOptionTest, PreviewThatCannotBeWrittenFailsTheCommandAfterTheCsv) {
  testing::TempDir dir;
  const std::string preview = dir.File("missing-folder/sample.svg");
  const auto result = RunConvertBinary(
      {"-v", "--preview=" + preview, testing::SamplePath(), "-o", dir.File("sample.csv")});
  EXPECT_EQ(result.exit_status, 1);
  EXPECT_THAT(result.out,
              HasSubstr("ERROR！ プレビューのSVGファイルを書き込めません\n詳細：" + preview +
                        "：フォルダが見つかりません\nエラー 1、警告 2\n"
                        "▲▽▲正常に終了できませんでした▲▽▲\n"));
  EXPECT_THAT(result.err, HasSubstr("peltarix-convert: " + preview + ": フォルダが見つかりません"));
  EXPECT_TRUE(std::filesystem::exists(dir.File("sample.csv")));
  EXPECT_FALSE(std::filesystem::exists(dir.File("missing-folder")));
}

// A name given with several sources used to be dropped without a word.
TEST(PreviewOptionTest, BatchDrawsOneSvgBesideEachCsvAndRefusesAName) {
  testing::TempDir dir;
  const std::string sample = ReadBytes(testing::SamplePath());
  testing::WriteBytes(dir.File("a.QV"), sample);
  testing::WriteBytes(dir.File("b.QV"), sample);
  const auto named = RunConvertInProcess(
      {"-q", "--preview=" + dir.File("one.svg"), dir.File("a.QV"), dir.File("b.QV")});
  EXPECT_EQ(named.exit_status, 2);
  EXPECT_THAT(named.err,
              StartsWith("peltarix-convert: --preview=FILE names the picture of one source"));
  EXPECT_FALSE(std::filesystem::exists(dir.File("a.csv")));

  const auto result = RunConvertBinary({"-q", "--preview", dir.File("a.QV"), dir.File("b.QV")});
  EXPECT_EQ(result.exit_status, 0) << result.err;
  for (const char* name : {"a", "b"}) {
    EXPECT_TRUE(std::filesystem::exists(dir.File(std::string(name) + ".csv")));
    EXPECT_THAT(ReadBytes(dir.File(std::string(name) + ".svg")), StartsWith("<?xml"));
  }
}

// --preview takes the next argument only for a name ending in ".svg": a
// source after it stays a source.
TEST(PreviewOptionTest, PreviewNeverTakesTheSourceForItsName) {
  testing::TempDir dir;
  testing::WriteBytes(dir.File("house.QV"), ReadBytes(testing::SamplePath()));
  const auto beside = RunConvertInProcess({"-q", "--preview", dir.File("house.QV")});
  EXPECT_EQ(beside.exit_status, 0) << beside.err;
  EXPECT_THAT(ReadBytes(dir.File("house.svg")), StartsWith("<?xml"));

  const auto named =
      RunConvertInProcess({"-q", "-y", "--preview", dir.File("plan.SVG"), dir.File("house.QV")});
  EXPECT_EQ(named.exit_status, 0) << named.err;
  EXPECT_THAT(ReadBytes(dir.File("plan.SVG")), StartsWith("<?xml"));
}

}  // namespace
}  // namespace peltarix
