#include "conversion/conversion_run.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

#include "conversion/transcript.h"
#include "run/header_line.h"
#include "run/validation.h"
#include "support/file_run.h"
#include "support/qv_text.h"
#include "support/temp_dir.h"
#include "support/test_run.h"

namespace peltarix {
namespace {

using ::testing::ElementsAre;
using testing::InfoSection;
using testing::ReadBytes;
using testing::WriteBytes;

using testing::FileRun;
using testing::FixedTime;

constexpr const char* kStart = "☆☆☆コンバート開始[2008/12/15,09:05:07]☆☆☆";
constexpr const char* kEnd = "☆☆☆コンバート終了[2008/12/15,09:05:07]☆☆☆";
constexpr const char* kSuccess = "△▼△正常終了しました△▼△";
constexpr const char* kFailure = "▲▽▲正常に終了できませんでした▲▽▲";

TEST(ValidateSourceTest, EachCheckStopsTheRunWithItsMessage) {
  const struct {
    std::string_view key;
    std::string_view value;
    std::string_view message;
  } cases[] = {
      {"//INIT_PH", "<none>", "ペントハウスのデータはコンバートできません"},
      {"//INIT_PH", "00", "ペントハウスのデータはコンバートできません"},
      {"//INIT_FL", "0", "１階～３階以外のデータはコンバートできません。"},
      {"//INIT_FL", "4", "１階～３階以外のデータはコンバートできません。"},
      {"//INIT_FL", "<none>", "１階～３階以外のデータはコンバートできません。"},
      {"//INIT_BS", " 0", "地下階のデータはコンバートできません。"},
      {"//JOHO_KOZO", "wood", "主たる構造がWOOD以外なのでコンバートできません"},
      {"2//INIT_KOZO", "RC", "2階の構造がWOOD以外なのでコンバートできません"},
  };
  for (const auto& c : cases) {
    FileRun run(InfoSection({{c.key, c.value}}));
    EXPECT_EQ(run.Execute(), -1) << c.key << "=" << c.value;
    EXPECT_THAT(run.run.log_lines(), ElementsAre(kStart, "ERROR！ " + std::string(c.message),
                                                 "エラー 1、警告 0", kFailure, kEnd))
        << c.key << "=" << c.value;
    EXPECT_FALSE(std::filesystem::exists(run.destination)) << "validation creates no file";
  }
}

TEST(ValidateSourceTest, OnlyStoreysUpToTheFloorCountMustBeWood) {
  FileRun run(InfoSection({{"3//INIT_KOZO", "RC"}}));
  EXPECT_EQ(run.Execute(DataKindSet::None()), 0);
}

TEST(ValidateSourceTest, SourceIsCheckedBeforeDestination) {
  FileRun run(InfoSection());
  run.run.context.source_file_path = run.dir.File("missing.QV");
  run.run.context.destination_file_path = run.dir.File("no/such/folder/out.csv");
  EXPECT_EQ(run.Execute(), -1);
  EXPECT_EQ(run.run.log_lines()[1], "ERROR！ QVファイルを開けません");

  run.run.context.source_file_path = run.source;
  EXPECT_EQ(run.Execute(), -1);
  EXPECT_EQ(run.run.log_lines()[1], "ERROR！ CSVファイルを開けません");
}

TEST(ValidateSourceTest, DestinationThatIsTheSourceIsRefusedAndTheSourceKept) {
  // Opening the destination for writing would empty the source file.
  FileRun run(InfoSection());
  run.run.context.destination_file_path = run.source;
  EXPECT_EQ(run.Execute(), -1);
  EXPECT_EQ(run.run.log_lines()[1], "ERROR！ 変換元QVファイルと変換先CSVファイルが同じです");
  EXPECT_EQ(ReadBytes(run.source), InfoSection());
}

TEST(ComputeFloorLevelsTest, LevelsChainFromTheFoundation) {
  testing::TestRun run(InfoSection({{"3//INIT_HGTNOKI", "<none>"}}));
  ASSERT_EQ(ComputeFloorLevels(run.context), 0);
  EXPECT_EQ(run.context.floors.floor_count, 2);
  EXPECT_THAT(run.context.floors.level, ElementsAre(0.0, 400.0, 3300.0, 6100.0, 0.0));
  EXPECT_TRUE(run.log_lines().empty());
}

TEST(ComputeFloorLevelsTest, MissingHeightsRestartTheChain) {
  testing::TestRun run(InfoSection(
      {{"//INIT_KISOH", "<none>"}, {"1//INIT_HGTNOKI", "<none>"}, {"3//INIT_HGTNOKI", "abc"}}));
  ASSERT_EQ(ComputeFloorLevels(run.context), 0);
  // No foundation: warned, levels from 0; no storey 1 height: level 2 is 0;
  // a height that is not a number repeats the level below it.
  EXPECT_THAT(run.context.floors.level, ElementsAre(0.0, 0.0, 0.0, 2800.0, 2800.0));
  EXPECT_THAT(run.log_lines(), ElementsAre("WARNING！ 変換元QVデータに基礎高が存在しません。"));
}

TEST(BuildHeaderLineTest, HeaderNamesProgramDateAndRecordCount) {
  testing::TestRun run;
  run.context.clock = FixedTime;
  for (int i = 0; i < 12; ++i) run.context.output_lines.StartLine();
  BuildHeaderLine(run.context);
  EXPECT_EQ(run.context.output_lines.line(0),
            "\"MORVANTEL\",\"V11-01-000\",\"20081215\",12,0,0,\"\",\"\"\n");

  run.context.clock = [] { return std::optional<std::tm>(); };
  BuildHeaderLine(run.context);
  EXPECT_EQ(run.context.output_lines.line(0),
            "\"MORVANTEL\",\"V11-01-000\",\"2001/01/01\",12,0,0,\"\",\"\"\n");
  EXPECT_THAT(run.log_lines(), ElementsAre("WARNING！ 日付の取得に失敗しました"));
}

TEST(RunConversionTest, NoBoxTickedWritesTheHeaderOnly) {
  FileRun run(InfoSection());
  EXPECT_EQ(run.Execute(DataKindSet::None()), 0);
  EXPECT_EQ(run.Csv(), "\"MORVANTEL\",\"V11-01-000\",\"20081215\",0,0,0,\"\",\"\"\r\n");
  EXPECT_THAT(run.run.log_lines(), ElementsAre(kStart, "エラー 0、警告 0", kSuccess, kEnd));
}

TEST(RunConversionTest, WarningsStillEndInSuccessWithTheirCount) {
  FileRun run(InfoSection({{"//JOHO_NAME", "<none>"}, {"//JOHO_TNTO", "<none>"}}));
  const DataKindSet kinds = DataKindSet::Only(DataKind::kBasicInfo);
  EXPECT_EQ(run.Execute(kinds), 0);
  EXPECT_THAT(run.run.log_lines(), ElementsAre(kStart, "基本情報を処理しています・・・",
                                               "WARNING！ 変換元QVデータに物件名が存在しません",
                                               "WARNING！ 変換元QVデータに設計者名が存在しません",
                                               "エラー 0、警告 2", kSuccess, kEnd));
}

TEST(RunConversionTest, SecondRunNumbersFromOneAndLeavesNoStaleLines) {
  FileRun run(InfoSection({{"//JOHO_NAME", "100% WOOD"}}));
  EXPECT_EQ(run.Execute(), 0);
  const DataKindSet kinds = DataKindSet::Only(DataKind::kBasicInfo);
  EXPECT_EQ(run.Execute(kinds), 0);
  EXPECT_EQ(run.Csv(),
            "\"MORVANTEL\",\"V11-01-000\",\"20081215\",1,0,0,\"\",\"\"\r\n"
            "\"AA010100\",1,1,0,0,0,\"\",0,\"\",0,\"\",0,\"\",\"100% WOOD\",\"\",\"\","
            "\"DESIGN DEPT\",\"\",\"\",1,0\r\n");
}

TEST(RunConversionTest, SourceIsReadOnceAtValidation) {
  // A change to the file after validation is not seen by the lookups.
  FileRun run(InfoSection());
  ASSERT_EQ(ValidateSource(run.run.context), 0);
  WriteBytes(run.source, "");
  EXPECT_EQ(ComputeFloorLevels(run.run.context), 0);
  EXPECT_EQ(run.run.context.floors.floor_count, 2);
}

}  // namespace
}  // namespace peltarix
