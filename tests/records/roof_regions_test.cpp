#include "records/roof_regions.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "records/roof_record_steps.h"
#include "support/test_run.h"

namespace peltarix {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using testing::SetLevels;
using testing::TestRun;

struct OutlineCorner {
  std::string x;
  std::string y;
  std::string attribute;  // of the edge to the next corner
};

// One "/YANE" record as the source holds it.
struct RoofRecordText {
  std::string structure = "0";
  std::string kai = "2F";
  std::string pitch = "4";
  std::string kx1 = "0", ky1 = "0", kx2 = "9100", ky2 = "0";
  std::vector<OutlineCorner> corners;
  std::string point_count;  // the number of corners when empty
};

std::string RoofSource(const std::vector<RoofRecordText>& roofs,
                       const std::string& roof_count = "") {
  std::string text = "YANEFUSE\nQVDTSMR\n/YANE\n";
  text += roof_count.empty() ? std::to_string(roofs.size()) : roof_count;
  text += "\nQVDTSMREND\nQVDTDTL\n";
  int number = 0;
  for (const RoofRecordText& roof : roofs) {
    text += "/YANE\n" + std::to_string(++number) + "\n";
    text += "//YANE_KOZO\n" + roof.structure + "\n";
    text += "//KAI\n" + roof.kai + "\n";
    text += "//KOBAI\n" + roof.pitch + "\n";
    text += "//YANE_KX1\n" + roof.kx1 + "\n//YANE_KY1\n" + roof.ky1 + "\n";
    text += "//YANE_KX2\n" + roof.kx2 + "\n//YANE_KY2\n" + roof.ky2 + "\n";
    text += "//PNUM\n";
    text += roof.point_count.empty() ? std::to_string(roof.corners.size()) : roof.point_count;
    text += "\n";
    int k = 0;
    for (const OutlineCorner& corner : roof.corners) {
      const std::string n = std::to_string(++k);
      text += "//X" + n + "\n" + corner.x + "\n//Y" + n + "\n" + corner.y + "\n";
      text += "//YANE_LINEATTR" + n + "\n" + corner.attribute + "\n";
    }
    text += "ENDSEC\n";
  }
  text += "QVDTDTLEND\nYANEFUSEEND\n";
  return text;
}

// A 2F roof of pitch 4 whose eave is edge 1.
RoofRecordText EaveFirstRoof() {
  RoofRecordText roof;
  roof.corners = {
      {"-500", "-500", "1"}, {"9600", "-500", "0"}, {"9600", "3640", "0"}, {"-500", "3640", "0"}};
  return roof;
}

// Fields 1 to 13 of a roof record on `serial` of floor field `floor`.
std::string Head(const std::string& floor, int serial) {
  return "\"AB010101\"," + floor + "," + std::to_string(serial) + ",0,0,30,\"\",0,\"\",0,\"\",0,0,";
}

// Runs the converter on `roofs` with level 2 at 3300, 3 at 5800, 4 at 8700.
struct RoofConversion {
  explicit RoofConversion(const std::vector<RoofRecordText>& roofs,
                          const std::string& roof_count = "")
      : run(RoofSource(roofs, roof_count)) {
    SetLevels(run.context, 2, {0.0, 400.0, 3300, 5800, 8700});
  }
  int Convert() { return ConvertRoofRegions(run.context); }
  std::string line(int index) const { return std::string(run.context.output_lines.line(index)); }

