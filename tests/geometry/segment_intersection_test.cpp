#include "geometry/segment_intersection.h"

#include <gtest/gtest.h>

namespace peltarix {
namespace {

constexpr double kTolerance = 0.1;

struct CrossingCase {
  const char* name;
  Segment first;
  Segment second;
  std::optional<Point> expected;
};

TEST(IntersectSegments, MeetsWithinToleranceAndGivesThePoint) {
  const CrossingCase cases[] = {
      {"horizontal across vertical", {{0, 5}, {10, 5}}, {{4, 0}, {4, 10}}, Point{4, 5}},
      {"corner of horizontal and vertical", {{0, 0}, {10, 0}}, {{10, 0}, {10, 10}}, Point{10, 0}},
      {"vertical first takes its own x", {{4, 0}, {4, 10}}, {{0, 5}, {10, 5}}, Point{4, 5}},
      {"boxes apart by exactly the tolerance",
       {{0, 0}, {10, 0}},
       {{10.1, -5}, {10.1, 5}},
       Point{10.1, 0}},
      {"boxes apart by more", {{0, 0}, {10, 0}}, {{10.2, -5}, {10.2, 5}}, std::nullopt},
      {"collinear horizontals overlapping", {{0, 0}, {10, 0}}, {{5, 0}, {15, 0}}, std::nullopt},
      {"parallel verticals", {{0, 0}, {0, 10}}, {{0.05, 0}, {0.05, 10}}, std::nullopt},
      {"degenerate against horizontal", {{5, 0}, {5.05, 0.05}}, {{0, 0}, {10, 0}}, std::nullopt},
      {"oblique crossing", {{0, 0}, {10, 10}}, {{0, 10}, {10, 0}}, Point{5, 5}},
      {"oblique touching at an end", {{0, 0}, {10, 10}}, {{10, 10}, {20, 0}}, Point{10, 10}},
      {"oblique across horizontal", {{0, 0}, {10, 10}}, {{0, 4}, {10, 4}}, Point{4, 4}},
      {"oblique passing beyond the end", {{0, 0}, {10, 10}}, {{12, 0}, {12, 20}}, std::nullopt},
      {"oblique parallel", {{0, 0}, {10, 10}}, {{0, 1}, {10, 11}}, std::nullopt},
      {"degenerate against oblique", {{5, 5}, {5.05, 5}}, {{0, 0}, {10, 10}}, std::nullopt},
  };
  for (const CrossingCase& c : cases) {
    SCOPED_TRACE(c.name);
    const std::optional<Point> result = IntersectSegments(c.first, c.second, kTolerance);
    ASSERT_EQ(result.has_value(), c.expected.has_value());
    if (result) {
      EXPECT_NEAR(result->x, c.expected->x, 1e-9);
      EXPECT_NEAR(result->y, c.expected->y, 1e-9);
    }
  }
}

struct OverlapCase {
  const char* name;
  Segment first;
  Segment second;
  OverlapCode code;
  Segment piece;
};

TEST(OverlapSegments, ClassifiesCollinearSegmentsAndGivesTheSharedStretch) {
  const OverlapCase cases[] = {
      // The stretch shared end to end is the touching point alone.
      {"end to end",
       {{0, 0}, {10, 0}},
       {{10, 0}, {20, 0}},
       OverlapCode::kTouching,
       {{10, 0}, {10, 0}}},
      {"end to end, second reversed",
       {{0, 0}, {10, 0}},
       {{20, 0}, {10, 0}},
       OverlapCode::kTouching,
       {{10, 0}, {10, 0}}},
      {"end to end at the start",
       {{0, 0}, {10, 0}},
       {{-10, 0}, {0, 0}},
       OverlapCode::kTouching,
       {{0, 0}, {0, 0}}},
      {"partial overlap",
       {{0, 0}, {10, 0}},
       {{5, 0}, {15, 0}},
       OverlapCode::kShared,
       {{5, 0}, {10, 0}}},
      {"partial overlap, second reversed",
       {{0, 0}, {10, 0}},
       {{15, 0}, {5, 0}},
       OverlapCode::kShared,
       {{5, 0}, {10, 0}}},
      {"second within first",
       {{0, 10}, {0, 0}},
       {{0, 3}, {0, 7}},
       OverlapCode::kShared,
       {{0, 7}, {0, 3}}},
      {"identical",
       {{0, 0}, {10, 10}},
       {{0, 0}, {10, 10}},
       OverlapCode::kShared,
       {{0, 0}, {10, 10}}},
      {"apart on one line",
       {{0, 0}, {10, 0}},
       {{12, 0}, {20, 0}},
       OverlapCode::kApart,
       {{0, 0}, {10, 0}}},
      {"parallel lines",
       {{0, 0}, {10, 0}},
       {{0, 1}, {10, 1}},
       OverlapCode::kNotCollinear,
       {{0, 0}, {10, 0}}},
      {"offset within tolerance",
       {{0, 0}, {10, 0}},
       {{5, 0.05}, {15, 0.05}},
       OverlapCode::kShared,
       {{5, 0.05}, {10, 0}}},
  };
  for (const OverlapCase& c : cases) {
    SCOPED_TRACE(c.name);
    const std::optional<Overlap> result = OverlapSegments(c.first, c.second, kTolerance);
    ASSERT_TRUE(result.has_value());
    EXPECT_EQ(result->code, c.code);
    if (c.code != OverlapCode::kApart) {
      EXPECT_EQ(result->piece, c.piece);
    }
  }
}

TEST(OverlapSegments, RefusesDegenerateSegments) {
  EXPECT_FALSE(OverlapSegments({{0, 0}, {0.1, 0.1}}, {{0, 0}, {10, 0}}, kTolerance));
  EXPECT_FALSE(OverlapSegments({{0, 0}, {10, 0}}, {{3, 0}, {3.05, 0}}, kTolerance));
}

}  // namespace
}  // namespace peltarix
