#include "preview/plan_model.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "preview/record_fields.h"
#include "records/columns.h"
#include "support/qv_text.h"
#include "support/test_run.h"

namespace peltarix {
namespace {

struct SplitCase {
  std::string line;
  std::vector<std::string_view> fields;
};

TEST(SplitRecordFields, QuotedTextsLoseTheirQuotesAndKeepTheirCommas) {
  const std::vector<SplitCase> cases = {
      {"\"DC020100\",1,,\"a,b\",0\r\n", {"DC020100", "1", "", "a,b", "0"}},
      {"1,,,\n", {"1", "", "", ""}},
      {"\"\",0,\"\"", {"", "0", ""}},
      {"\"open", {"open"}},
      {"", {""}},
  };
  for (const SplitCase& test : cases)
    EXPECT_EQ(SplitRecordFields(test.line), test.fields) << test.line;
}

TEST(BuildPlanModel, ReadsOutlinesRoomsAndRoofsAsWrittenAndGroupsThemByFloor) {
  const std::vector<std::string> lines = {
      "\"MORVANTEL\",\"V11-01-000\",\"20081215\",4,0,0,\"\",\"\"\n",
      "\"DC010100\",2,1,0,0,30,\"\",0,\"\",0,\"\",0,5,0.00,0.00,3300.00,0.00,7280.00,3300.00,"
      "9100.00,7280.00,3300.00,9100.00,0.00,3300.00,0.00,0.00,3300.00,1\n",
      "\"DC020100\",1,2,0,0,30,\"\",0,\"\",0,\"\",0,101,\"\x97\x6d\x8e\xba\",0,0,2400,0.0,0.0,,5,"
      "0,0,500.000000,3640,0,500.000000,3640,2730,500.000000,0,2730,500.000000,0,0,500.000000,"
      ",,,,,,,,,,,,,,,,,,,\n",
      "\"AB010101\",2,3,0,0,30,\"\",0,\"\",0,\"\",0,0,40,1,4550.000000,0.000000,5800.000000,0.0, "
      "-1.0, 0.0,5,-500,-500,5600.000000,9600,-500,5600.000000,9600,3640,7256.000000,-500,3640,"
      "7256.000000,-500,-500,5600.000000\n",
      // A room without a floor cannot be placed; a cut-off outline keeps what is there.
      "\"DC020100\",,4,0,0,30,\"\",0,\"\",0,\"\",0,0,\"()\",0,,,0.0,0.0,,1,,,0.000000\n",
      "\"DC010100\",1,5,0,0,30,\"\",0,\"\",0,\"\",0,999,0.00,0.00,0.0,10.00\n",
  };
  const PlanModel model = BuildPlanModel(lines, {});
  ASSERT_EQ(model.floors.size(), 2u);
  EXPECT_EQ(model.floors[0].floor, 1);
  EXPECT_EQ(model.floors[0].outline, (PointList{{0, 0}}));
  ASSERT_EQ(model.floors[0].rooms.size(), 1u);
  const PlanRoom& room = model.floors[0].rooms[0];
  EXPECT_EQ(room.kind_code, 101);
  EXPECT_EQ(room.name, "\x97\x6d\x8e\xba");
  EXPECT_EQ(room.outline.size(), 5u);
  EXPECT_DOUBLE_EQ(EnclosedArea(room.outline), 3640.0 * 2730.0);
  EXPECT_EQ(model.floors[1].outline.size(), 5u);
  EXPECT_DOUBLE_EQ(EnclosedArea(model.floors[1].outline), 9100.0 * 7280.0);

  ASSERT_EQ(model.roofs.size(), 1u);
  const PlanRoof& roof = model.roofs[0];
  EXPECT_EQ(roof.floor, 2);
  EXPECT_EQ(roof.pitch, 40);
  EXPECT_EQ(roof.fall, (Point{0.0, -1.0}));
  ASSERT_EQ(roof.vertices.size(), 5u);
  EXPECT_EQ(roof.vertices[2].height, 7256.0);
  // Only the edge whose both ends lie at the eave height is an eave.
  EXPECT_EQ(roof.eave_edges, (std::vector<bool>{true, false, false, false}));
}

TEST(BuildPlanModel, ColumnKindsAndBoxesComeBackFromTheRecords) {
  // Kinds 0 to 4 at (1000, 2000), 120 by 90: every kind writes the box's far
  // corner; half and quarter columns share their codes.
  std::vector<testing::SourceRecord> columns;
  for (const char* kind : {"0", "1", "2", "3", "4"}) {
    columns.push_back({{"//KIND", kind},
                       {"//KAI", "1F"},
                       {"//WDTX", "120"},
                       {"//WDTY", "90"},
                       {"//POSX", "1000"},
                       {"//POSY", "2000"}});
  }
  testing::TestRun run(testing::RecordSection("HEIMENZU", "/HASIRA", "5", columns));
  ConvertColumns(run.context);
  const PlanModel model = BuildPlanModel(run.context.output_lines, {});
  ASSERT_EQ(model.floors.size(), 1u);
  std::vector<ColumnKind> kinds;
  for (const PlanColumn& column : model.floors[0].columns) {
    kinds.push_back(column.kind);
    EXPECT_EQ((std::vector<double>{column.x, column.y, column.width_x, column.width_y}),
              (std::vector<double>{1000, 2000, 120, 90}));
  }
  EXPECT_EQ(kinds,
            (std::vector<ColumnKind>{ColumnKind::kStorey, ColumnKind::kThrough, ColumnKind::kRound,
                                     ColumnKind::kHalf, ColumnKind::kQuarter}));
}

TEST(BuildPlanModel, BlocksJoinTheirFloorsAndLabelPointsLieInside) {
  const PerimeterBlocks blocks = {{1, 1, {{0, 0}, {10, 0}, {10, 10}, {0, 10}, {0, 0}}, false},
                                  {2, 1, {{30, 0}, {40, 0}, {40, 10}, {30, 0}}, true},
                                  {3, 4, {{0, 0}, {1, 0}, {0, 0}}, false}};
  const PlanModel model = BuildPlanModel(std::vector<std::string>{}, blocks);
  ASSERT_EQ(model.floors.size(), 1u);
  ASSERT_EQ(model.floors[0].blocks.size(), 2u);
  EXPECT_TRUE(model.floors[0].blocks[1].left_out);
  EXPECT_FALSE(model.floors[0].has_outline);
  EXPECT_EQ(LabelPoint(blocks[0].points), (Point{5, 5}));
  EXPECT_EQ(LabelPoint(blocks[2].points), (Point{1.0 / 3.0, 0}));
}

}  // namespace
}  // namespace peltarix
