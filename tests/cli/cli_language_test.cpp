// The command's own messages in English and Japanese: help, argument errors,
// refusals, progress, the summary. The runs' logs are the same in both.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/cli_runner.h"
#include "support/qv_text.h"
#include "support/temp_dir.h"

namespace peltarix {
namespace {

using ::testing::HasSubstr;
using ::testing::Not;
using testing::RunConvertInProcess;
using ::testing::StartsWith;

constexpr UserLanguage kEnglish = UserLanguage::kEnglish;
constexpr UserLanguage kJapanese = UserLanguage::kJapanese;

testing::CliResult RunIn(UserLanguage language, const std::vector<std::string>& arguments,
                         bool err_is_terminal = false) {
  return RunConvertInProcess(arguments, "", err_is_terminal, language);
}

TEST(CliLanguageTest, ArgumentErrorsInEitherLanguageEachLineWithTheProgramName) {
  const testing::TempDir dir;
  const std::string sample = testing::SamplePath();
  const std::string missing = dir.File("missing.QV");
  const struct {
    std::vector<std::string> arguments;
    std::string english;
    std::string japanese;
  } cases[] = {
      {{"--frobnicate"}, "unknown option --frobnicate", "不明なオプションです: --frobnicate"},
      {{}, "no SOURCE given", "SOURCE（変換元）が指定されていません"},
      {{sample, "-o"}, "--output needs a value", "--output には値が必要です"},
      {{"-q", "-v", sample},
       "-q (--quiet) and -v (--verbose) exclude each other",
       "-q (--quiet) と -v (--verbose) は同時に指定できません"},
      {{missing}, missing + ": not found", missing + ": 見つかりません"},
      {{sample, sample, "-o", "-"}, "-o - writes one CSV", "-o - で書けるCSVは一つです"},
  };
  for (const auto& c : cases) {
    for (const UserLanguage language : {kEnglish, kJapanese}) {
      const std::string& message = language == kJapanese ? c.japanese : c.english;
      const auto result = RunIn(language, c.arguments);
      EXPECT_EQ(result.exit_status, 2) << message;
      EXPECT_THAT(result.err, HasSubstr("peltarix-convert: " + message)) << result.err;
      EXPECT_EQ(result.out, "") << message;
      for (const std::string& line : testing::LfLines(result.err)) {
        EXPECT_THAT(line, StartsWith("peltarix-convert: ")) << message;
      }
    }
  }
}

TEST(CliLanguageTest, JapaneseHelpKeepsNoneOfTheParsersEnglish) {
  const auto english = RunIn(kEnglish, {"--help"});
  EXPECT_EQ(english.exit_status, 0);
  for (const char* text : {"Usage: peltarix-convert [OPTIONS]", "-V,--version", "Exit status:"}) {
    EXPECT_THAT(english.out, HasSubstr(text));
  }
  const auto japanese = RunIn(kJapanese, {"--help"});
  EXPECT_EQ(japanese.exit_status, 0);
  for (const char* text : {"使い方: peltarix-convert [オプション]", "この説明を表示して終わります",
                           "columns     柱", "終了ステータス:"}) {
    EXPECT_THAT(japanese.out, HasSubstr(text));
  }
  for (const char* text : {"Usage", "OPTIONS", "Options", "Positionals", "Print this",
                           "Display program", "Exit status"}) {
    EXPECT_THAT(japanese.out, Not(HasSubstr(text)));
  }
}

TEST(CliLanguageTest, BatchProgressSummaryAndReportFailureInEitherLanguage) {
  const testing::TempDir dir;
  testing::WriteBytes(dir.File("a.QV"), testing::InfoSection());
  testing::WriteBytes(dir.File("b.QV"), testing::InfoSection());
  const struct {
    UserLanguage language;
    const char* progress;
    const char* summary;
    const char* report;
  } cases[] = {
      {kEnglish, "\r2/2 files", "\n2 files converted, 0 failed, 0 skipped, ",
       ": cannot write the report: ファイルではなくフォルダです\n"},
      {kJapanese, "\r2/2 ファイル", "\n変換 2 件、失敗 0 件、スキップ 0 件、警告 ",
       ": レポートを書けません：ファイルではなくフォルダです\n"},
  };
  for (const auto& c : cases) {
    // The report's path is a folder, which cannot be written as a file.
    const auto result = RunIn(
        c.language, {"-y", "--report=" + dir.File(""), dir.File("a.QV"), dir.File("b.QV")}, true);
    EXPECT_EQ(result.exit_status, 1);
    EXPECT_THAT(result.err, HasSubstr(c.progress));
    EXPECT_NE(result.out.find(c.summary), std::string::npos) << c.summary;
    EXPECT_THAT(result.err, HasSubstr(c.report));
    // The log is the same Japanese in either language.
    EXPECT_THAT(result.out, HasSubstr("\n△▼△正常終了しました△▼△\n"));
  }
}

#if !defined(_WIN32)
TEST(CliLanguageTest, BinaryTakesTheLanguageFromTheLocale) {
  const auto english = testing::RunConvertBinary({"--frobnicate"}, kEnglish);
  EXPECT_EQ(english.err,
            "peltarix-convert: unknown option --frobnicate\n"
            "peltarix-convert: Run with --help for more information.\n");
  const auto japanese = testing::RunConvertBinary({"--frobnicate"}, kJapanese);
  EXPECT_EQ(japanese.err,
            "peltarix-convert: 不明なオプションです: --frobnicate\n"
            "peltarix-convert: 詳しくは --help を付けて実行してください。\n");
}
#endif

}  // namespace
}  // namespace peltarix
