// Compares UnitePolygons with Boost.Geometry's exact union on random
// rectilinear plans, in the manner of Boost.Geometry's own random-grid
// robustness tests: wherever the exact union is one simple polygon without
// holes, the first loop must be closed, simple, and enclose the same area.
// Every case names its seed; PELTARIX_TEST_SEED starts the seeds there.

#include <gtest/gtest.h>

// Boost.Geometry still includes a few headers that Boost has since moved;
// their deprecation notes say nothing about this code.
#define BOOST_ALLOW_DEPRECATED_HEADERS
#include <algorithm>
#include <boost/geometry.hpp>
#include <boost/geometry/geometries/point_xy.hpp>
#include <boost/geometry/geometries/polygon.hpp>
#include <cmath>
#include <optional>
#include <random>
#include <set>
#include <string>
#include <utility>

#include "geometry/orientation.h"
#include "geometry/polygon_union.h"
#include "geometry/self_intersection.h"
#include "support/test_seed.h"

namespace peltarix {
namespace {

namespace bg = boost::geometry;
using BoostPoint = bg::model::d2::point_xy<double>;
using BoostPolygon = bg::model::polygon<BoostPoint>;  // clockwise and closed, as ours
using BoostMultiPolygon = bg::model::multi_polygon<BoostPolygon>;

constexpr double kTolerance = 0.1;
constexpr int kGrid = 6;  // cells along each axis
// A plan grid far coarser than the tolerance, and one only 2.5 times as
// coarse, where pieces shorter than 0.32 units share boundaries.
constexpr double kCoarseCell = 10.0;
constexpr double kFineCell = 0.25;

BoostPolygon ToBoost(const PointList& points) {
  BoostPolygon polygon;
  for (const Point& point : points) bg::append(polygon.outer(), BoostPoint(point.x, point.y));
  bg::correct(polygon);
  return polygon;
}

double Area(const PointList& loop) {
  double twice = 0.0;
  for (std::size_t k = 0; k + 1 < loop.size(); ++k) {
    twice += loop[k].x * loop[k + 1].y - loop[k + 1].x * loop[k].y;
  }
  return std::fabs(twice) / 2.0;
}

double Perimeter(const PointList& loop) {
  double length = 0.0;
  for (std::size_t k = 0; k + 1 < loop.size(); ++k) {
    length += std::hypot(loop[k + 1].x - loop[k].x, loop[k + 1].y - loop[k].y);
  }
  return length;
}

bool PassesAVertexTwice(const PointList& ring) {
  std::set<std::pair<double, double>> seen;
  for (std::size_t k = 0; k + 1 < ring.size(); ++k) {
    if (!seen.insert({ring[k].x, ring[k].y}).second) return true;
  }
  return false;
}

PointList FromBoost(const BoostPolygon& polygon) {
  PointList points;
  for (const BoostPoint& point : polygon.outer()) points.push_back({point.x(), point.y()});
  return points;
}

// The exact union's outline when it is one polygon without holes whose
// boundary does not touch itself.
std::optional<PointList> SimpleUnion(const PointList& first, const PointList& second) {
  BoostMultiPolygon united;
  bg::union_(ToBoost(first), ToBoost(second), united);
  if (united.size() != 1 || !united[0].inners().empty() || !bg::is_valid(united[0])) {
    return std::nullopt;
  }
  PointList outline = FromBoost(united[0]);
  if (PassesAVertexTwice(outline)) return std::nullopt;
  return outline;
}

// Unites `first` and `second` and checks the first loop against the exact
// union of `exact_first` and `exact_second` (the same polygons, or the ones
// they stand for on the grid); `slack` is the area the tolerance may add or
// take away. Returns false when the exact union is not one simple polygon.
bool CompareWithExactUnion(const PointList& first, const PointList& second,
                           const PointList& exact_first, const PointList& exact_second,
                           double slack) {
  const std::optional<PointList> exact = SimpleUnion(exact_first, exact_second);
  if (!exact) return false;
  const UnionResult result = UnitePolygons(first, second, 2, kTolerance);
  EXPECT_EQ(result.status, UnionStatus::kDone);
  if (result.loops.empty() || result.loops.front().size() < 4) {
    ADD_FAILURE() << "no loop";
    return true;
  }
  const PointList& loop = result.loops.front();
  EXPECT_LE(std::fabs(loop.front().x - loop.back().x), kTolerance) << "loop not closed";
  EXPECT_LE(std::fabs(loop.front().y - loop.back().y), kTolerance) << "loop not closed";
  EXPECT_FALSE(CheckSelfIntersection(loop, kTolerance)) << "loop not simple";
  EXPECT_NEAR(Area(loop), Area(*exact), slack);
  return true;
}

std::string Describe(const PointList& points) {
  std::string text;
  for (const Point& point : points) {
    text += "(" + std::to_string(point.x) + "," + std::to_string(point.y) + ")";
  }
  return text;
}

PointList Shifted(PointList points, double dx, double dy) {
  for (Point& point : points) {
    point.x += dx;
    point.y += dy;
  }
  return points;
}

// The outline with every coordinate moved to the nearest grid line, and the
// repeated points that leaves removed.
PointList SnappedToGrid(const PointList& points, double cell) {
  PointList snapped;
  for (const Point& point : points) {
    const Point on_grid{std::round(point.x / cell) * cell, std::round(point.y / cell) * cell};
    if (snapped.empty() || !(snapped.back() == on_grid)) snapped.push_back(on_grid);
  }
  return snapped;
}

// The cell at column x, row y, clockwise.
PointList CellAt(int x, int y, double cell) {
  const double x0 = x * cell;
  const double y0 = y * cell;
  return {{x0, y0}, {x0, y0 + cell}, {x0 + cell, y0 + cell}, {x0 + cell, y0}, {x0, y0}};
}

// A block of whole grid cells, clockwise as the converter orients it.
PointList RandomBlock(std::mt19937& random, double cell) {
  std::uniform_int_distribution<int> corner(0, kGrid - 1);
  std::uniform_int_distribution<int> extent(1, 3);
  const double x0 = corner(random) * cell;
  const double y0 = corner(random) * cell;
  const double x1 = x0 + extent(random) * cell;
  const double y1 = y0 + extent(random) * cell;
  return {{x0, y0}, {x0, y1}, {x1, y1}, {x1, y0}, {x0, y0}};
}

// A rectilinear polygon: the outline of a random walk over grid cells, when
// that is one polygon without holes or pinches. Clockwise, as Boost.Geometry
// traces it.
std::optional<PointList> RandomRectilinearPolygon(std::mt19937& random, double cell) {
  std::uniform_int_distribution<int> start(0, kGrid - 1);
  std::uniform_int_distribution<int> step(0, 3);
  int x = start(random);
  int y = start(random);
  BoostMultiPolygon shape;
  const int cell_count = std::uniform_int_distribution<int>(1, 7)(random);
  for (int k = 0; k < cell_count; ++k) {
    BoostMultiPolygon grown;
    bg::union_(shape, ToBoost(CellAt(x, y, cell)), grown);
    shape = std::move(grown);
    const int direction = step(random);
    x = std::clamp(x + (direction == 0) - (direction == 1), 0, kGrid - 1);
    y = std::clamp(y + (direction == 2) - (direction == 3), 0, kGrid - 1);
  }
  if (shape.size() != 1 || !shape[0].inners().empty()) return std::nullopt;
  PointList outline = FromBoost(shape[0]);
  if (PassesAVertexTwice(outline)) return std::nullopt;
  return outline;
}

// Merges random blocks one at a time as the converter does, checking every
// merge whose exact union is one simple polygon. `offset` moves each block
// off the grid by up to that much in x and y. Returns the number of merges
// compared.
int MergeRandomFloors(unsigned seeds, double cell, double offset) {
  int compared = 0;
  const unsigned first_seed = testing::TestSeed(1);
  for (unsigned seed = first_seed; seed < first_seed + seeds; ++seed) {
    std::mt19937 random(seed);
    std::uniform_real_distribution<double> shift(0.0, offset);
    const int block_count = std::uniform_int_distribution<int>(2, 20)(random);
    PointList perimeter = RandomBlock(random, cell);
    for (int block_number = 2; block_number <= block_count; ++block_number) {
      const PointList on_grid = RandomBlock(random, cell);
      const PointList block = Shifted(on_grid, shift(random), shift(random));
      SCOPED_TRACE(::testing::Message()
                   << "seed " << seed << ", block " << block_number << "\nperimeter "
                   << Describe(perimeter) << "\nblock " << Describe(block));
      const double slack = 2.0 * offset * (Perimeter(perimeter) + Perimeter(block)) + 1e-6;
      if (CompareWithExactUnion(perimeter, block, SnappedToGrid(perimeter, cell), on_grid, slack)) {
        ++compared;
      }
      if (::testing::Test::HasFailure()) return compared;
      const UnionResult result = UnitePolygons(perimeter, block, 2, kTolerance);
      if (result.status == UnionStatus::kDone && !result.loops.empty()) {
        perimeter = OrientPolygon(result.loops.front(), Orientation::kClockwise);
      }
      if (CheckSelfIntersection(perimeter, kTolerance)) break;
    }
  }
  return compared;
}

// Unites random pairs of rectilinear polygons, the second moved off the grid
// by up to `offset`. Returns the number of pairs compared.
int UniteRandomPairs(unsigned seeds, double cell, double offset) {
  int compared = 0;
  const unsigned first_seed = testing::TestSeed(1);
  for (unsigned seed = first_seed; seed < first_seed + seeds; ++seed) {
    std::mt19937 random(seed);
    const std::optional<PointList> first = RandomRectilinearPolygon(random, cell);
    const std::optional<PointList> second = RandomRectilinearPolygon(random, cell);
    if (!first || !second) continue;
    std::uniform_real_distribution<double> shift(-offset, offset);
    const PointList moved = Shifted(*second, shift(random), shift(random));
    SCOPED_TRACE(::testing::Message() << "seed " << seed << "\nfirst " << Describe(*first)
                                      << "\nsecond " << Describe(moved));
    const double slack = 2.0 * offset * (Perimeter(*first) + Perimeter(moved)) + 1e-6;
    if (CompareWithExactUnion(*first, moved, *first, *second, slack)) ++compared;
    if (::testing::Test::HasFailure()) return compared;
  }
  return compared;
}

TEST(UnitePolygonsProperty, FloorsOfGridBlocksMergedOneByOneMatchTheExactUnion) {
  EXPECT_GT(MergeRandomFloors(300, kCoarseCell, 0.0), 500);
}

TEST(UnitePolygonsProperty, FloorsOnAGridNearTheToleranceMatchTheExactUnion) {
  EXPECT_GT(MergeRandomFloors(300, kFineCell, 0.0), 500);
}

TEST(UnitePolygonsProperty, FloorsOfBlocksOffTheGridByLessThanTheToleranceMergeAsOnIt) {
  EXPECT_GT(MergeRandomFloors(300, kCoarseCell, 0.09), 500);
}

TEST(UnitePolygonsProperty, RectilinearPairsMatchTheExactUnion) {
  EXPECT_GT(UniteRandomPairs(1000, kCoarseCell, 0.0), 300);
}

TEST(UnitePolygonsProperty, RectilinearPairsOnAGridNearTheToleranceMatchTheExactUnion) {
  EXPECT_GT(UniteRandomPairs(1000, kFineCell, 0.0), 300);
}

TEST(UnitePolygonsProperty, PairsOffsetByLessThanTheToleranceMergeAsOnTheGrid) {
  EXPECT_GT(UniteRandomPairs(1000, kCoarseCell, 0.09), 300);
}

}  // namespace
}  // namespace peltarix
