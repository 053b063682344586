#include "geometry/primitives.h"

#include <gtest/gtest.h>

namespace peltarix {
namespace {

constexpr double kTolerance = 0.1;

struct DistanceCase {
  Point p;
  Point q;
  double distance;
  bool coincident;
};

TEST(PointDistance, SnapsToTheAxisWithinTheToleranceAndFlagsCoincidence) {
  const DistanceCase cases[] = {
      {{0, 0}, {0.05, 30}, 30.0, false},  // x within the tolerance: only y counts
      {{0, 0}, {30, -0.1}, 30.0, false},  // y exactly at the tolerance still snaps
      {{0, 0}, {3, 4}, 5.0, false},      {{0, 0}, {0.05, 0.05}, 0.05, true},
      {{0, 0}, {0, 0.1}, 0.1, true},  // at the tolerance counts as coincident
  };
  for (const DistanceCase& c : cases) {
    const PointDistanceResult result = PointDistance(c.p, c.q, kTolerance);
    EXPECT_NEAR(result.distance, c.distance, 1e-12) << c.q.x << "," << c.q.y;
    EXPECT_EQ(result.coincident, c.coincident) << c.q.x << "," << c.q.y;
  }
}

TEST(LineThrough, GivesTheSameLineInEitherDirectionWithNonNegativeK) {
  for (const auto& [p, q] : {std::pair{Point{0, 5}, Point{10, 5}}, {Point{10, 5}, Point{0, 5}}}) {
    const std::optional<Line> line = LineThrough(p, q, kTolerance);
    ASSERT_TRUE(line.has_value());
    EXPECT_DOUBLE_EQ(line->a, 0.0);
    EXPECT_DOUBLE_EQ(line->b, 1.0);
    EXPECT_DOUBLE_EQ(line->k, 5.0);
  }
}

TEST(LineThrough, RefusesCoincidentPoints) {
  EXPECT_FALSE(LineThrough({3, 3}, {3.05, 2.95}, kTolerance).has_value());
}

struct ProjectionCase {
  Point p, q, point;
  double distance;
  Point foot;
  SegmentPosition position;
};

TEST(ProjectPointOnSegment, GivesDistanceFootAndPositionCode) {
  const ProjectionCase cases[] = {
      // horizontal segment
      {{0, 0}, {10, 0}, {5, 3}, 3.0, {5, 0}, SegmentPosition::kBetween},
      {{0, 0}, {10, 0}, {10.05, 0}, 0.0, {10.05, 0}, SegmentPosition::kAtEnd},
      {{0, 0}, {10, 0}, {12, 0}, 0.0, {12, 0}, SegmentPosition::kBeyond},
      {{0, 0}, {10, 0.05}, {-0.1, 1}, 1.0, {-0.1, 0}, SegmentPosition::kAtEnd},
      // vertical segment, run downwards
      {{4, 10}, {4, 0}, {1, 5}, 3.0, {4, 5}, SegmentPosition::kBetween},
      {{4, 10}, {4, 0}, {4, 0.09}, 0.0, {4, 0.09}, SegmentPosition::kAtEnd},
      {{4, 10}, {4, 0}, {4, -3}, 0.0, {4, -3}, SegmentPosition::kBeyond},
      // oblique segment
      {{0, 0}, {10, 10}, {0, 10}, 7.0710678118654755, {5, 5}, SegmentPosition::kBetween},
      {{0, 0}, {10, 10}, {10, 10}, 0.0, {10, 10}, SegmentPosition::kAtEnd},
      {{0, 0}, {10, 10}, {-5, -5}, 0.0, {-5, -5}, SegmentPosition::kBeyond},
  };
  for (const ProjectionCase& c : cases) {
    const Projection result = ProjectPointOnSegment(c.p, c.q, c.point, kTolerance);
    SCOPED_TRACE(testing::Message() << "point " << c.point.x << "," << c.point.y);
    EXPECT_FALSE(result.degenerate);
    EXPECT_NEAR(result.distance, c.distance, 1e-9);
    EXPECT_NEAR(result.foot.x, c.foot.x, 1e-9);
    EXPECT_NEAR(result.foot.y, c.foot.y, 1e-9);
    EXPECT_EQ(result.position, c.position);
  }
}

TEST(ProjectPointOnSegment, ReportsADegenerateSegmentWithPositionBeyond) {
  const Projection result = ProjectPointOnSegment({1, 1}, {1.05, 1}, {1, 1}, kTolerance);
  EXPECT_TRUE(result.degenerate);
  EXPECT_EQ(result.position, SegmentPosition::kBeyond);
}

TEST(AngleAtPoint, RightAngleIsSignedBySideOfSecondPoint) {
  const AngleResult left = AngleAtPoint({10, 0}, {0, 0}, {0, 10}, kTolerance);
  const AngleResult right = AngleAtPoint({10, 0}, {0, 0}, {0, -10}, kTolerance);
  EXPECT_FALSE(left.coincident);
  EXPECT_NEAR(left.degrees, 90.0, 1e-9);
  EXPECT_NEAR(right.degrees, -90.0, 1e-9);
}

TEST(AngleAtPoint, PointsInOneLineGiveExactly180Or0) {
  EXPECT_EQ(AngleAtPoint({0, 0}, {5, 0.005}, {10, 0}, kTolerance).degrees, 180.0);
  EXPECT_EQ(AngleAtPoint({0, 0}, {-5, 0}, {10, 0}, kTolerance).degrees, 0.0);
  EXPECT_EQ(AngleAtPoint({0, 0}, {3, 3}, {7, 7}, kTolerance).degrees, 180.0);
}

TEST(AngleAtPoint, CoincidentPointsGiveZeroWithTheFlag) {
  for (const auto& [a, apex, b] : {std::tuple{Point{0, 0}, Point{5, 5}, Point{5.05, 5.05}},
                                   {Point{0, 0}, Point{5, 5}, Point{0.05, 0}},
                                   {Point{5, 5}, Point{5.09, 4.95}, Point{0, 7}}}) {
    const AngleResult result = AngleAtPoint(a, apex, b, kTolerance);
    EXPECT_TRUE(result.coincident);
    EXPECT_EQ(result.degrees, 0.0);
  }
}

}  // namespace
}  // namespace peltarix
