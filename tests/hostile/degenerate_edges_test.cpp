#include <gtest/gtest.h>

#include <random>

#include "geometry/point.h"
#include "geometry/segment_intersection.h"
#include "geometry/segment_split.h"
#include "geometry/self_intersection.h"
#include "support/test_seed.h"

namespace peltarix {
namespace {

// The twist check as the rule states it: every pair of edges that are not
// neighbours (nor the first and the last) is intersected.
bool ReferenceSelfIntersection(const PointList& polygon, double tolerance) {
  const std::size_t n = polygon.size();
  if (n <= 3) return true;
  const auto meet = [&](std::size_t j, std::size_t i) {
    return IntersectSegments({polygon[j], polygon[j + 1]}, {polygon[i], polygon[i + 1]}, tolerance)
        .has_value();
  };
  if (n == 4) return !meet(0, 1) || !meet(0, 2);
  for (std::size_t j = 0; j + 3 < n; ++j) {
    for (std::size_t i = j + 2; i <= (j == 0 ? n - 3 : n - 2); ++i) {
      if (meet(j, i)) return true;
    }
  }
  return false;
}

// Closed lists on a small grid in which most points repeat their
// predecessor, or lie within the tolerance of it: the degenerate edges that
// the check leaves out of its pairs must not change its answer.
TEST(DegenerateEdgesTest, TwistCheckWithoutDegenerateEdgesMatchesTheRule) {
  int simple_count = 0;
  const unsigned first_seed = testing::TestSeed(1);
  for (unsigned seed = first_seed; seed < first_seed + 400; ++seed) {
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> grid(0, 4);
    std::uniform_int_distribution<int> count(1, 14);
    std::uniform_int_distribution<int> kind(0, 3);
    PointList polygon;
    for (int k = count(random); k > 0; --k) {
      const int choice = kind(random);
      if (!polygon.empty() && choice == 0) {
        polygon.push_back(polygon.back());
      } else if (!polygon.empty() && choice == 1) {
        polygon.push_back({polygon.back().x + 0.05, polygon.back().y - 0.1});
      } else {
        polygon.push_back({10.0 * grid(random), 10.0 * grid(random)});
      }
    }
    polygon.push_back(polygon.front());
    const bool expected = ReferenceSelfIntersection(polygon, 0.1);
    EXPECT_EQ(CheckSelfIntersection(polygon, 0.1), expected) << testing::SeedTrace(seed);
    if (!expected) ++simple_count;
  }
  // Both answers are well represented.
  EXPECT_GT(simple_count, 40);
  EXPECT_LT(simple_count, 360);
}

TEST(DegenerateEdgesTest, SegmentWithinTheToleranceOfAPointGivesNoPiece) {
  const PointList square = {{0, 0}, {0, 10}, {10, 10}, {10, 0}, {0, 0}};
  for (const Segment& segment :
       {Segment{{5, 5}, {5, 5}}, Segment{{0, 5}, {0.1, 5.1}}, Segment{{-0.05, 0}, {0.05, 0.1}}}) {
    EXPECT_TRUE(SplitSegmentByPolygon(square, segment, 0.1, Orientation::kClockwise).empty());
  }
  // Just longer than the tolerance: one piece, on the square's edge.
  const std::vector<Piece> pieces =
      SplitSegmentByPolygon(square, {{0, 5}, {0, 5.11}}, 0.1, Orientation::kClockwise);
  ASSERT_EQ(pieces.size(), 1u);
  EXPECT_EQ(pieces[0].piece_class, PieceClass::kBoundary);
}

}  // namespace
}  // namespace peltarix
