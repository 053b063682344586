// The two building-wide records: basic information and building outline.

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <algorithm>

#include "records/basic_info.h"
#include "records/building_outline.h"
#include "support/qv_text.h"
#include "support/test_run.h"

namespace peltarix {
namespace {

using ::testing::ElementsAre;
using testing::InfoSection;

TEST(ConvertBasicInfoTest, QuotesProjectDesignerAndRemarkAsTheyStand) {
  testing::TestRun run(
      InfoSection({{"//JOHO_NAME", "SAMPLE HOUSE"}, {"//JOHO_TNTO", "DESIGN DEPT"}}));
  EXPECT_EQ(ConvertBasicInfo(run.context), 0);
  EXPECT_THAT(run.records(),
              ElementsAre("\"AA010100\",1,1,0,0,0,\"\",0,\"\",0,\"\",0,\"\","
                          "\"SAMPLE HOUSE\",\"\",\"\",\"DESIGN DEPT\",\"\",\"\",1,0\n"));
  EXPECT_THAT(run.log_lines(), ElementsAre("基本情報を処理しています・・・"));
}

TEST(ConvertBasicInfoTest, TextsAreCopiedBytewiseWithoutEscaping) {
  // "さくら" in CP932, a comma, a double quote and a percent sign.
  testing::TestRun run(InfoSection(
      {{"//JOHO_NAME", "\x82\xb3\x82\xad\x82\xe7,\"A\" 100%"}, {"//JOHO_TNTO", "<none>"}}));
  ConvertBasicInfo(run.context);
  EXPECT_THAT(
      run.records(),
      ElementsAre("\"AA010100\",1,1,0,0,0,\"\",0,\"\",0,\"\",0,\"\","
                  "\"\x82\xb3\x82\xad\x82\xe7,\"A\" 100%\",\"\",\"\",\"\",\"\",\"\",1,0\n"));
  EXPECT_THAT(run.log_lines(), ElementsAre("基本情報を処理しています・・・",
                                           "WARNING！ 変換元QVデータに設計者名が存在しません"));
}

TEST(ConvertBuildingOutlineTest, WritesFloorCountLevelsAndReferenceFloorHeights) {
  testing::TestRun run(InfoSection());
  run.context.output_lines.StartLine();  // the basic information record is line 1
  run.context.floors = {2, 400.0, {0.0, 400.0, 3300.0, 6200.0, 0.0}};
  EXPECT_EQ(ConvertBuildingOutline(run.context), 0);
  EXPECT_EQ(run.records()[1],
            "\"AA010110\",1,2,0,0,0,\"\",0,\"\",0,\"\",0,2,0,2,0,1000,,,,,3300.000000,6200.000000,"
            "0.000000,,,,400.000000,400.000000,450,450,,,,,,0,,,,,1,,0,,,,,0,0,,,\n");
  EXPECT_THAT(run.log_lines(), ElementsAre("建物概要を処理しています・・・"));
}

TEST(ConvertBuildingOutlineTest, MissingFloorHeightsWarnOnlyForExistingStoreys) {
  testing::TestRun run(InfoSection(
      {{"1//INIT_THKFLR", "<none>"}, {"2//INIT_THKFLR", "<none>"}, {"3//INIT_THKFLR", "150.5"}}));
  run.context.floors = {1, 0.0, {}};
  ConvertBuildingOutline(run.context);
  const std::string line = run.records()[0];
  EXPECT_EQ(std::count(line.begin(), line.end(), ','), 52);
  EXPECT_NE(line.find(",0.000000,,,150.5,"), std::string::npos) << line;
  EXPECT_THAT(run.log_lines(), ElementsAre("建物概要を処理しています・・・",
                                           "WARNING！ 変換元QVデータに1階基準床高が存在しません"));
}

}  // namespace
}  // namespace peltarix
