// The polygon work of the perimeter conversion: a floor of twenty plan-sized
// blocks, large circular blocks (the union, the self-intersection check and
// the whole conversion of a generated source), and two overlapping blocks of
// 40 000 points on one floor.

#include <benchmark/benchmark.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <numbers>
#include <string>
#include <vector>

#include "conversion/conversion_run.h"
#include "geometry/orientation.h"
#include "geometry/point.h"
#include "geometry/polygon_union.h"
#include "geometry/self_intersection.h"
#include "run/number_format.h"
#include "run/run_context.h"
#include "support/qv_text.h"

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

// A clockwise circle of `points` points and radius 10 m round (cx, cy),
// closed; its coordinates rounded to 0.01 as a source writes them.
PointList Circle(int points, double cx, double cy) {
  PointList circle;
  for (int k = 0; k < points; ++k) {
    const double angle = -2.0 * std::numbers::pi * k / points;
    circle.push_back({std::round((cx + 10000.0 * std::cos(angle)) * 100.0) / 100.0,
                      std::round((cy + 10000.0 * std::sin(angle)) * 100.0) / 100.0});
  }
  circle.push_back(circle.front());
  return circle;
}

void BM_SelfIntersectionOfCircle(benchmark::State& state) {
  const PointList circle = Circle(static_cast<int>(state.range(0)), 20000.0, 20000.0);
  for (auto _ : state) {
    if (CheckSelfIntersection(circle, 0.1)) state.SkipWithError("a circle is simple");
  }
}
BENCHMARK(BM_SelfIntersectionOfCircle)
    ->Arg(10000)
    ->Arg(30000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond);

// Two circles whose centres lie half a radius apart.
void BM_UniteTwoOverlappingCircles(benchmark::State& state) {
  const int points = static_cast<int>(state.range(0));
  const PointList first = Circle(points, 20000.0, 20000.0);
  const PointList second = Circle(points, 25000.0, 20000.0);
  std::size_t outline_points = 0;
  for (auto _ : state) {
    const UnionResult result = UnitePolygons(first, second, 2, 0.1);
    if (result.status != UnionStatus::kDone) state.SkipWithError("the union failed");
    outline_points = result.loops.empty() ? 0 : result.loops.front().size();
  }
  state.counters["outline_points"] = static_cast<double>(outline_points);
}
BENCHMARK(BM_UniteTwoOverlappingCircles)->Arg(10000)->Arg(40000)->Unit(benchmark::kMillisecond);

class DiscardedLog : public LogView {
 public:
  void AppendLine(std::string) override {}
  void ShowNow() override {}
  void Clear() override {}
};

std::string PerimeterBlock(int number, const PointList& closed) {
  std::string block = "/FLOORBLK\n" + std::to_string(number) + "\n//KAI\n1\n//PNUM\n" +
                      std::to_string(closed.size() - 1) + "\n";
  for (std::size_t k = 0; k + 1 < closed.size(); ++k) {
    const std::string n = std::to_string(k + 1);
    block += "//X" + n + "\n" + FormatFixed(closed[k].x, 2) + "\n";
    block += "//Y" + n + "\n" + FormatFixed(closed[k].y, 2) + "\n";
  }
  return block + "ENDSEC\n";
}

// The perimeter conversion alone, from reading a one-storey source of the
// given blocks to writing its CSV.
void RunPerimeterConversion(benchmark::State& state, const std::vector<PointList>& blocks) {
  std::string text = testing::InfoSection({{"//INIT_FL", "1"}}) +
                     "HAICHI_FLOOR\nQVDTSMR\n/FLOORBLK\n" + std::to_string(blocks.size()) +
                     "\nQVDTSMREND\nQVDTDTL\n";
  for (std::size_t k = 0; k < blocks.size(); ++k) {
    text += PerimeterBlock(static_cast<int>(k + 1), blocks[k]);
  }
  text += "QVDTDTLEND\nHAICHI_FLOOREND\n";
  const std::filesystem::path folder = std::filesystem::temp_directory_path();
  const std::string source = (folder / "peltarix-perimeter-bench.QV").string();
  const std::string destination = (folder / "peltarix-perimeter-bench.csv").string();
  std::ofstream(source, std::ios::binary) << text;
  const DataKindSet kinds = DataKindSet::Only(DataKind::kPerimeter);
  DiscardedLog view;
  for (auto _ : state) {
    RunContext context(view);
    context.source_file_path = source;
    context.destination_file_path = destination;
    if (RunConversion(context, kinds) != 0) state.SkipWithError("run failed");
  }
  state.counters["source_bytes"] = static_cast<double>(text.size());
  std::filesystem::remove(source);
  std::filesystem::remove(destination);
}

void BM_ConvertCircularBlock(benchmark::State& state) {
  RunPerimeterConversion(state, {Circle(static_cast<int>(state.range(0)), 20000.0, 20000.0)});
}
BENCHMARK(BM_ConvertCircularBlock)
    ->Arg(10000)
    ->Arg(30000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond);

void BM_ConvertTwoOverlappingBlocks(benchmark::State& state) {
  const int points = static_cast<int>(state.range(0));
  RunPerimeterConversion(state,
                         {Circle(points, 20000.0, 20000.0), Circle(points, 25000.0, 20000.0)});
}
BENCHMARK(BM_ConvertTwoOverlappingBlocks)->Arg(40000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace peltarix
