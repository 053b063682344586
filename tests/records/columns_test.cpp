#include "records/columns.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "run/progress_log.h"
#include "support/cli_runner.h"
#include "support/qv_text.h"
#include "support/test_run.h"

namespace peltarix {
namespace {

using ::testing::StartsWith;

using testing::Fields;
using testing::SetLevels;
using testing::TestRun;

using Column = testing::SourceRecord;

std::string ColumnSource(const std::string& count, const std::vector<Column>& columns) {
  return testing::RecordSection("HEIMENZU", "/HASIRA", count, columns);
}

std::string ColumnSource(const std::vector<Column>& columns) {
  return ColumnSource(std::to_string(columns.size()), columns);
}

Column MakeColumn(const std::string& kind, const std::string& kai, const std::string& posx = "1000",
                  const std::string& posy = "2000", const std::string& wdtx = "105",
                  const std::string& wdty = "105") {
  return {{"//KIND", kind}, {"//KAI", kai},   {"//WDTX", wdtx},
          {"//WDTY", wdty}, {"//POSX", posx}, {"//POSY", posy}};
}

// Field `number` (counted from 1, as the record layout counts) of a line.
std::string Field(std::string_view line, std::size_t number) {
  const std::vector<std::string> fields = Fields(line);
  return number <= fields.size() ? fields[number - 1] : "<missing>";
}

const std::string kProgressLine = "柱（自身情報）を処理しています・・・";

TEST(ConvertColumns, StoreyColumnKeepsItsSourceTextsAndSpansItsStorey) {
  TestRun run(ColumnSource({MakeColumn("0", "1F")}));
  SetLevels(run.context, 3, testing::kThreeStoreyLevels);
  // Lines 1 to 4 belong to the converters that ran before.
  for (int line = 1; line < 5; ++line) run.context.output_lines.StartLine("earlier record\n");

  EXPECT_EQ(ConvertColumns(run.context), 0);

  ASSERT_EQ(run.context.last_line_index(), 5);
  EXPECT_EQ(run.context.output_lines.line(5),
            "\"AD020101\",1,5,0,0,30,\"\",0,\"\",0,\"\",0,0,0,105,105,1,0,,,,,,1000,2000,"
            "500.000000,1105.000000,2105.000000,3300.000000\n");
  EXPECT_EQ(run.context.output_lines.line(4), "earlier record\n");
  EXPECT_EQ(run.log_lines(), std::vector<std::string>{kProgressLine});
}

TEST(ConvertColumns, ConvertsKindsZeroToFourAndReportsTheOthersOnce) {
  struct Case {
    std::string kind_text;
    bool converted;
    std::string kind_flag;       // field 17
    std::string kind_and_floor;  // field 18, on 2F
  };
  const std::vector<Case> cases = {
      {"-1", false, "", ""},  {"0", true, "1", "0"},          {"1", true, "0", "2"},
      {"2", true, "1", "3"},  {"3", true, "0", "3"},          {"4", true, "0", "3"},
      {"5", false, "", ""},   {"7", false, "", ""},           {"", true, "1", "0"},
      {"4x", true, "0", "3"}, {"99999999999", false, "", ""},
  };
  std::vector<Column> columns;
  for (const Case& c : cases) columns.push_back(MakeColumn(c.kind_text, "2F"));
  TestRun run(ColumnSource(columns));
  SetLevels(run.context, 3, testing::kThreeStoreyLevels);

  ConvertColumns(run.context);

  std::size_t line = 1;
  for (const Case& c : cases) {
    SCOPED_TRACE("kind text \"" + c.kind_text + "\"");
    if (!c.converted) continue;
    ASSERT_LE(line, static_cast<std::size_t>(run.context.last_line_index()));
    const std::string record(run.context.output_lines.line(line));
    EXPECT_EQ(Field(record, 3), std::to_string(line));
    EXPECT_EQ(Field(record, 17), c.kind_flag);
    EXPECT_EQ(Field(record, 18), c.kind_and_floor);
    ++line;
  }
  EXPECT_EQ(run.context.last_line_index(), 7);
  // The warning, then where each skipped column stands, then the share of
  // the 2F columns standing on a 1F column (none: there is no 1F).
  EXPECT_THAT(run.log_lines(),
              ::testing::ElementsAre(
                  kProgressLine,
                  std::string(kWarningPrefix) +
                      "管柱・通し柱・丸柱・半柱・1/4柱以外のコンバートできない柱が4つありました",
                  StartsWith("詳細：柱（自身情報）の1件目：種類 -1、2階、位置 ("),
                  StartsWith("詳細：柱（自身情報）の7件目：種類 5、2階、位置 ("),
                  StartsWith("詳細：柱（自身情報）の8件目：種類 7、2階、位置 ("),
                  StartsWith("詳細：柱（自身情報）の11件目：種類 99999999999、2階、位置 ("),
                  "詳細：2階の柱の直下率 0.0%（7本中0本が1階の柱の上）"));
}

TEST(ConvertColumns, ThroughColumnCodeTellsTheGroundFloorApart) {
  TestRun run(ColumnSource({MakeColumn("1", "1F"), MakeColumn("1", "2F"), MakeColumn("1", "3F"),
                            MakeColumn("2", "1F"), MakeColumn("3", "1F")}));
  SetLevels(run.context, 3, testing::kThreeStoreyLevels);

  ConvertColumns(run.context);

  ASSERT_EQ(run.context.last_line_index(), 5);
  const char* expected_codes[] = {"1", "2", "2", "3", "3"};
  for (int line = 1; line <= 5; ++line) {
    SCOPED_TRACE(line);
    EXPECT_EQ(Field(run.context.output_lines.line(line), 18), expected_codes[line - 1]);
  }
  EXPECT_EQ(Field(run.context.output_lines.line(2), 2), "2");
}

TEST(ConvertColumns, OnlyHalfAndQuarterColumnsComputeTheirFirstPoint) {
  struct Case {
    const char* what;
    Column column;
    // Fields 15, 16, 24, 25, 27 and 28.
    std::vector<std::string> fields;
  };
  const std::vector<Case> cases = {
      {"half column: X moved by half the width",
       MakeColumn("3", "1F", "1000", "2000", "120", "105"),
       {"120", "105", "1060.000000", "2000", "1120.000000", "2105.000000"}},
      {"quarter column: X and Y moved by half the widths",
       MakeColumn("4", "1F", "1000", "2000", "120", "120"),
       {"120", "120", "1060.000000", "1940.000000", "1120.000000", "2120.000000"}},
      {"round column: texts copied as they stand",
       MakeColumn("2", "1F", "1000", "0.0", "105.0", " 90"),
       {"105.0", " 90", "1000", "0.0", "1105.000000", "90.000000"}},
  };
  std::vector<Column> columns;
  for (const Case& c : cases) columns.push_back(c.column);
  TestRun run(ColumnSource(columns));
  SetLevels(run.context, 3, testing::kThreeStoreyLevels);

  ConvertColumns(run.context);

  ASSERT_EQ(run.context.last_line_index(), static_cast<int>(cases.size()));
  for (std::size_t i = 0; i < cases.size(); ++i) {
    SCOPED_TRACE(cases[i].what);
    const std::vector<std::string> fields = Fields(run.context.output_lines.line(i + 1));
    ASSERT_EQ(fields.size(), 29u);
    EXPECT_EQ((std::vector<std::string>{fields[14], fields[15], fields[23], fields[24], fields[26],
                                        fields[27]}),
              cases[i].fields);
  }
}

TEST(ConvertColumns, LevelsFollowTheColumnsStorey) {
  struct Case {
    std::string kai;
    std::string floor_field;
    std::string bottom;
    std::string top;
  };
  const std::vector<Case> cases = {
      {"1F", "1", "500.000000", "3300.000000"},
      {"2F", "2", "3300.000000", "6100.000000"},
      {"3F", "3", "6100.000000", "8900.000000"},
      // Any other floor text belongs to no storey and takes level 0.
      {"4F", "4", "0.000000", "0.000000"},
      {"1f", "1", "0.000000", "0.000000"},
      {"", "", "0.000000", "0.000000"},
  };
  std::vector<Column> columns;
  for (const Case& c : cases) columns.push_back(MakeColumn("0", c.kai));
  TestRun run(ColumnSource(columns));
  SetLevels(run.context, 3, testing::kThreeStoreyLevels);

  ConvertColumns(run.context);

  ASSERT_EQ(run.context.last_line_index(), static_cast<int>(cases.size()));
  for (std::size_t i = 0; i < cases.size(); ++i) {
    SCOPED_TRACE("//KAI \"" + cases[i].kai + "\"");
    const std::vector<std::string> fields = Fields(run.context.output_lines.line(i + 1));
    ASSERT_EQ(fields.size(), 29u);
    EXPECT_EQ(fields[1], cases[i].floor_field);
    EXPECT_EQ(fields[25], cases[i].bottom);
    EXPECT_EQ(fields[28], cases[i].top);
  }
}

TEST(ConvertColumns, MissingValuesAreEmptyFieldsAndCountAsZero) {
  TestRun run(ColumnSource({Column{{"//KAI", "1F"}}}));
  SetLevels(run.context, 3, testing::kThreeStoreyLevels);

  ConvertColumns(run.context);

  ASSERT_EQ(run.context.last_line_index(), 1);
  EXPECT_EQ(run.context.output_lines.line(1),
            "\"AD020101\",1,1,0,0,30,\"\",0,\"\",0,\"\",0,0,0,,,1,0,,,,,,,,"
            "500.000000,0.000000,0.000000,3300.000000\n");
}

TEST(ConvertColumns, NoColumnsIsAWarning) {
  TestRun run(ColumnSource({}));
  SetLevels(run.context, 3, testing::kThreeStoreyLevels);

  EXPECT_EQ(ConvertColumns(run.context), 0);

  EXPECT_EQ(run.context.last_line_index(), 0);
  EXPECT_EQ(run.log_lines(),
            (std::vector<std::string>{
                kProgressLine, std::string(kWarningPrefix) + "柱（自身情報）が存在しません"}));
}

TEST(ConvertColumns, NegativeCountEndsSilently) {
  TestRun run(ColumnSource("-2", {MakeColumn("0", "1F")}));
  SetLevels(run.context, 3, testing::kThreeStoreyLevels);

  EXPECT_EQ(ConvertColumns(run.context), 0);

  EXPECT_EQ(run.context.last_line_index(), 0);
  EXPECT_EQ(run.log_lines(), std::vector<std::string>{kProgressLine});
}

}  // namespace
}  // namespace peltarix
