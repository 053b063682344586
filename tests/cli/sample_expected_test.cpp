// The sample house converted with all six kinds, byte for byte against the
// checked-in CSV (with the conversion date masked), and its log.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <regex>

#include "support/cli_runner.h"
#include "support/temp_dir.h"

namespace peltarix {
namespace {

// The header's date field changes every day.
std::string MaskDate(const std::string& csv) {
  return std::regex_replace(csv, std::regex("^(\"MORVANTEL\",\"V11-01-000\",\")[0-9]{8}\""),
                            "$1YYYYMMDD\"", std::regex_constants::format_first_only);
}

TEST(SampleConversionTest, AllKindsGiveTheCheckedInCsv) {
  testing::TempDir dir;
  const std::string destination = dir.File("sample.csv");
  const auto result = testing::RunConvertBinary({testing::SamplePath(), "-o", destination});
  ASSERT_EQ(result.exit_status, 0) << result.out << result.err;
  const std::string expected =
      testing::ReadBytes(std::string(PELTARIX_SOURCE_DIR) + "/examples/sample.expected.csv");
  ASSERT_FALSE(expected.empty());
  EXPECT_EQ(MaskDate(testing::ReadBytes(destination)), expected);

  // The log between the banners: one line per converter, the two skip
  // warnings, the counts and the result.
  const std::string log = result.out.substr(result.out.find('\n') + 1);
  EXPECT_EQ(log.substr(0, log.rfind("☆☆☆コンバート終了")),
            "基本情報を処理しています・・・\n"
            "建物概要を処理しています・・・\n"
            "柱（自身情報）を処理しています・・・\n"
            "WARNING！ 管柱・通し柱・丸柱・半柱・1/4柱以外のコンバートできない柱が1つありました\n"
            "外周領域（自身情報）を処理しています・・・\n"
            "部屋収納（自身情報）を処理しています・・・\n"
            "屋根領域（自身情報）を処理しています・・・\n"
            "WARNING！ 非木造のコンバートできない屋根が1つありました\n"
            "エラー 0、警告 2\n"
            "△▼△正常終了しました△▼△\n");
}

}  // namespace
}  // namespace peltarix
