#include "records/roof_outline.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>

namespace peltarix {
namespace {

constexpr double kRoofTolerance = 0.01;

struct DistanceCase {
  const char* name;
  RoofPoint a;
  RoofPoint b;
  RoofPoint point;
  double expected;
};

TEST(DistanceToEaveLineTest, MeasuresFromTheEaveLineByTheRuleOfItsDirection) {
  const DistanceCase cases[] = {
      {"x-parallel edge measures along y", {0, 0}, {1000, 0}, {500, 300}, 300.0},
      {"tilt below 0.01 in x is ignored", {0, 0}, {0.005, 2000}, {400, 50}, 400.0},
      {"tilt below 0.01 in y is ignored", {0, 0}, {2000, 0.005}, {50, 400}, 400.0},
      {"sloped edge takes the perpendicular", {0, 0}, {3000, 4000}, {3000, 0}, 2400.0},
      {"the other side gives the same distance", {0, 0}, {3000, 4000}, {0, 3000}, 1800.0},
      {"y-parallel edge, point below a", {0, 0}, {0, -700}, {-250, 900}, 250.0},
      // Shorter than 0.01 both ways but not coincident: the y-axis test
      // comes first, so only x counts.
      {"tiny edge counts as y-parallel", {100, 100}, {100.009, 100.009}, {130, 500}, 30.0},
  };
  for (const DistanceCase& c : cases) {
    const std::optional<double> distance = DistanceToEaveLine(c.a, c.b, c.point, kRoofTolerance);
    ASSERT_TRUE(distance.has_value()) << c.name;
    EXPECT_NEAR(*distance, c.expected, 1e-9) << c.name;
  }
}

TEST(DistanceToEaveLineTest, PointOnTheLineIsAtZeroInEveryRule) {
  const DistanceCase cases[] = {
      {"y-parallel", {10, 0}, {10, 500}, {10, 9000}, 0.0},
      {"x-parallel", {0, -500}, {9600, -500}, {-3000, -500}, 0.0},
      {"sloped", {0, 0}, {3000, 4000}, {6000, 8000}, 0.0},
  };
  for (const DistanceCase& c : cases) {
    const std::optional<double> distance = DistanceToEaveLine(c.a, c.b, c.point, kRoofTolerance);
    ASSERT_TRUE(distance.has_value()) << c.name;
    EXPECT_NEAR(*distance, 0.0, 1e-9) << c.name;
  }
}

TEST(DistanceToEaveLineTest, CoincidentEavePointsGiveNoDistance) {
  EXPECT_FALSE(DistanceToEaveLine({100, 100}, {100.004, 100.003}, {0, 0}, kRoofTolerance));
  EXPECT_FALSE(DistanceToEaveLine({5, 5}, {5, 5}, {0, 0}, kRoofTolerance));
}

TEST(DistanceToEaveLineTest, AxisThresholdStaysFixedWhateverTheTolerance) {
  // With a tolerance of 0.001 the points no longer coincide; the edge then
  // still counts as parallel to the y axis through the fixed threshold.
  const std::optional<double> distance =
      DistanceToEaveLine({100, 100}, {100.004, 100.003}, {110, 0}, 0.001);
  ASSERT_TRUE(distance.has_value());
  EXPECT_DOUBLE_EQ(*distance, 10.0);
}

struct CoincideCase {
  RoofPoint a;
  RoofPoint b;
  bool expected;
};

TEST(EavePointsCoincideTest, TrueExactlyWhenCloserThanTheTolerance) {
  const CoincideCase cases[] = {
      {{100, 100}, {100.004, 100.003}, true},   // distance 0.005
      {{100, 100}, {100.009, 100.009}, false},  // both within 0.01, distance 0.0127
      {{0, 0}, {0.006, 0.007}, true},           // sum above 0.01, distance 0.0092
      {{0, 0}, {0.011, 0}, false},              // one difference above the tolerance
      {{0, 0}, {0, -0.02}, false},
      {{-3, 7}, {-3, 7}, true},
  };
  for (const CoincideCase& c : cases) {
    EXPECT_EQ(EavePointsCoincide(c.a, c.b, kRoofTolerance), c.expected)
        << "(" << c.a.x << ", " << c.a.y << ") and (" << c.b.x << ", " << c.b.y << ")";
  }
}

TEST(PerpendicularDistanceTest, IsUnsignedDistanceFromTheInfiniteLine) {
  EXPECT_NEAR(PerpendicularDistance({0, 0}, {3000, 4000}, {3000, 0}), 2400.0, 1e-9);
  EXPECT_NEAR(PerpendicularDistance({3000, 4000}, {0, 0}, {3000, 0}), 2400.0, 1e-9);
  // Beyond the end points the infinite line still counts.
  EXPECT_NEAR(PerpendicularDistance({0, 0}, {1, 1}, {100, 0}), 100.0 / std::sqrt(2.0), 1e-9);
}

}  // namespace
}  // namespace peltarix
