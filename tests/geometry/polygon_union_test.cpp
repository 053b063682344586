#include "geometry/polygon_union.h"

#include <gtest/gtest.h>

#include <cmath>

#include "geometry/orientation.h"
#include "geometry/self_intersection.h"

namespace peltarix {
namespace {

constexpr double kTolerance = 0.1;

// Clockwise axis-parallel rectangle, starting at its lower left corner.
PointList Rectangle(double x0, double y0, double x1, double y1) {
  return {{x0, y0}, {x0, y1}, {x1, y1}, {x1, y0}, {x0, y0}};
}

double Area(const PointList& loop) {
  double twice = 0.0;
  for (std::size_t k = 0; k + 1 < loop.size(); ++k) {
    twice += loop[k].x * loop[k + 1].y - loop[k + 1].x * loop[k].y;
  }
  return std::fabs(twice) / 2.0;
}

TEST(UnitePolygons, TwoIdenticalSquaresGiveTheSquareOnce) {
  const PointList square = Rectangle(0, 0, 10, 10);
  const UnionResult result = UnitePolygons(square, square, 2, kTolerance);
  EXPECT_EQ(result.status, UnionStatus::kDone);
  ASSERT_EQ(result.loops.size(), 1u);
  EXPECT_EQ(result.loops[0], square);
}

TEST(UnitePolygons, SquaresSharingAnEdgeGiveSixVerticesAndTheClosingPoint) {
  const UnionResult result =
      UnitePolygons(Rectangle(0, 0, 10, 10), Rectangle(10, 0, 20, 10), 2, kTolerance);
  EXPECT_EQ(result.status, UnionStatus::kDone);
  ASSERT_EQ(result.loops.size(), 1u);
  EXPECT_EQ(result.loops[0],
            (PointList{{0, 0}, {0, 10}, {10, 10}, {20, 10}, {20, 0}, {10, 0}, {0, 0}}));
}

TEST(UnitePolygons, SquareInsideASquareGivesTheOuterSquare) {
  const PointList outer = Rectangle(0, 0, 30, 30);
  for (const auto& [first, second] :
       {std::pair{outer, Rectangle(10, 10, 20, 20)}, std::pair{Rectangle(10, 10, 20, 20), outer}}) {
    const UnionResult result = UnitePolygons(first, second, 2, kTolerance);
    EXPECT_EQ(result.status, UnionStatus::kDone);
    ASSERT_EQ(result.loops.size(), 1u);
    EXPECT_EQ(result.loops[0], outer);
  }
}

TEST(UnitePolygons, PartlyOverlappingSquaresGetTheirCrossingPointsAsVertices) {
  const UnionResult result =
      UnitePolygons(Rectangle(0, 0, 10, 10), Rectangle(5, 5, 15, 15), 2, kTolerance);
  ASSERT_EQ(result.loops.size(), 1u);
  EXPECT_EQ(
      result.loops[0],
      (PointList{{0, 0}, {0, 10}, {5, 10}, {5, 15}, {15, 15}, {15, 5}, {10, 5}, {10, 0}, {0, 0}}));
}

TEST(UnitePolygons, BoxesApartGiveBothPolygonsFirstOneFirst) {
  const PointList a = Rectangle(0, 0, 10, 10);
  const PointList b = Rectangle(20, 0, 30, 10);
  const UnionResult two = UnitePolygons(a, b, 2, kTolerance);
  EXPECT_EQ(two.status, UnionStatus::kDone);
  EXPECT_EQ(two.loops, (std::vector<PointList>{a, b}));

  const UnionResult one = UnitePolygons(a, b, 1, kTolerance);
  EXPECT_EQ(one.status, UnionStatus::kTooManyLoops);
  EXPECT_EQ(one.loops, (std::vector<PointList>{a}));
}

TEST(UnitePolygons, BoxesApartKeepOnlyWhatBoundsTheUnionOfTheRegions) {
  // A counter-clockwise polygon stands for everything outside it, which holds
  // the other polygon when the boxes are apart.
  const PointList a = Rectangle(0, 0, 10, 10);
  const PointList b = Rectangle(20, 0, 30, 10);
  const PointList a_outside(a.rbegin(), a.rend());
  const PointList b_outside(b.rbegin(), b.rend());
  EXPECT_EQ(UnitePolygons(a, b_outside, 2, kTolerance).loops, (std::vector<PointList>{b_outside}));
  EXPECT_EQ(UnitePolygons(a_outside, b, 2, kTolerance).loops, (std::vector<PointList>{a_outside}));
  EXPECT_TRUE(UnitePolygons(a_outside, b_outside, 2, kTolerance).loops.empty());
}

TEST(UnitePolygons, BoxesApartByLessThanTheToleranceAreMergedAcrossTheGap) {
  const UnionResult result =
      UnitePolygons(Rectangle(0, 0, 10, 10), Rectangle(10.05, 0, 20, 10), 2, kTolerance);
  EXPECT_EQ(result.status, UnionStatus::kDone);
  ASSERT_EQ(result.loops.size(), 1u);
  EXPECT_EQ(result.loops[0].size(), 7u);
  EXPECT_NEAR(Area(result.loops[0]), 200.0, 0.5);
  EXPECT_FALSE(CheckSelfIntersection(result.loops[0], kTolerance));
}

TEST(UnitePolygons, ZeroLengthEdgeIsDroppedWhenCutAndKeptWhenAway) {
  const PointList six_vertices = {{0, 0}, {0, 10}, {10, 10}, {20, 10}, {20, 0}, {10, 0}, {0, 0}};
  // Near the other polygon the repeated corner's edge is cut and gives no
  // piece.
  const PointList repeat_near = {{0, 0}, {0, 10}, {10, 10}, {10, 10}, {10, 0}, {0, 0}};
  const UnionResult near = UnitePolygons(repeat_near, Rectangle(10, 0, 20, 10), 2, kTolerance);
  ASSERT_EQ(near.loops.size(), 1u);
  EXPECT_EQ(near.loops[0], six_vertices);
  // Away from it the edge is taken whole, and the repeated point stays.
  const PointList repeat_away = {{0, 0}, {0, 10}, {0, 10}, {10, 10}, {10, 0}, {0, 0}};
  const UnionResult away = UnitePolygons(repeat_away, Rectangle(10, 0, 20, 10), 2, kTolerance);
  ASSERT_EQ(away.loops.size(), 1u);
  EXPECT_EQ(away.loops[0],
            (PointList{{0, 0}, {0, 10}, {0, 10}, {10, 10}, {20, 10}, {20, 0}, {10, 0}, {0, 0}}));
}

TEST(UnitePolygons, ManyPiecesAreAllKept) {
  // A comb of 40 teeth and a bar across its teeth cut each other's edges into
  // far more than 100 pieces; a fixed table of 100 would drop the bar.
  PointList comb = {{0, 0}};
  for (int tooth = 0; tooth < 40; ++tooth) {
    const double x = tooth * 10.0;
    comb.insert(comb.end(), {{x, 20}, {x + 5, 20}, {x + 5, 10}, {x + 10, 10}});
  }
  comb.insert(comb.end(), {{400, 0}, {0, 0}});
  const UnionResult result = UnitePolygons(comb, Rectangle(-5, 5, 405, 15), 2, kTolerance);
  EXPECT_EQ(result.status, UnionStatus::kDone);
  ASSERT_EQ(result.loops.size(), 1u);
  EXPECT_EQ(result.loops[0].size(), 8 + 4 * 40 + 1u);  // the closing point included
  EXPECT_NEAR(Area(result.loops[0]), 4100.0 + 2000.0 + 1000.0, 1e-6);
  EXPECT_FALSE(CheckSelfIntersection(result.loops[0], kTolerance));
}

TEST(UnitePolygons, PinchedOutlineStaysOneLoopThroughItsPinchPoint) {
  // Two squares traced as one loop that touches itself at (10, 10); the bar
  // added to the upper square's right side keeps the pinch.
  const PointList pinched = {{0, 0},   {0, 10},  {10, 10}, {10, 20}, {20, 20},
                             {20, 10}, {10, 10}, {10, 0},  {0, 0}};
  const UnionResult result = UnitePolygons(pinched, Rectangle(15, 12, 25, 18), 2, kTolerance);
  EXPECT_EQ(result.status, UnionStatus::kDone);
  ASSERT_EQ(result.loops.size(), 1u);
  EXPECT_EQ(result.loops[0], (PointList{{0, 0},
                                        {0, 10},
                                        {10, 10},
                                        {10, 20},
                                        {20, 20},
                                        {20, 18},
                                        {25, 18},
                                        {25, 12},
                                        {20, 12},
                                        {20, 10},
                                        {10, 10},
                                        {10, 0},
                                        {0, 0}}));
  EXPECT_TRUE(CheckSelfIntersection(result.loops[0], kTolerance));
}

TEST(UnitePolygons, TwistedOutlineStaysTwistedInTheUnion) {
  // A bow-tie whose larger lobe runs clockwise, with a bar added on the left.
  const PointList bow_tie = {{0, 0}, {0, 20}, {20, 0}, {20, 6}, {0, 0}};
  ASSERT_EQ(PolygonOrientation(bow_tie), Orientation::kClockwise);
  const UnionResult result = UnitePolygons(bow_tie, Rectangle(-5, 5, 5, 10), 2, kTolerance);
  ASSERT_EQ(result.loops.size(), 1u);
  EXPECT_EQ(
      result.loops[0],
      (PointList{{0, 0}, {0, 5}, {-5, 5}, {-5, 10}, {0, 10}, {0, 20}, {20, 0}, {20, 6}, {0, 0}}));
  EXPECT_TRUE(CheckSelfIntersection(result.loops[0], kTolerance));
}

TEST(UnitePolygons, OverlappingPolygonWithoutAreaStandsForThePlaneAndLeavesNoLoop) {
  // A list without area (flat, a single point, a symmetric bow-tie, no points)
  // is not clockwise and so stands for all the plane around it: the union
  // has no boundary.
  const PointList square = Rectangle(0, 0, 10, 10);
  const std::vector<PointList> degenerate = {
      {{5, 5}, {20, 5}, {5, 5}},
      {{3, 3}, {3, 3}},
      {{0, 0}, {0, 10}, {10, 0}, {10, 10}, {0, 0}},
      {},
  };
  for (const PointList& other : degenerate) {
    const UnionResult result = UnitePolygons(square, other, 2, kTolerance);
    EXPECT_EQ(result.status, UnionStatus::kDone);
    EXPECT_TRUE(result.loops.empty()) << other.size() << " points";
    EXPECT_TRUE(UnitePolygons(other, square, 2, kTolerance).loops.empty()) << other.size();
  }
}

TEST(UnitePolygons, OuterLoopComesFirstAndAHoleSecond) {
  // A U closed by a bar on top leaves a hole.
  const PointList u = {{0, 0},   {0, 30},  {10, 30}, {10, 10}, {20, 10},
                       {20, 30}, {30, 30}, {30, 0},  {0, 0}};
  const UnionResult result = UnitePolygons(u, Rectangle(0, 30, 30, 40), 2, kTolerance);
  EXPECT_EQ(result.status, UnionStatus::kDone);
  ASSERT_EQ(result.loops.size(), 2u);
  EXPECT_EQ(result.loops[0],
            (PointList{{0, 0}, {0, 30}, {0, 40}, {30, 40}, {30, 30}, {30, 0}, {0, 0}}));
  EXPECT_EQ(result.loops[1], (PointList{{10, 30}, {10, 10}, {20, 10}, {20, 30}, {10, 30}}));
  EXPECT_EQ(UnitePolygons(u, Rectangle(0, 30, 30, 40), 1, kTolerance).status,
            UnionStatus::kTooManyLoops);
}

TEST(UnitePolygonsRegression, ShortBoundaryPiecesRunningTheSameWayAreNotTakenForOpposite) {
  // A block inside an outline, sharing its boundary in the same direction in
  // pieces of 0.25: the product of the two pieces' x extents (0.0625) is
  // below the tolerance, which once counted them as running against each
  // other; both were dropped and the union came back as the bump alone.
  const PointList outline = {{0.25, 0},   {0.25, 0.5}, {0.5, 0.5}, {0.5, 0.75}, {0.75, 0.75},
                             {0.75, 0.5}, {1, 0.5},    {1, 0},     {0.25, 0}};
  const PointList inner = {{0.25, 0}, {0.25, 0.5}, {1, 0.5}, {1, 0}, {0.25, 0}};
  const UnionResult result = UnitePolygons(outline, inner, 2, kTolerance);
  EXPECT_EQ(result.status, UnionStatus::kDone);
  ASSERT_EQ(result.loops.size(), 1u);
  EXPECT_EQ(result.loops[0], outline);
}

}  // namespace
}  // namespace peltarix
