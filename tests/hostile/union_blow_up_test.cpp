#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>

#include "geometry/orientation.h"
#include "geometry/polygon_union.h"
#include "hostile_run.h"
#include "support/qv_text.h"

namespace peltarix {
namespace {

using ::testing::HasSubstr;
using testing::HostileRun;

// A clockwise comb of `teeth` teeth 10 wide and 20 apart, standing on a base
// strip along x; 4 * teeth + 3 points. With `across`, the comb is mirrored
// on the diagonal and moved so that its teeth cross every tooth of the
// upright comb twice.
PointList Comb(int teeth, bool across) {
  const double height = 20.0 * teeth;
  PointList comb = {{0.0, -10.0}};
  for (int tooth = 0; tooth < teeth; ++tooth) {
    const double x = 20.0 * tooth;
    comb.insert(comb.end(), {{x, 0.0}, {x, height}, {x + 10.0, height}, {x + 10.0, 0.0}});
  }
  comb.push_back({20.0 * teeth - 10.0, -10.0});
  comb.push_back(comb.front());
  if (across) {
    for (Point& point : comb) point = {point.y - 5.0, point.x + 5.0};
  }
  return OrientPolygon(comb, Orientation::kClockwise);
}

// Two combs of 400 points whose teeth cross: 40 000 pieces per comb, a number
// that grows with the product of their sizes however the pairs are pruned.
TEST(UnionBlowUpTest, InterleavedCombsAreRefusedInsteadOfCutIntoEveryCrossing) {
  const PointList upright = Comb(100, false);
  const PointList across = Comb(100, true);
  ASSERT_EQ(upright.size(), 403u);
  const UnionResult result = UnitePolygons(upright, across, 2, 0.1);
  EXPECT_EQ(result.status, UnionStatus::kTooManyPieces);
  EXPECT_TRUE(result.loops.empty());
}

TEST(UnionBlowUpTest, OutlinesOfThousandsOfPointsMeetingAlongTheirLengthAreUnited) {
  // Two staircases of 2000 points, the second moved half a step up and right:
  // every step of one crosses a step of the other.
  const auto staircase = [](double shift) {
    PointList points = {{shift, shift}};
    for (int k = 1; k <= 1000; ++k) {
      points.push_back({10.0 * (k - 1) + shift, 10.0 * k + shift});
      points.push_back({10.0 * k + shift, 10.0 * k + shift});
    }
    points.push_back({10000.0 + shift, shift});
    points.push_back(points.front());
    return points;
  };
  const PointList first = staircase(0.0);
  const PointList second = staircase(5.0);
  const UnionResult result = UnitePolygons(first, second, 2, 0.1);
  ASSERT_EQ(result.status, UnionStatus::kDone);
  ASSERT_EQ(result.loops.size(), 1u);
  // The upper side follows the two staircases in turn, four corners to a
  // step; the two feet and the bottom edge close it.
  EXPECT_EQ(result.loops[0].size(), 4005u);
}

TEST(UnionBlowUpTest, BlockDrawnTwiceUnitesToItselfAlongEveryEdge) {
  // Every piece of both outlines lies on the other's boundary: each is
  // matched against the other's pieces on the same stretch, not all of them.
  PointList circle;
  for (int k = 0; k < 5000; ++k) {
    const double angle = -2.0 * std::numbers::pi * k / 5000;
    circle.push_back({std::round(8000.0 * std::cos(angle)), std::round(8000.0 * std::sin(angle))});
  }
  circle.push_back(circle.front());
  const UnionResult result = UnitePolygons(circle, circle, 2, 0.1);
  ASSERT_EQ(result.status, UnionStatus::kDone);
  ASSERT_EQ(result.loops.size(), 1u);
  EXPECT_EQ(result.loops[0], circle);
}

std::string PerimeterBlock(int number, const PointList& closed) {
  std::string block = "/FLOORBLK\n" + std::to_string(number) + "\n//KAI\n1\n//PNUM\n" +
                      std::to_string(closed.size() - 1) + "\n";
  for (std::size_t k = 0; k + 1 < closed.size(); ++k) {
    const std::string n = std::to_string(k + 1);
    block += "//X" + n + "\n" + std::to_string(closed[k].x) + "\n//Y" + n + "\n" +
             std::to_string(closed[k].y) + "\n";
  }
  return block + "ENDSEC\n";
}

TEST(UnionBlowUpTest, BlockThatWouldCutTheOutlineIntoTooManyPiecesIsLeftOut) {
  const PointList upright = Comb(100, false);
  HostileRun run(testing::InfoSection({{"//INIT_FL", "1"}}) +
                 "HAICHI_FLOOR\nQVDTSMR\n/FLOORBLK\n2\nQVDTSMREND\nQVDTDTL\n" +
                 PerimeterBlock(1, upright) + PerimeterBlock(2, Comb(100, true)) +
                 "QVDTDTLEND\nHAICHI_FLOOREND\n");
  const DataKindSet kinds = DataKindSet::Only(DataKind::kPerimeter);
  const int status = run.Execute(kinds);
  EXPECT_EQ(status, 0);
  testing::ExpectCompleteOrReportedFailure(run, status);
  ASSERT_EQ(run.run.context.last_line_index(), 1);
  // The floor's outline is the first comb alone.
  EXPECT_THAT(run.run.context.output_lines.line(1),
              HasSubstr(",0,403,0.00,-10.00,0.0,0.00,0.00,0.0,0.00,2000.00,0.0,"));
  EXPECT_THAT(run.run.log_lines(),
              ::testing::Contains("WARNING！ 外周領域（自身情報）の2件目は外周と交差する箇所が"
                                  "多すぎるため外周に含めません"));
}

}  // namespace
}  // namespace peltarix
