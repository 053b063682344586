#include "geometry/point_location.h"

#include <gtest/gtest.h>

namespace peltarix {
namespace {

constexpr double kTolerance = 0.1;

const PointList kSquare = {{0, 0}, {0, 10}, {10, 10}, {10, 0}, {0, 0}};  // clockwise
const PointList kSquareOtherWay = {{0, 0}, {10, 0}, {10, 10}, {0, 10}, {0, 0}};
// An L: the notch is the upper right quarter of the 20 x 20 box.
const PointList kEll = {{0, 0}, {0, 20}, {10, 20}, {10, 10}, {20, 10}, {20, 0}, {0, 0}};
const PointList kDiamond = {{0, 5}, {5, 10}, {10, 5}, {5, 0}, {0, 5}};  // clockwise

struct LocationCase {
  const char* name;
  const PointList* polygon;
  Point point;
  Location clockwise_region;  // the answer with the polygon standing for its inside
};

TEST(LocatePoint, TellsOutsideInsideEdgeAndVertex) {
  const LocationCase cases[] = {
      {"square centre", &kSquare, {5, 5}, Location::kInside},
      {"beyond the box", &kSquare, {10.2, 5}, Location::kOutside},
      {"on a horizontal edge", &kSquare, {5, 10.05}, Location::kOnEdge},
      {"near a horizontal edge's end", &kSquare, {9.95, 10}, Location::kAtVertex},
      {"on a vertical edge", &kSquare, {-0.05, 3}, Location::kOnEdge},
      {"in the notch of the L", &kEll, {15, 15}, Location::kOutside},
      {"in the L's lower arm", &kEll, {15, 5}, Location::kInside},
      {"in the L's upper arm", &kEll, {5, 15}, Location::kInside},
      {"on the notch's inner corner", &kEll, {10, 10}, Location::kAtVertex},
      {"diamond centre", &kDiamond, {5, 5}, Location::kInside},
      {"diamond box corner", &kDiamond, {1, 1}, Location::kOutside},
      {"on a diamond edge", &kDiamond, {2.5, 7.5}, Location::kOnEdge},
      {"at a diamond vertex", &kDiamond, {5.05, 9.95}, Location::kAtVertex},
  };
  for (const LocationCase& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(LocatePoint(Orientation::kClockwise, *c.polygon, c.point, kTolerance),
              c.clockwise_region);
  }
}

TEST(LocatePoint, CounterClockwisePolygonStandsForItsOutside) {
  EXPECT_EQ(LocatePoint(Orientation::kNotClockwise, kSquareOtherWay, {5, 5}, kTolerance),
            Location::kOutside);
  EXPECT_EQ(LocatePoint(Orientation::kNotClockwise, kSquareOtherWay, {20, 5}, kTolerance),
            Location::kInside);
  EXPECT_EQ(LocatePoint(Orientation::kNotClockwise, kSquareOtherWay, {5, 0}, kTolerance),
            Location::kOnEdge);
  const PointList diamond_other_way(kDiamond.rbegin(), kDiamond.rend());
  EXPECT_EQ(LocatePoint(Orientation::kNotClockwise, diamond_other_way, {5, 5}, kTolerance),
            Location::kOutside);
  EXPECT_EQ(LocatePoint(Orientation::kNotClockwise, diamond_other_way, {1, 1}, kTolerance),
            Location::kInside);
}

TEST(LocatePoint, NearestAxisParallelEdgeDecidesEvenAgainstAFartherOne) {
  // A U open at the top: from the point inside the gap, the nearest edge is
  // the right arm's inner side, which runs upwards (outside lies to its left).
  const PointList u = {{0, 0},   {0, 30},  {10, 30}, {10, 10}, {20, 10},
                       {20, 30}, {30, 30}, {30, 0},  {0, 0}};
  EXPECT_EQ(LocatePoint(Orientation::kClockwise, u, {18, 25}, kTolerance), Location::kOutside);
  EXPECT_EQ(LocatePoint(Orientation::kClockwise, u, {25, 25}, kTolerance), Location::kInside);
}

TEST(LocatePoint, BoundaryFoundBeforeAnObliqueEdgeStands) {
  // The first edge is horizontal and holds the point; the oblique edge after
  // it would switch to the angle sum.
  const PointList polygon = {{0, 10}, {10, 10}, {0, 0}, {0, 10}};
  EXPECT_EQ(LocatePoint(Orientation::kClockwise, polygon, {5, 10}, kTolerance), Location::kOnEdge);
  EXPECT_EQ(LocatePoint(Orientation::kClockwise, polygon, {2, 6}, kTolerance), Location::kInside);
  EXPECT_EQ(LocatePoint(Orientation::kClockwise, polygon, {8, 2}, kTolerance), Location::kOutside);
}

TEST(LocatePoint, PointFarInsideAHugeRectilinearOutlineIsLocatedByTheAngleSum) {
  // No edge within 20000 along either axis: without the angle sum as fallback
  // the point had no location at all.
  const PointList huge = {{0, 0}, {0, 50000}, {50000, 50000}, {50000, 0}, {0, 0}};
  EXPECT_EQ(LocatePoint(Orientation::kClockwise, huge, {25000, 25000}, kTolerance),
            Location::kInside);
  const PointList huge_other_way(huge.rbegin(), huge.rend());
  EXPECT_EQ(LocatePoint(Orientation::kNotClockwise, huge_other_way, {25000, 25000}, kTolerance),
            Location::kOutside);
}

}  // namespace
}  // namespace peltarix