  TestRun run;
};

// --- the converter as a whole ---

TEST(ConvertRoofRegionsTest, HeightsRiseFromTheEaveAtThePitch) {
  RoofConversion conversion({EaveFirstRoof()});
  // Nine records of other kinds come first, so the roof stands on line 10.
  for (int line = 1; line <= 9; ++line) {
    conversion.run.context.output_lines.StartLine("earlier record\n");
  }
  EXPECT_EQ(conversion.Convert(), 0);
  ASSERT_EQ(conversion.run.context.last_line_index(), 10);
  EXPECT_EQ(conversion.line(10),
            "\"AB010101\",2,10,0,0,30,\"\",0,\"\",0,\"\",0,0,40,1,4550.000000,0.000000,5800.000000,"
            "0.0, -1.0, 0.0,5,-500,-500,5600.000000,9600,-500,5600.000000,9600,3640,7256.000000,"
            "-500,3640,7256.000000,-500,-500,5600.000000\n");
  EXPECT_THAT(conversion.run.log_lines(),
              ElementsAre("屋根領域（自身情報）を処理しています・・・"));
}

TEST(ConvertRoofRegionsTest, OnlyWoodenRoofsAreWrittenAndTheOthersCountedOnce) {
  RoofRecordText steel = EaveFirstRoof();
  steel.structure = "1";
  RoofRecordText unknown = EaveFirstRoof();
  unknown.structure = "";
  RoofRecordText wooden = EaveFirstRoof();
  wooden.kai = "1F";
  RoofConversion conversion({steel, wooden, unknown});
  conversion.Convert();
  ASSERT_EQ(conversion.run.context.last_line_index(), 1);
  EXPECT_EQ(conversion.line(1).substr(0, Head("1", 1).size()), Head("1", 1));
  EXPECT_THAT(conversion.run.log_lines(),
              ElementsAre("屋根領域（自身情報）を処理しています・・・",
                          "WARNING！ 非木造のコンバートできない屋根が2つありました",
                          "詳細：屋根領域（自身情報）の1件目：構造「1」、2階、第1点 (-500, -500)",
                          ::testing::StartsWith("詳細：屋根領域（自身情報）の3件目：構造「」、")));
}

TEST(ConvertRoofRegionsTest, SourceWithoutRoofsIsReportedAndWritesNothing) {
  RoofConversion conversion({});
  EXPECT_EQ(conversion.Convert(), 0);
  EXPECT_EQ(conversion.run.context.last_line_index(), 0);
  EXPECT_THAT(conversion.run.log_lines(),
              ElementsAre("屋根領域（自身情報）を処理しています・・・",
                          "WARNING！ 変換元QVファイルに屋根領域（自身情報）が存在しません"));
}

TEST(ConvertRoofRegionsTest, NegativeRoofCountEndsSilently) {
  RoofConversion conversion({EaveFirstRoof()}, "-2");
  EXPECT_EQ(conversion.Convert(), 0);
  EXPECT_EQ(conversion.run.context.last_line_index(), 0);
  EXPECT_THAT(conversion.run.log_lines(),
              ElementsAre("屋根領域（自身情報）を処理しています・・・"));
}

// The part of the only record from the pitch value (field 14) on; the 13
// fields before it hold no comma of their own.
std::string ConvertedTail(const RoofRecordText& roof, double level2 = 3300, double level3 = 5800,
                          double level4 = 8700) {
  TestRun run(RoofSource({roof}));
  SetLevels(run.context, 2, {0.0, 400.0, level2, level3, level4});
  ConvertRoofRegions(run.context);
  if (run.context.last_line_index() != 1) return "no record";
  const std::string line(run.context.output_lines.line(1));
  std::size_t field_start = 0;
  for (int field = 1; field <= 13; ++field) {
    field_start = line.find(',', field_start) + 1;
  }
  return line.substr(field_start);
}

TEST(ConvertRoofRegionsTest, EaveOnlyOnTheClosingEdgeRunsFromTheLastPointToPointOne) {
  RoofRecordText roof;
  roof.kai = "1F";  // level 2: 3300
  roof.kx1 = "0", roof.ky1 = "2000", roof.kx2 = "6000", roof.ky2 = "2000";
  roof.corners = {{"0", "0", "0"}, {"0", "4000", "0"}, {"6000", "4000", "0"}, {"6000", "0", "1"}};
  // Eave along y = 0, 2000 from the reference point: H = 3300 - 800.
  EXPECT_EQ(ConvertedTail(roof),
            "40,1,3000.000000,2000.000000,3300.000000,0.0, -1.0, 0.0,5,"
            "0,0,2500.000000,0,4000,4100.000000,6000,4000,4100.000000,6000,0,2500.000000,"
            "0,0,2500.000000\n");
}

TEST(ConvertRoofRegionsTest, PointAfterTwoEaveEdgesIsMeasuredFromTheFirstEaveLine) {
  // Edges 1 and 2 are eaves but not in line: point 3 ends the second eave,
  // yet the flag that marks it was flipped back, so it gets its distance
  // (1000) from the first eave's line.
  RoofRecordText roof;
  roof.kx1 = "0", roof.ky1 = "0", roof.kx2 = "0", roof.ky2 = "0";
  roof.corners = {{"0", "0", "1"}, {"3000", "0", "1"}, {"6000", "1000", "0"}, {"0", "4000", "0"}};
  EXPECT_EQ(ConvertedTail(roof),
            "40,1,0.000000,0.000000,5800.000000,0.0, -1.0, 0.0,5,"
            "0,0,5800.000000,3000,0,5800.000000,6000,1000,6200.000000,0,4000,7400.000000,"
            "0,0,5800.000000\n");
}

TEST(ConvertRoofRegionsTest, PointThousandFromTheEaveRisesFourHundredAtPitchFour) {
  RoofRecordText roof;
  roof.kx1 = "0", roof.ky1 = "500", roof.kx2 = "0", roof.ky2 = "500";
  // A vertical eave x = 0; the outline lies on the larger-x side.
  roof.corners = {{"0", "1000", "1"}, {"0", "0", "0"}, {"1000", "0", "0"}, {"1000", "1000", "0"}};
  // d0 = 0: H is the floor level itself.
  EXPECT_EQ(ConvertedTail(roof),
            "40,1,0.000000,500.000000,5800.000000,-1.0, 0.0, 0.0,5,"
            "0,1000,5800.000000,0,0,5800.000000,1000,0,6200.000000,1000,1000,6200.000000,"
            "0,1000,5800.000000\n");
}

TEST(ConvertRoofRegionsTest, PitchDropsItsFractionBeforeScaling) {
  RoofRecordText roof = EaveFirstRoof();
  roof.pitch = "4.5";
  EXPECT_THAT(ConvertedTail(roof), ::testing::StartsWith("40,1,"));
}

TEST(ConvertRoofRegionsTest, ThirdFloorRoofUsesLevelFourAsHeldWhateverTheFloorCount) {
  RoofRecordText roof = EaveFirstRoof();
  roof.kai = "3F";
  // Reference point at the floor level, eave 500 below it at pitch 4: 200 lower.
  EXPECT_THAT(ConvertedTail(roof, 3300, 5800, 8700),
              ::testing::StartsWith("40,1,4550.000000,0.000000,8700.000000,0.0, -1.0, 0.0,5,"
                                    "-500,-500,8500.000000,"));
  EXPECT_THAT(ConvertedTail(roof, 3300, 5800, 0),
              ::testing::StartsWith("40,1,4550.000000,0.000000,0.000000,0.0, -1.0, 0.0,5,"
                                    "-500,-500,-200.000000,"));
}

TEST(ConvertRoofRegionsTest, UnknownFloorTextWritesItsFieldAndMeasuresFromLevelZero) {
  struct Case {
    std::string kai;
    std::string floor_field;
  };
  for (const Case& c : {Case{"4F", "4"}, Case{"", ""}, Case{"2F ", "2F"}, Case{"R", ""}}) {
    RoofRecordText roof = EaveFirstRoof();
    roof.kai = c.kai;
    TestRun run(RoofSource({roof}));
    SetLevels(run.context, 2, {0.0, 400.0, 3300, 5800, 8700});
    ConvertRoofRegions(run.context);
    ASSERT_EQ(run.context.last_line_index(), 1) << c.kai;
    EXPECT_EQ(run.context.output_lines.line(1),
              Head(c.floor_field, 1) +
                  "40,1,4550.000000,0.000000,0.000000,0.0, -1.0, 0.0,5,-500,-500,-200.000000,"
                  "9600,-500,-200.000000,9600,3640,1456.000000,-500,3640,1456.000000,"
                  "-500,-500,-200.000000\n")
        << c.kai;
  }
}

TEST(ConvertRoofRegionsTest, RoofWithoutUsableEaveHasEveryHeightAtTheFloorLevel) {
  RoofRecordText no_eave = EaveFirstRoof();
  no_eave.corners[0].attribute = "0";
  // The first eave edge has no length; the later one is not looked at.
  RoofRecordText point_eave = EaveFirstRoof();
  point_eave.corners = {{"-500", "-500", "1"},
                        {"-499.995", "-500.004", "1"},
                        {"9600", "3640", "0"},
                        {"-500", "3640", "0"}};
  // A and B are both point 1 for the direction; the reference vertex is
  // point 1 itself (no eave: a tie) or point 4 (after two eaves), which
  // both lie on point 1's x.
  EXPECT_EQ(ConvertedTail(no_eave),
            "40,1,4550.000000,0.000000,5800.000000,-1.0, 0.0, 0.0,5,"
            "-500,-500,5800.000000,9600,-500,5800.000000,9600,3640,5800.000000,"
            "-500,3640,5800.000000,-500,-500,5800.000000\n");
  EXPECT_EQ(ConvertedTail(point_eave),
            "40,1,4550.000000,0.000000,5800.000000,-1.0, 0.0, 0.0,5,"
            "-500,-500,5800.000000,-499.995,-500.004,5800.000000,9600,3640,5800.000000,"
            "-500,3640,5800.000000,-500,-500,5800.000000\n");
}

TEST(ConvertRoofRegionsTest, ZeroPointCountWritesOneEmptyPoint) {
  RoofRecordText roof = EaveFirstRoof();
  roof.point_count = "0";
  // Point 1 is still read for the direction: reference vertex and both eave
  // ends are (-500, -500), a tie that goes to the negative x direction.
  EXPECT_EQ(ConvertedTail(roof), "40,1,4550.000000,0.000000,5800.000000,-1.0, 0.0, 0.0,1,,,\n");
  roof.point_count = "";
  roof.corners.clear();
  EXPECT_EQ(ConvertedTail(roof), "40,1,4550.000000,0.000000,5800.000000,-1.0, 0.0, 0.0,1,,,\n");
}

TEST(ConvertRoofRegionsTest, NegativePointCountWritesTheCountAndNoPoint) {
  RoofRecordText roof = EaveFirstRoof();
  roof.point_count = "-2";
  EXPECT_EQ(ConvertedTail(roof), "40,1,4550.000000,0.000000,5800.000000,-1.0, 0.0, 0.0,-1,\n");
  roof.point_count = "-99999999999";  // read as the smallest int
  EXPECT_THAT(ConvertedTail(roof), ::testing::EndsWith(",-2147483647,\n"));
}

TEST(ConvertRoofRegionsTest, PitchValueIsWrittenExactlyForHugePitches) {
  RoofRecordText roof = EaveFirstRoof();
  roof.pitch = "2147483647";
  EXPECT_THAT(ConvertedTail(roof), ::testing::StartsWith("21474836470,1,"));
  roof.pitch = "-99999999999";
  EXPECT_THAT(ConvertedTail(roof), ::testing::StartsWith("-21474836480,1,"));
}

TEST(ConvertRoofRegionsTest, PointCountBeyondTheSourceSkipsTheRoofWithAWarning) {
  // Such an outline cannot be in the file; writing its two thousand million
  // empty points once exhausted the memory.
  RoofRecordText huge = EaveFirstRoof();
  huge.point_count = "2147483647";
  RoofConversion conversion({huge, EaveFirstRoof()});
  conversion.Convert();
  ASSERT_EQ(conversion.run.context.last_line_index(), 1);
  EXPECT_THAT(conversion.line(1), ::testing::StartsWith(Head("2", 1)));
  EXPECT_THAT(
      conversion.run.log_lines(),
      ElementsAre(
          "屋根領域（自身情報）を処理しています・・・",
          "WARNING！ "
          "屋根領域（自身情報）の1件目の頂点数2147483647が変換元QVファイルの行数を超えるため"
          "コンバートしません"));
}

TEST(ConvertRoofRegionsTest, LongValueTextsAreCopiedInFull) {
  RoofRecordText roof = EaveFirstRoof();
  const std::string long_x = "-500.0000000000000000000000000000";  // 33 characters
  roof.corners[0].x = long_x;
  const std::string tail = ConvertedTail(roof);
  EXPECT_THAT(tail, HasSubstr(",5," + long_x + ",-500,5600.000000,"));
  EXPECT_THAT(tail, ::testing::EndsWith("," + long_x + ",-500,5600.000000\n"));
}

// --- the steps ---

struct VertexCase {
  const char* name;
  std::vector<bool> eave_edges;
  int expected_point;  // 1-based
};

TEST(FindReferenceVertexTest, TakesTheFirstPointOffTheEaveLine) {
  const VertexCase cases[] = {
      {"edge 1 eave", {true, false, false, false}, 3},
      {"edges p and 1 eaves, edge 2 not", {true, false, false, true}, 3},
      {"only the closing edge an eave", {false, false, false, true}, 2},
      {"no eave", {false, false, false, false}, 1},
      {"edges 1 .. p-1 eaves", {true, true, true, false}, 1},
      {"edges 1 and 2 eaves", {true, true, false, false}, 4},
      {"every edge an eave", {true, true, true, true}, 1},
  };
  for (const VertexCase& c : cases) {
    // Point k stands at x = k, so the vertex's x names it.
    RoofRegionSource region;
    for (std::size_t k = 0; k < c.eave_edges.size(); ++k) {
      RoofOutlinePoint point;
      point.plan = {static_cast<double>(k + 1), 0.0};
      point.starts_eave_edge = c.eave_edges[k];
      region.outline.push_back(point);
    }
    region.point_count = static_cast<std::int64_t>(region.outline.size());
    region.first_point = region.outline.front().plan;
    EXPECT_EQ(FindReferenceVertex(region).x, c.expected_point) << c.name;
  }
}

struct DirectionCase {
  RoofPoint a;
  RoofPoint b;
  RoofPoint reference_vertex;
  const char* expected;
};

TEST(FallDirectionFieldsTest, PointsFromTheReferenceVertexTowardsTheEave) {
  const DirectionCase cases[] = {
      {{0, 0}, {100, 0}, {50, 70}, "0.0, -1.0, 0.0,"},
      {{0, 0}, {100, 0}, {50, -70}, "0.0, 1.0, 0.0,"},
      {{0, 0}, {0, 100}, {70, 50}, "-1.0, 0.0, 0.0,"},
      {{0, 0}, {0, 100}, {-70, 50}, "1.0, 0.0, 0.0,"},
      {{0, 0}, {100, 0}, {50, 0}, "0.0, -1.0, 0.0,"},     // on the eave: negative
      {{0, 0}, {100, 100}, {100, 0}, "-1.0, 0.0, 0.0,"},  // 45 degrees runs along y
      {{0, 0}, {100, 100}, {0, 100}, "1.0, 0.0, 0.0,"},
      {{0, 0}, {100, 20}, {0, 100}, "0.0, -1.0, 0.0,"},  // mostly along x
  };
  for (const DirectionCase& c : cases) {
    EaveLine eave;
    eave.a = c.a;
    eave.b = c.b;
    eave.usable = true;
    std::string fields;
    for (const std::string_view field : FallDirectionFields(eave, c.reference_vertex)) {
      fields.append(field).append(",");
    }
    EXPECT_EQ(fields, c.expected) << "vertex (" << c.reference_vertex.x << ", "
                                  << c.reference_vertex.y << ")";
  }
}

}  // namespace
}  // namespace peltarix
