// What a run could not convert or found wrong, located: the detail lines
// (shown with -v), the report's items and the column support ratio.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "support/cli_runner.h"
#include "support/findings_house.h"
#include "support/temp_dir.h"

namespace peltarix {
namespace {

using ::testing::HasSubstr;
using ::testing::Not;
using testing::ReadBytes;
using testing::RunConvertInProcess;
using testing::WriteBytes;

constexpr const char* kColumnWarning =
    "WARNING！ 管柱・通し柱・丸柱・半柱・1/4柱以外のコンバートできない柱が2つありました\n";

TEST(LocatedFindingsTest, DetailLinesFollowTheirNoticesOnlyWithVerbose) {
  testing::TempDir dir;
  const std::string source = dir.File("house.QV");
  WriteBytes(source, testing::FindingsHouseSource());
  const auto verbose = RunConvertInProcess({"-v", "-y", source, "-o", dir.File("house.csv")});
  ASSERT_EQ(verbose.exit_status, 0) << verbose.err;
  for (const std::string& expected : {
           std::string(kColumnWarning) +
               "詳細：柱（自身情報）の3件目：種類 7、1階、位置 (2500, 1500)\n"
               "詳細：柱（自身情報）の6件目：種類 9、2階、位置 (1200, 800)\n"
               "詳細：2階の柱の直下率 50.0%（2本中1本が1階の柱の上）\n",
           std::string("ねじれの場合は再入力が必要です。\n"
                       "詳細：1階の外周が (2000, 2000) で交差または接しています\n"),
           std::string("詳細：部屋収納（自身情報）の2件目「ロフト」（2階、第1点 (0, 0)）は部屋の"
                       "種類の表にない名前のため種類コード0で書き出しました\n"),
           std::string("WARNING！ 非木造のコンバートできない屋根が1つありました\n"
                       "詳細：屋根領域（自身情報）の2件目：構造「1」、1階、第1点 (5000, 0)\n"),
       }) {
    EXPECT_THAT(verbose.out, HasSubstr(expected));
  }
  const auto plain = RunConvertInProcess({"-y", source, "-o", dir.File("house.csv")});
  EXPECT_THAT(plain.out, HasSubstr(kColumnWarning));
  EXPECT_THAT(plain.out, Not(HasSubstr("詳細：")));
  // Detail lines are counted neither as errors nor as warnings.
  EXPECT_THAT(plain.out, HasSubstr("エラー 0、警告 2\n"));
}

TEST(LocatedFindingsTest, ReportListsTheItemsAndTheSupportRatio) {
  testing::TempDir dir;
  const std::string source = dir.File("house.QV");
  WriteBytes(source, testing::FindingsHouseSource());
  const std::string report = dir.File("report.json");
  ASSERT_EQ(RunConvertInProcess({"-q", "--report=" + report, source, "-o", dir.File("h.csv")})
                .exit_status,
            0);
  const auto file = nlohmann::json::parse(ReadBytes(report))["files"][0];
  const auto item = [](const char* kind, int record, int floor, double x, double y) {
    return nlohmann::json{
        {"kind", kind}, {"record", record}, {"floor", floor}, {"position", {x, y}}};
  };
  const auto located = [](const nlohmann::json& items) {
    nlohmann::json kept = nlohmann::json::array();
    for (const auto& one : items)
      kept.push_back({{"kind", one["kind"]},
                      {"record", one["record"]},
                      {"floor", one["floor"]},
                      {"position", one["position"]}});
    return kept;
  };
  EXPECT_EQ(located(file["not_converted"]),
            nlohmann::json::array({item("column", 3, 1, 2500, 1500),
                                   item("column", 6, 2, 1200, 800), item("roof", 2, 1, 5000, 0)}));
  EXPECT_EQ(located(file["notices"]),
            nlohmann::json::array({item("outline", 0, 1, 2000, 2000), item("room", 2, 2, 0, 0)}));
  EXPECT_EQ(file["not_converted"][0]["text"], "7");
  EXPECT_EQ(file["notices"][1]["text"], "ロフト");
  const auto& support = file["column_support"];
  ASSERT_EQ(support.size(), 1u);
  EXPECT_EQ(support[0]["floor"], 2);
  EXPECT_EQ(support[0]["columns"], 2);
  EXPECT_EQ(support[0]["supported"], 1);
  EXPECT_EQ(support[0]["ratio"], 0.5);
  EXPECT_EQ(support[0]["unsupported"], nlohmann::json::array({{3052.5, 3052.5}}));
}

// A README or an empty file picked by mistake fails on the first building
// check; the detail line says what the file really is.
TEST(LocatedFindingsTest, FileThatIsNoDesignFileSaysSoAfterTheError) {
  testing::TempDir dir;
  const struct {
    const char* name;
    const char* bytes;
    const char* detail;
  } cases[] = {
      {"README.QV", "# House plans\nSee the drawings.\n",
       "：QVファイルではありません（QVINFOの節がありません）\n"},
      {"empty.QV", "", "：ファイルが空です\n"},
  };
  for (const auto& one : cases) {
    const std::string source = dir.File(one.name);
    WriteBytes(source, one.bytes);
    const auto result = RunConvertInProcess({"-v", source, "-o", dir.File("out.csv")});
    EXPECT_THAT(result.out, HasSubstr("ERROR！ ペントハウスのデータはコンバートできません\n詳細：" +
                                      source + one.detail))
        << one.name;
  }
}

}  // namespace
}  // namespace peltarix
