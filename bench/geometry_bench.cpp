// The polygon union as the perimeter conversion uses it: the blocks of one
// floor merged one at a time into the floor's outline.

#include <benchmark/benchmark.h>

#include <vector>

#include "geometry/orientation.h"
#include "geometry/point.h"
#include "geometry/polygon_union.h"

namespace peltarix {
namespace {

// Twenty rooms of a house plan on a 910 grid, each overlapping or touching
// its neighbours, written counter-clockwise as the CAD system writes them.
std::vector<PointList> TwentyOverlappingBlocks() {
  std::vector<PointList> blocks;
  for (int row = 0; row < 4; ++row) {
    for (int column = 0; column < 5; ++column) {
      const double x0 = column * 2730.0 + (row % 2) * 455.0;
      const double y0 = row * 2730.0;
      const double x1 = x0 + 3640.0;
      const double y1 = y0 + 2730.0 + (column % 2) * 910.0;
      blocks.push_back({{x0, y0}, {x1, y0}, {x1, y1}, {x0, y1}, {x0, y0}});
    }
  }
  return blocks;
}

PointList MergeFloor(const std::vector<PointList>& blocks) {
  PointList perimeter;
  for (const PointList& block : blocks) {
    const PointList oriented = OrientPolygon(block, Orientation::kClockwise);
    if (perimeter.empty()) {
      perimeter = oriented;
      continue;
    }
    const UnionResult merged = UnitePolygons(perimeter, oriented, 2, 0.1);
    if (merged.status == UnionStatus::kDone && !merged.loops.empty()) {
      perimeter = OrientPolygon(merged.loops.front(), Orientation::kClockwise);
    }
  }
  return perimeter;
}

void BM_UniteFloorOfTwentyOverlappingBlocks(benchmark::State& state) {
  const std::vector<PointList> blocks = TwentyOverlappingBlocks();
  std::size_t outline_points = 0;
  for (auto _ : state) {
    const PointList perimeter = MergeFloor(blocks);
    outline_points = perimeter.size();
    benchmark::DoNotOptimize(perimeter.data());
  }
  state.counters["outline_points"] = static_cast<double>(outline_points);
}
BENCHMARK(BM_UniteFloorOfTwentyOverlappingBlocks)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace peltarix
