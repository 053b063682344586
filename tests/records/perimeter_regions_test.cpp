#include "records/perimeter_regions.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "geometry/point.h"
#include "run/number_format.h"
#include "run/perimeter_blocks.h"
#include "run/progress_log.h"
#include "support/qv_text.h"
#include "support/test_run.h"

namespace peltarix {
namespace {

using testing::SetLevels;
using testing::TestRun;

using Block = testing::SourceRecord;

// A perimeter block on floor `kai` with the given corners (not closed).
Block MakeBlock(const std::string& kai, const PointList& corners) {
  Block block = {{"//KAI", kai}, {"//PNUM", FormatInt(static_cast<int>(corners.size()))}};
  for (std::size_t k = 0; k < corners.size(); ++k) {
    const std::string number = FormatInt(static_cast<int>(k + 1));
    block.push_back({"//X" + number, FormatFixed(corners[k].x, 2)});
    block.push_back({"//Y" + number, FormatFixed(corners[k].y, 2)});
  }
  return block;
}

// A rectangle block, its corners counter-clockwise from the lower left as the
// CAD system writes them.
Block Rectangle(const std::string& kai, double x0, double y0, double x1, double y1) {
  return MakeBlock(kai, {{x0, y0}, {x1, y0}, {x1, y1}, {x0, y1}});
}

Block Without(Block block, const std::string& key) {
  std::erase_if(block, [&](const auto& field) { return field.first == key; });
  return block;
}

Block WithPointCount(Block block, const std::string& count) {
  return testing::WithValue(std::move(block), "//PNUM", count);
}

std::string PerimeterSource(const std::string& floor_count, const std::string& block_count,
                            const std::vector<Block>& blocks) {
  std::string text = "QVINFO\n/INIT\n//INIT_FL\n" + floor_count + "\nENDSEC\nQVINFOEND\n";
  return text + testing::RecordSection("HAICHI_FLOOR", "/FLOORBLK", block_count, blocks);
}

std::string PerimeterSource(const std::string& floor_count, const std::vector<Block>& blocks) {
  return PerimeterSource(floor_count, std::to_string(blocks.size()), blocks);
}

// Level 2 has a fraction, to show the two decimals of the height field.
constexpr std::array<double, 5> kLevels = {0.0, 500.0, 3300.25, 6100.0, 8900.0};

// The x and y fields of a perimeter record's points, as written.
std::vector<std::pair<std::string, std::string>> WrittenPoints(const std::string& record) {
  std::vector<std::string> fields(1);
  for (char c : record.substr(0, record.size() - 1)) {
    if (c == ',') {
      fields.emplace_back();
    } else {
      fields.back() += c;
    }
  }
  std::vector<std::pair<std::string, std::string>> points;
  for (std::size_t k = 13; k + 2 < fields.size(); k += 3)
    points.push_back({fields[k], fields[k + 1]});
  return points;
}

constexpr const char* kProgressLine = "外周領域（自身情報）を処理しています・・・";
constexpr const char* kTwistNotice = "外周がねじれまたはくびれ変換されています。";
constexpr const char* kReenterNotice = "ねじれの場合は再入力が必要です。";

TEST(ConvertPerimeterRegions, SingleBlockBecomesTheClockwiseOutlineOfItsFloor) {
  TestRun run(PerimeterSource("1", {Rectangle("1", 0, 0, 9100, 7280)}));
  SetLevels(run.context, 3, kLevels);
  for (int line = 1; line <= 4; ++line) run.context.output_lines.StartLine("earlier record\n");

  EXPECT_EQ(ConvertPerimeterRegions(run.context), 0);

  ASSERT_EQ(run.context.last_line_index(), 5);
  EXPECT_EQ(run.context.output_lines.line(5),
            "\"DC010100\",1,5,0,0,30,\"\",0,\"\",0,\"\",0,5,0.00,0.00,0.0,0.00,7280.00,0.0,"
            "9100.00,7280.00,0.0,9100.00,0.00,0.0,0.00,0.00,0.0,1\n");
  EXPECT_EQ(run.log_lines(), std::vector<std::string>{kProgressLine});
}

TEST(ConvertPerimeterRegions, ClockwiseBlockKeepsItsOrder) {
  TestRun run(PerimeterSource("1", {MakeBlock("1", {{0, 0}, {0, 10}, {10, 10}, {10, 0}})}));
  SetLevels(run.context, 3, kLevels);
  ConvertPerimeterRegions(run.context);
  ASSERT_EQ(run.records().size(), 1u);
  EXPECT_EQ(WrittenPoints(run.records()[0]),
            (std::vector<std::pair<std::string, std::string>>{{"0.00", "0.00"},
                                                              {"0.00", "10.00"},
                                                              {"10.00", "10.00"},
                                                              {"10.00", "0.00"},
                                                              {"0.00", "0.00"}}));
}

TEST(ConvertPerimeterRegions, BlocksSharingAnEdgeAreWrittenAsOneOutline) {
  TestRun run(PerimeterSource(
      "1", {Rectangle("1", 0, 0, 9100, 5460), Rectangle("1", 0, 5460, 5460, 7280)}));
  SetLevels(run.context, 3, kLevels);
  ConvertPerimeterRegions(run.context);
  ASSERT_EQ(run.records().size(), 1u);
  EXPECT_EQ(run.records()[0],
            "\"DC010100\",1,1,0,0,30,\"\",0,\"\",0,\"\",0,8,"
            "0.00,0.00,0.0,0.00,5460.00,0.0,0.00,7280.00,0.0,5460.00,7280.00,0.0,"
            "5460.00,5460.00,0.0,9100.00,5460.00,0.0,9100.00,0.00,0.0,0.00,0.00,0.0,1\n");
  EXPECT_EQ(run.log_lines(), std::vector<std::string>{kProgressLine});
}

TEST(ConvertPerimeterRegions, CrossingPointsOfOverlappingBlocksBecomeVertices) {
  TestRun run(PerimeterSource(
      "1", {Rectangle("1", 0, 0, 4000, 3000), Rectangle("1", 2000, 1000, 6000, 5000)}));
  SetLevels(run.context, 3, kLevels);
  ConvertPerimeterRegions(run.context);
  ASSERT_EQ(run.records().size(), 1u);
  EXPECT_EQ(WrittenPoints(run.records()[0]),
            (std::vector<std::pair<std::string, std::string>>{{"0.00", "0.00"},
                                                              {"0.00", "3000.00"},
                                                              {"2000.00", "3000.00"},
                                                              {"2000.00", "5000.00"},
                                                              {"6000.00", "5000.00"},
                                                              {"6000.00", "1000.00"},
                                                              {"4000.00", "1000.00"},
                                                              {"4000.00", "0.00"},
                                                              {"0.00", "0.00"}}));
}

TEST(ConvertPerimeterRegions, WritesOneRecordPerFloorWithTheFloorsHeight) {
  TestRun run(PerimeterSource("3", {Rectangle("3", 0, 0, 10, 10), Rectangle("1", 0, 0, 20, 10),
                                    Rectangle("2", 0, 0, 30, 10)}));
  SetLevels(run.context, 3, kLevels);
  ConvertPerimeterRegions(run.context);
  const std::vector<std::string> records = run.records();
  ASSERT_EQ(records.size(), 3u);
  EXPECT_EQ(records[0],
            "\"DC010100\",1,1,0,0,30,\"\",0,\"\",0,\"\",0,5,0.00,0.00,0.0,0.00,10.00,0.0,"
            "20.00,10.00,0.0,20.00,0.00,0.0,0.00,0.00,0.0,1\n");
  EXPECT_EQ(records[1],
            "\"DC010100\",2,2,0,0,30,\"\",0,\"\",0,\"\",0,5,0.00,0.00,3300.25,0.00,10.00,3300.25,"
            "30.00,10.00,3300.25,30.00,0.00,3300.25,0.00,0.00,3300.25,1\n");
  EXPECT_EQ(records[2],
            "\"DC010100\",3,3,0,0,30,\"\",0,\"\",0,\"\",0,5,0.00,0.00,6100.00,0.00,10.00,6100.00,"
            "10.00,10.00,6100.00,10.00,0.00,6100.00,0.00,0.00,6100.00,1\n");
}

TEST(ConvertPerimeterRegions, BlocksOnFloorZeroOrAboveTheFloorCountAreNeverUsed) {
  TestRun run(PerimeterSource("1", {Rectangle("0", 0, 0, 50, 50), Rectangle("1", 0, 0, 10, 10),
                                    Rectangle("2", 0, 0, 40, 40)}));
  SetLevels(run.context, 3, kLevels);
  ConvertPerimeterRegions(run.context);
  ASSERT_EQ(run.records().size(), 1u);
  EXPECT_EQ(WrittenPoints(run.records()[0]).size(), 5u);
  EXPECT_EQ(WrittenPoints(run.records()[0])[2],
            (std::pair<std::string, std::string>{"10.00", "10.00"}));
}

TEST(ConvertPerimeterRegions, FloorWithoutBlocksIsWrittenEmptyWithBothNotices) {
  TestRun run(PerimeterSource("2", {Rectangle("1", 0, 0, 10, 10)}));
  SetLevels(run.context, 3, kLevels);
  ConvertPerimeterRegions(run.context);
  ASSERT_EQ(run.records().size(), 2u);
  EXPECT_EQ(run.records()[1], "\"DC010100\",2,2,0,0,30,\"\",0,\"\",0,\"\",0,0,1\n");
  EXPECT_EQ(run.log_lines(),
            (std::vector<std::string>{kProgressLine, kTwistNotice, kReenterNotice,
                                      "詳細：2階の外周は点が4つに満たず面になりません"}));
}

TEST(ConvertPerimeterRegions, MissingPointCountSilencesTheNoticesOfThisAndLaterFloors) {
  // Floor 1 has no block (notices), floor 2's second block lacks "//PNUM"
  // (warning; its first block stands), floor 3 has no block (no notices).
  TestRun run(PerimeterSource(
      "3", {Rectangle("2", 0, 0, 10, 10), Without(Rectangle("2", 0, 10, 10, 20), "//PNUM"),
            Rectangle("2", 0, 20, 10, 30)}));
  SetLevels(run.context, 3, kLevels);
  ConvertPerimeterRegions(run.context);
  const std::vector<std::string> records = run.records();
  ASSERT_EQ(records.size(), 3u);
  EXPECT_EQ(records[0], "\"DC010100\",1,1,0,0,30,\"\",0,\"\",0,\"\",0,0,1\n");
  EXPECT_EQ(WrittenPoints(records[1]).size(), 5u);
  EXPECT_EQ(WrittenPoints(records[1])[1], (std::pair<std::string, std::string>{"0.00", "10.00"}));
  EXPECT_EQ(records[2], "\"DC010100\",3,3,0,0,30,\"\",0,\"\",0,\"\",0,0,1\n");
  EXPECT_EQ(run.log_lines(), (std::vector<std::string>{
                                 kProgressLine, kTwistNotice, kReenterNotice,
                                 "詳細：1階の外周は点が4つに満たず面になりません",
                                 std::string(kWarningPrefix) +
                                     "変換元QVファイルに2階の外周領域（自身情報）が存在しません"}));
}

TEST(ConvertPerimeterRegions, FirstBlockWithoutPointCountLeavesTheFloorEmpty) {
  TestRun run(PerimeterSource(
      "1", {Without(Rectangle("1", 0, 0, 10, 10), "//PNUM"), Rectangle("1", 0, 0, 10, 10)}));
  SetLevels(run.context, 3, kLevels);
  ConvertPerimeterRegions(run.context);
  ASSERT_EQ(run.records().size(), 1u);
  EXPECT_EQ(run.records()[0], "\"DC010100\",1,1,0,0,30,\"\",0,\"\",0,\"\",0,0,1\n");
  EXPECT_EQ(run.log_lines().size(), 2u);
}

TEST(ConvertPerimeterRegions, NoBlocksAtAllGivesOneWarningAndNoRecord) {
  TestRun run(PerimeterSource("2", "0", {}));
  SetLevels(run.context, 3, kLevels);
  EXPECT_EQ(ConvertPerimeterRegions(run.context), 0);
  EXPECT_TRUE(run.records().empty());
  EXPECT_EQ(run.log_lines(),
            (std::vector<std::string>{kProgressLine,
                                      std::string(kWarningPrefix) +
                                          "変換元QVファイルに外周領域（自身情報）が存在しません"}));
}

TEST(ConvertPerimeterRegions, BlockWithoutPointsIsLeftOutSilently) {
  // With count 0 the first block would be a lone closing copy of a point that
  // was never read; a negative count would make the perimeter's count
  // negative. The next block becomes the floor's first.
  for (const std::string count : {"0", "-3"}) {
    TestRun run(PerimeterSource("1", {WithPointCount(Rectangle("1", 50, 50, 60, 60), count),
                                      Rectangle("1", 0, 0, 10, 10)}));
    SetLevels(run.context, 3, kLevels);
    ConvertPerimeterRegions(run.context);
    ASSERT_EQ(run.records().size(), 1u) << count;
    EXPECT_EQ(WrittenPoints(run.records()[0])[2],
              (std::pair<std::string, std::string>{"10.00", "10.00"}))
        << count;
    EXPECT_EQ(run.log_lines(), std::vector<std::string>{kProgressLine}) << count;
  }
}

TEST(ConvertPerimeterRegions, PointCountBeyondTheSourceIsRefusedWithAWarning) {
  TestRun run(PerimeterSource("1", {WithPointCount(Rectangle("1", 0, 0, 10, 10), "2147483647"),
                                    Rectangle("1", 0, 0, 20, 20)}));
  SetLevels(run.context, 3, kLevels);
  ConvertPerimeterRegions(run.context);
  ASSERT_EQ(run.records().size(), 1u);
  EXPECT_EQ(WrittenPoints(run.records()[0])[2],
            (std::pair<std::string, std::string>{"20.00", "20.00"}));
  EXPECT_EQ(
      run.log_lines(),
      (std::vector<std::string>{
          kProgressLine, std::string(kWarningPrefix) +
                             "外周領域（自身情報）の1件目の頂点数2147483647が変換元QVファイルの"
                             "行数を超えるためコンバートしません"}));
}

std::string ApartWarning(int block_number) {
  return std::string(kWarningPrefix) + "外周領域（自身情報）の" + FormatInt(block_number) +
         "件目は外周から離れているため外周に含めません";
}

TEST(ConvertPerimeterRegions, BlockApartFromTheOutlineIsLeftOutWithAWarning) {
  // Block 2 on floor 1 lies apart; block 3 is floor 2's only block.
  TestRun run(PerimeterSource("2", {Rectangle("1", 0, 0, 10, 10), Rectangle("1", 100, 0, 110, 10),
                                    Rectangle("2", 0, 0, 10, 10)}));
  SetLevels(run.context, 3, kLevels);
  PerimeterBlocks blocks;
  run.context.perimeter_blocks = &blocks;
  ConvertPerimeterRegions(run.context);
  ASSERT_EQ(run.records().size(), 2u);
  EXPECT_EQ(WrittenPoints(run.records()[0])[2],
            (std::pair<std::string, std::string>{"10.00", "10.00"}));
  EXPECT_EQ(run.log_lines(), (std::vector<std::string>{kProgressLine, ApartWarning(2)}));
  // The blocks as read from the source, in the order the floors read them.
  ASSERT_EQ(blocks.size(), 3u);
  EXPECT_EQ((std::vector<int>{blocks[0].number, blocks[1].number, blocks[2].number}),
            (std::vector<int>{1, 2, 3}));
  EXPECT_EQ((std::vector<bool>{blocks[0].left_out, blocks[1].left_out, blocks[2].left_out}),
            (std::vector<bool>{false, true, false}));
  EXPECT_EQ(blocks[2].floor, 2);
  EXPECT_EQ(blocks[1].points, (PointList{{100, 0}, {110, 0}, {110, 10}, {100, 10}, {100, 0}}));
}

TEST(ConvertPerimeterRegions, BlockWhoseUnionNeedsMoreThanTwoLoopsIsLeftOut) {
  // An E open at the top, closed by a bar: the union has two holes.
  const Block comb = MakeBlock("1", {{0, 0},
                                     {50, 0},
                                     {50, 30},
                                     {40, 30},
                                     {40, 10},
                                     {30, 10},
                                     {30, 30},
                                     {20, 30},
                                     {20, 10},
                                     {10, 10},
                                     {10, 30},
                                     {0, 30}});
  TestRun run(PerimeterSource("1", {comb, Rectangle("1", 0, 30, 50, 40)}));
  SetLevels(run.context, 3, kLevels);
  ConvertPerimeterRegions(run.context);
  ASSERT_EQ(run.records().size(), 1u);
  EXPECT_EQ(WrittenPoints(run.records()[0]).size(), 13u);
  EXPECT_EQ(run.log_lines(), (std::vector<std::string>{kProgressLine, ApartWarning(2)}));
}

TEST(ConvertPerimeterRegions, UnionWithAHoleWritesTheOuterOutlineNotTheHole) {
  // A U, clockwise and starting on its notch, closed by a bar on top: the
  // union's first loop runs round the hole, which once became the floor.
  const Block u =
      MakeBlock("1", {{10, 30}, {10, 10}, {20, 10}, {20, 30}, {30, 30}, {30, 0}, {0, 0}, {0, 30}});
  TestRun run(PerimeterSource("1", {u, Rectangle("1", 0, 30, 30, 40)}));
  SetLevels(run.context, 3, kLevels);
  ConvertPerimeterRegions(run.context);
  ASSERT_EQ(run.records().size(), 1u);
  EXPECT_EQ(WrittenPoints(run.records()[0]),
            (std::vector<std::pair<std::string, std::string>>{{"30.00", "30.00"},
                                                              {"30.00", "0.00"},
                                                              {"0.00", "0.00"},
                                                              {"0.00", "30.00"},
                                                              {"0.00", "40.00"},
                                                              {"30.00", "40.00"},
                                                              {"30.00", "30.00"}}));
}

TEST(ConvertPerimeterRegions, OutlineOfMoreThanAHundredPointsIsWhole) {
  // A comb of 40 teeth and a bar across it: 169 points, beyond the 100 that a
  // fixed output array would hold (the block would have been dropped).
  PointList comb = {{0, 0}, {400, 0}};
  for (int tooth = 39; tooth >= 0; --tooth) {
    const double x = tooth * 10.0;
    comb.insert(comb.end(), {{x + 10, 10}, {x + 5, 10}, {x + 5, 20}, {x, 20}});
  }
  TestRun run(PerimeterSource("1", {MakeBlock("1", comb), Rectangle("1", -5, 5, 405, 15)}));
  SetLevels(run.context, 3, kLevels);
  ConvertPerimeterRegions(run.context);
  ASSERT_EQ(run.records().size(), 1u);
  EXPECT_EQ(WrittenPoints(run.records()[0]).size(), 169u);
  EXPECT_EQ(run.log_lines(), std::vector<std::string>{kProgressLine});
}

// The detail line names the floor and where x + y = 20 meets y = 0.3 x.
TEST(ConvertPerimeterRegions, TwistedBlockGivesBothNoticesAndWhereItCrosses) {
  TestRun run(PerimeterSource("1", {MakeBlock("1", {{0, 0}, {0, 20}, {20, 0}, {20, 6}})}));
  SetLevels(run.context, 3, kLevels);
  ConvertPerimeterRegions(run.context);
  ASSERT_EQ(run.records().size(), 1u);
  EXPECT_EQ(run.log_lines(),
            (std::vector<std::string>{kProgressLine, kTwistNotice, kReenterNotice,
                                      "詳細：1階の外周が (15.38, 4.62) で交差または接しています"}));
}

}  // namespace
}  // namespace peltarix
