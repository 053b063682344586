// The sample house (examples/sample.QV: nine columns, one of them of kind 9,
// eight rooms, roofs of which one is not wooden; levels 400, 3300, 6100)
// converted in-process with all kinds and with subsets of them.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <regex>
#include <string>
#include <vector>

#include "support/cli_runner.h"
#include "support/file_run.h"

namespace peltarix {
namespace {

using testing::CrLfLines;
using testing::Fields;

constexpr std::size_t kColumnRecords = 8;
constexpr std::size_t kRoomRecords = 8;

// Converts the sample with `kinds`; the run must succeed.
struct SampleRun {
  explicit SampleRun(const DataKindSet& kinds) : run(testing::ReadBytes(testing::SamplePath())) {
    status = run.Execute(kinds);
    lines = CrLfLines(run.Csv());
  }

  testing::FileRun run;
  int status = -1;
  std::vector<std::string> lines;
};

// The header's date field holds the day of the run.
std::string MaskDate(const std::string& csv) {
  return std::regex_replace(csv, std::regex("^(\"MORVANTEL\",\"V11-01-000\",\")[0-9]{8}\""),
                            "$1YYYYMMDD\"", std::regex_constants::format_first_only);
}

TEST(SampleConversionTest, AllKindsGiveTheCheckedInCsvAndLog) {
  SampleRun sample(DataKindSet::All());
  ASSERT_EQ(sample.status, 0);
  const std::string expected =
      testing::ReadBytes(std::string(PELTARIX_SOURCE_DIR) + "/examples/sample.expected.csv");
  ASSERT_FALSE(expected.empty());
  EXPECT_EQ(MaskDate(sample.run.Csv()), expected);

  // Between the banners: one line per converter, the two skip warnings each
  // followed by where the skipped items stand, the support of the 2F
  // columns, the counts and the result.
  const std::vector<std::string>& log = sample.run.log_lines();
  ASSERT_GE(log.size(), 2u);
  EXPECT_THAT(
      std::vector<std::string>(log.begin() + 1, log.end() - 1),
      ::testing::ElementsAre(
          "基本情報を処理しています・・・", "建物概要を処理しています・・・",
          "柱（自身情報）を処理しています・・・",
          "WARNING！ 管柱・通し柱・丸柱・半柱・1/4柱以外のコンバートできない柱が1つありました",
          "詳細：柱（自身情報）の7件目：種類 9、1階、位置 (5460, 7280)",
          "詳細：2階の柱の直下率 50.0%（2本中1本が1階の柱の上）",
          "外周領域（自身情報）を処理しています・・・",
          "部屋収納（自身情報）を処理しています・・・",
          "屋根領域（自身情報）を処理しています・・・",
          "WARNING！ 非木造のコンバートできない屋根が1つありました",
          "詳細：屋根領域（自身情報）の5件目：構造「1」、1階、第1点 (5460, 5460)",
          "エラー 0、警告 2", "△▼△正常終了しました△▼△"));
}

// Checks that lines `first` onward are the sample's column records and then
// its room records, each with its line number as serial number and the
// field count of its layout.
void ExpectColumnThenRoomRecords(const std::vector<std::string>& lines, std::size_t first) {
  ASSERT_EQ(lines.size(), first + kColumnRecords + kRoomRecords);
  for (std::size_t i = first; i < lines.size(); ++i) {
    SCOPED_TRACE(lines[i]);
    const std::vector<std::string> fields = Fields(lines[i]);
    ASSERT_GE(fields.size(), 21u);
    EXPECT_EQ(fields[2], std::to_string(i)) << "serial number";
    if (i < first + kColumnRecords) {
      EXPECT_EQ(fields[0], "\"AD020101\"");
      EXPECT_EQ(fields.size(), 29u);
    } else {
      EXPECT_EQ(fields[0], "\"DC020100\"");
      // Twenty fields, the point count, three fields per point, then twenty
      // empty fields.
      const std::size_t points = static_cast<std::size_t>(std::stoi(fields[20]));
      EXPECT_EQ(fields.size(), 21 + 3 * points + 20);
    }
  }
}

TEST(SampleConversionTest, ColumnAndRoomRecordsAloneAreNumberedFromOne) {
  SampleRun sample(DataKindSet::Only(DataKind::kColumns).With(DataKind::kRooms));
  ASSERT_EQ(sample.status, 0);
  const std::vector<std::string>& lines = sample.lines;
  ASSERT_FALSE(lines.empty());
  const std::vector<std::string> header = Fields(lines[0]);
  ASSERT_EQ(header.size(), 8u) << lines[0];
  EXPECT_EQ(header[0], "\"MORVANTEL\"");
  EXPECT_EQ(header[3], "16");
  ExpectColumnThenRoomRecords(lines, 1);
  ASSERT_EQ(lines.size(), 17u);

  // The half column (kind 3) at 9100,5460 of width 105 on 1F.
  EXPECT_EQ(lines[5],
            "\"AD020101\",1,5,0,0,30,\"\",0,\"\",0,\"\",0,0,0,105,105,0,3,,,,,,9152.500000,5460,"
            "400.000000,9205.000000,5565.000000,3300.000000");
  // The walk-in closet on 2F, named in half-width katakana.
  EXPECT_EQ(
      lines[16],
      "\"DC020100\",2,16,0,0,30,\"\",0,\"\",0,\"\",0,152,"
      "\"\xB3\xAB\xB0\xB8\xB2\xDD\xB8\xDB\xBE\xDE\xAF\xC4\",0,450,2400,0.0,0.0,,5,3640,3640,"
      "3300.000000,7280,3640,3300.000000,7280,5460,3300.000000,3640,5460,3300.000000,3640,3640,"
      "3300.000000,,,,,,,,,,,,,,,,,,,,");
  EXPECT_THAT(
      sample.run.log_lines(),
      ::testing::IsSupersetOf(
          {"柱（自身情報）を処理しています・・・", "部屋収納（自身情報）を処理しています・・・",
           "WARNING！ "
           "管柱・通し柱・丸柱・半柱・1/4柱以外のコンバートできない柱が1つありました"}));
}

TEST(SampleConversionTest, SerialNumbersContinueAfterBasicInformationAndOutline) {
  SampleRun sample(DataKindSet::Only(DataKind::kBasicInfo)
                       .With(DataKind::kBuildingOutline)
                       .With(DataKind::kColumns)
                       .With(DataKind::kRooms));
  ASSERT_EQ(sample.status, 0);
  ASSERT_GE(sample.lines.size(), 3u);
  EXPECT_EQ(Fields(sample.lines[1])[0], "\"AA010100\"");
  EXPECT_EQ(Fields(sample.lines[2])[0], "\"AA010110\"");
  ExpectColumnThenRoomRecords(sample.lines, 3);
}

TEST(SampleConversionTest, RoofRecordsAloneAreNumberedFromOneAndCloseOnTheirFirstPoint) {
  SampleRun sample(DataKindSet::Only(DataKind::kRoofs));
  ASSERT_EQ(sample.status, 0);
  const std::vector<std::string>& lines = sample.lines;
  ASSERT_GE(lines.size(), 2u) << "the sample has roofs";
  const std::vector<std::string> header = Fields(lines[0]);
  ASSERT_GE(header.size(), 4u);
  EXPECT_EQ(header[0], "\"MORVANTEL\"");
  EXPECT_EQ(header[3], std::to_string(lines.size() - 1)) << "record count of the header";

  for (std::size_t serial = 1; serial < lines.size(); ++serial) {
    SCOPED_TRACE(lines[serial]);
    const std::vector<std::string> fields = Fields(lines[serial]);
    ASSERT_GE(fields.size(), 22u);
    EXPECT_EQ(fields[0], "\"AB010101\"");
    EXPECT_EQ(fields[2], std::to_string(serial)) << "serial number";
    // Field 22 counts the points that follow, the repeated first one
    // included; each point has three fields.
    const int point_count = std::atoi(fields[21].c_str());
    ASSERT_GE(point_count, 2);
    ASSERT_EQ(fields.size(), 22u + 3u * static_cast<std::size_t>(point_count));
    for (int field = 0; field < 3; ++field) {
      EXPECT_EQ(fields[22 + field], fields[fields.size() - 3 + field]) << "closes on point 1";
    }
  }
}

}  // namespace
}  // namespace peltarix
