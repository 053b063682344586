// The pruned polygon operations against the all-pairs ones on random
// polygons: oblique and rectilinear, coarse and snapped to a grid finer than
// twice the tolerance, outlines drawn twice a little apart, and lists that
// do not end on their first point. Every case names its seed; PELTARIX_TEST_SEED starts the seeds
// elsewhere.

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <random>
#include <string>

#include "all_pairs_reference.h"
#include "geometry/indexed_polygon.h"
#include "geometry/orientation.h"
#include "geometry/point_location.h"
#include "geometry/polygon_union.h"
#include "geometry/segment_split.h"
#include "geometry/self_intersection.h"
#include "support/test_seed.h"

namespace peltarix {
namespace {

constexpr double kTolerance = 0.1;

struct Shape {
  bool rectilinear;
  double snap;  // 0: coordinates as drawn
};

double Snap(double value, double snap) {
  return snap > 0.0 ? std::round(value / snap) * snap : value;
}

// A star-shaped outline round (cx, cy); rectilinear ones step along x then
// y from vertex to vertex. Some stars wind twice and cross themselves.
PointList RandomPolygon(std::mt19937& random, Shape shape, double cx, double cy) {
  std::uniform_int_distribution<int> count(3, 80);
  std::uniform_real_distribution<double> radius(2.0, 30.0);
  std::uniform_int_distribution<int> turns(0, 5);
  const int n = count(random);
  const double winding = turns(random) == 0 ? 2.0 : 1.0;
  PointList points;
  for (int k = 0; k < n; ++k) {
    const double angle = -winding * 2.0 * std::numbers::pi * k / n;
    const double r = radius(random);
    const Point next{Snap(cx + r * std::cos(angle), shape.snap),
                     Snap(cy + r * std::sin(angle), shape.snap)};
    if (shape.rectilinear && !points.empty()) points.push_back({next.x, points.back().y});
    points.push_back(next);
  }
  if (shape.rectilinear) points.push_back({points.front().x, points.back().y});
  points.push_back(points.front());
  return points;
}

// The outline once more, each point moved by up to `shift` both ways.
PointList Redrawn(std::mt19937& random, const PointList& outline, double shift) {
  std::uniform_real_distribution<double> move(-shift, shift);
  PointList points = outline;
  for (Point& point : points) point = {point.x + move(random), point.y + move(random)};
  points.back() = points.front();
  return points;
}

void ExpectSameLocations(std::mt19937& random, const PointList& polygon, const PointList& probes) {
  const IndexedPolygon indexed(polygon, kTolerance);
  const Orientation region = PolygonOrientation(polygon);
  std::uniform_real_distribution<double> jitter(-0.15, 0.15);
  std::uniform_real_distribution<double> along(0.0, 1.0);
  for (std::size_t k = 0; k + 1 < probes.size(); ++k) {
    const Point p = probes[k];
    const Point q = probes[k + 1];
    const double t = along(random);
    for (const Point point :
         {p, Point{p.x + jitter(random), p.y + jitter(random)},
          Point{p.x + t * (q.x - p.x), p.y + t * (q.y - p.y)},
          Point{p.x + t * (q.x - p.x) + jitter(random), p.y + jitter(random)}}) {
      ASSERT_EQ(LocatePoint(region, indexed, point),
                LocatePoint(region, polygon, point, kTolerance))
          << point.x << ", " << point.y;
    }
    const Segment segment{p, q};
    const std::vector<Piece> plain = SplitSegmentByPolygon(polygon, segment, kTolerance, region);
    const std::vector<Piece> pruned = SplitSegmentByPolygon(indexed, segment, kTolerance, region);
    ASSERT_EQ(pruned.size(), plain.size());
    for (std::size_t i = 0; i < plain.size(); ++i) {
      EXPECT_EQ(pruned[i].segment, plain[i].segment);
      EXPECT_EQ(pruned[i].piece_class, plain[i].piece_class);
    }
  }
}

TEST(PairPruning, GivesTheAllPairsResultsOnRandomPolygons) {
  const Shape shapes[] = {{false, 0.0}, {true, 0.0}, {false, 0.15}, {true, 0.15}, {true, 1.0}};
  const unsigned first_seed = testing::TestSeed(1);
  for (unsigned seed = first_seed; seed < first_seed + 150; ++seed) {
    SCOPED_TRACE(testing::SeedTrace(seed));
    std::mt19937 random(seed);
    const Shape shape = shapes[seed % 5];
    const PointList first = RandomPolygon(random, shape, 0.0, 0.0);
    std::uniform_real_distribution<double> offset(-25.0, 25.0);
    PointList second = seed % 3 == 0 ? Redrawn(random, first, seed % 2 == 0 ? 0.12 : 0.0)
                                     : RandomPolygon(random, shape, offset(random), offset(random));
    // A list that stops short of its first point, as an unclosed union loop.
    if (seed % 7 == 0) second.pop_back();

    for (const PointList* polygon : {&first, static_cast<const PointList*>(&second)}) {
      EXPECT_EQ(CheckSelfIntersection(*polygon, kTolerance),
                testing::AllPairsSelfIntersection(*polygon, kTolerance));
    }
    ExpectSameLocations(random, first, second);
    ExpectSameLocations(random, second, first);

    const PointList a = OrientPolygon(first, Orientation::kClockwise);
    const PointList b = seed % 4 == 0 ? second : OrientPolygon(second, Orientation::kClockwise);
    const std::optional<UnionResult> expected = testing::AllPairsUnion(a, b, 2, kTolerance);
    if (!expected) continue;
    const UnionResult result = UnitePolygons(a, b, 2, kTolerance);
    EXPECT_EQ(result.status, expected->status);
    EXPECT_EQ(result.loops, expected->loops);
    for (const PointList& loop : result.loops) {
      EXPECT_EQ(CheckSelfIntersection(loop, kTolerance),
                testing::AllPairsSelfIntersection(loop, kTolerance));
    }
  }
}

TEST(PairPruning, LocatesAgainstLargeOutlinesAsTheFullAngleSum) {
  // Thousands of short edges make the angle sum stop short of the far
  // edges; points on, beside and across the outline and far inside it.
  const unsigned first_seed = testing::TestSeed(1);
  for (unsigned seed = first_seed; seed < first_seed + 2; ++seed) {
    SCOPED_TRACE(testing::SeedTrace(seed));
    std::mt19937 random(seed);
    std::uniform_real_distribution<double> wobble(-0.3, 0.3);
    PointList circle;
    for (int k = 0; k < 3000; ++k) {
      const double angle = -2.0 * std::numbers::pi * k / 3000;
      circle.push_back(
          {5000.0 * std::cos(angle) + wobble(random), 5000.0 * std::sin(angle) + wobble(random)});
    }
    circle.push_back(circle.front());
    PointList probes;
    std::uniform_real_distribution<double> spread(-5200.0, 5200.0);
    for (int k = 0; k < 100; ++k) probes.push_back({spread(random), spread(random)});
    for (int k = 0; k < 3000; k += 30) probes.push_back(circle[static_cast<std::size_t>(k)]);
    ExpectSameLocations(random, circle, probes);
  }
}

}  // namespace
}  // namespace peltarix
