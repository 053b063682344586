#include "geometry/orientation.h"

#include <gtest/gtest.h>

#include "geometry/point_sort.h"

namespace peltarix {
namespace {

const PointList kClockwiseSquare = {{0, 0}, {0, 10}, {10, 10}, {10, 0}, {0, 0}};
const PointList kCounterClockwiseSquare = {{0, 0}, {10, 0}, {10, 10}, {0, 10}, {0, 0}};

TEST(PolygonOrientation, ClockwiseIsZeroAndEverythingElseOne) {
  EXPECT_EQ(PolygonOrientation(kClockwiseSquare), Orientation::kClockwise);
  EXPECT_EQ(PolygonOrientation(kCounterClockwiseSquare), Orientation::kNotClockwise);
  const PointList flat = {{0, 0}, {10, 0}, {0, 0}};
  EXPECT_EQ(PolygonOrientation(flat), Orientation::kNotClockwise);
  EXPECT_EQ(PolygonOrientation(PointList{}), Orientation::kNotClockwise);
}

TEST(OrientPolygon, ReversesOnlyWhenTheOrientationDiffers) {
  EXPECT_EQ(OrientPolygon(kCounterClockwiseSquare, Orientation::kClockwise),
            (PointList{{0, 0}, {0, 10}, {10, 10}, {10, 0}, {0, 0}}));
  EXPECT_EQ(OrientPolygon(kClockwiseSquare, Orientation::kClockwise), kClockwiseSquare);
  EXPECT_EQ(OrientPolygon(OrientPolygon(kCounterClockwiseSquare, Orientation::kNotClockwise),
                          Orientation::kNotClockwise),
            kCounterClockwiseSquare);
}

TEST(OrientPolygon, ZeroAreaListIsReversedEveryTimeClockwiseIsWanted) {
  const PointList flat = {{0, 0}, {10, 0}, {20, 0}, {0, 0}};
  const PointList once = OrientPolygon(flat, Orientation::kClockwise);
  EXPECT_EQ(once, (PointList{{0, 0}, {20, 0}, {10, 0}, {0, 0}}));
  EXPECT_EQ(OrientPolygon(once, Orientation::kClockwise), flat);
}

TEST(SortPointsAlongLine, SortsByXThenYWithCoordinatesWithinToleranceEqual) {
  EXPECT_EQ(SortPointsAlongLine({{5, 0}, {0, 0}, {0.05, 3}}, false, 0.1),
            (PointList{{0, 0}, {0.05, 3}, {5, 0}}));
  EXPECT_EQ(SortPointsAlongLine({{5, 0}, {0, 0}, {0.05, 3}}, true, 0.1),
            (PointList{{5, 0}, {0.05, 3}, {0, 0}}));
}

TEST(SortPointsAlongLine, NeverExchangesPointsThatCoincideWithinTolerance) {
  const Point a{0.05, 0};
  const Point b{0, 0.05};  // coincides with a
  EXPECT_EQ(SortPointsAlongLine({a, b, {7, 0}}, false, 0.1), (PointList{a, b, {7, 0}}));
  EXPECT_EQ(SortPointsAlongLine({b, {7, 0}, a}, false, 0.1), (PointList{b, a, {7, 0}}));
  // c is before a (same x within the tolerance, lower y) but after b (larger
  // x): the exchange with c carries a behind b.
  const Point c{0.14, -1};
  EXPECT_EQ(SortPointsAlongLine({a, b, c}, false, 0.1), (PointList{c, b, a}));
}

TEST(SortPointsAlongLine, LeavesShortListsAlone) {
  EXPECT_EQ(SortPointsAlongLine({}, false, 0.1), PointList{});
  EXPECT_EQ(SortPointsAlongLine({{3, 3}}, true, 0.1), (PointList{{3, 3}}));
}

}  // namespace
}  // namespace peltarix
