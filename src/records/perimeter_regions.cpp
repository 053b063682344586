#include "records/perimeter_regions.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "geometry/orientation.h"
#include "geometry/point.h"
#include "geometry/polygon_union.h"
#include "geometry/self_intersection.h"
#include "records/record_head.h"
#include "records/source_limits.h"
#include "run/number_format.h"
#include "run/numbered_text.h"
#include "source/c_numbers.h"

namespace peltarix {
namespace {

constexpr std::string_view kSection = "HAICHI_FLOOR";
constexpr std::string_view kGroup = "/FLOORBLK";

// Coordinates of one plan that differ by no more than this are one point.
constexpr double kCoincidence = 0.1;
// A union that needs more loops than this (an outline with two or more holes)
// leaves the block out; of the loops it gives, only the outer one is used.
constexpr int kUnionLoopLimit = 2;
// Validation admits buildings of one to three storeys.
constexpr int kHighestFloor = 3;

enum class BlockRead {
  kPoints,         // the block's closed point list was read
  kNoPointCount,   // "//PNUM" is missing
  kNoPoints,       // "//PNUM" reads as 0 or less: the block is left out
  kTooManyPoints,  // more points than the source can hold: refused, with a warning
};

struct Block {
  BlockRead read = BlockRead::kPoints;
  int point_count = 0;
  PointList points;
};

Block ReadBlock(const RecordValues& values, PointBudget& budget, std::string_view index) {
  Block block;
  const std::string_view point_count_text = values.Value("//PNUM");
  if (point_count_text.empty()) {
    block.read = BlockRead::kNoPointCount;
    return block;
  }
  const int point_count = Atoi(point_count_text);
  block.point_count = point_count;
  if (point_count <= 0) {
    block.read = BlockRead::kNoPoints;
    return block;
  }
  if (!budget.Claim(index, point_count)) {
    block.read = BlockRead::kTooManyPoints;
    return block;
  }
  block.points.reserve(static_cast<std::size_t>(point_count) + 1);
  NumberedText x_key("//X");
  NumberedText y_key("//Y");
  for (int k = 1; k <= point_count; ++k, x_key.Next(), y_key.Next()) {
    block.points.push_back({Atof(values.Value(x_key.text())), Atof(values.Value(y_key.text()))});
  }
  block.points.push_back(block.points.front());
  return block;
}

// The loop that bounds the union from outside: the first clockwise one. The
// loops follow the pieces of the first polygon in order, so when the union
// encloses a hole and the floor's outline starts on the hole's edge, the hole
// comes first (counter-clockwise); taking it would write the courtyard as the
// floor. Loops of blocks that lie apart are all clockwise, and the first of
// them, the floor's own outline, is kept as before.
const PointList& OuterLoop(const std::vector<PointList>& loops) {
  for (const PointList& loop : loops) {
    if (PolygonOrientation(loop) == Orientation::kClockwise) return loop;
  }
  return loops.front();
}

int CountClockwise(const std::vector<PointList>& loops) {
  return static_cast<int>(std::count_if(loops.begin(), loops.end(), [](const PointList& loop) {
    return PolygonOrientation(loop) == Orientation::kClockwise;
  }));
}

// Merges a clockwise block into the floor's perimeter; false when the block
// is left out. A union that fails (too many loops) or leaves no loop keeps
// the perimeter as it was; a block apart from the perimeter comes back as a
// second clockwise loop and is thereby left out. Both are reported: the user
// would not otherwise learn that the block is missing from the outline.
bool MergeBlock(RunContext& context, PointList& perimeter, const PointList& block,
                std::string_view block_number) {
  const UnionResult merged = UnitePolygons(perimeter, block, kUnionLoopLimit, kCoincidence);
  const std::string block_text =
      "外周領域（自身情報）の" + std::string(block_number) + "件目は外周";
  if (merged.status == UnionStatus::kTooManyPieces) {
    context.LogMessage(kWarning, block_text + "と交差する箇所が多すぎるため外周に含めません");
    return false;
  }
  const bool apart =
      merged.status == UnionStatus::kTooManyLoops || CountClockwise(merged.loops) > 1;
  if (apart) context.LogMessage(kWarning, block_text + "から離れているため外周に含めません");
  if (merged.status != UnionStatus::kDone || merged.loops.empty()) return false;
  perimeter = OrientPolygon(OuterLoop(merged.loops), Orientation::kClockwise);
  return !apart;
}

struct FloorPerimeter {
  PointList points;
  bool point_count_missing = false;
};

// The blocks of `floor` merged one by one in the order of the source. A block
// without a point count ends the scan: the blocks merged so far stand.
FloorPerimeter MergeFloorBlocks(RunContext& context, PointBudget& budget, int floor,
                                int block_count) {
  FloorPerimeter perimeter;
  bool any_merged = false;
  for (int number = 1; number <= block_count; ++number) {
    const std::string index = FormatInt(number);
    const RecordValues values = context.Record(kSection, kGroup, index);
    if (Atoi(values.Value("//KAI")) != floor) continue;
    const Block block = ReadBlock(values, budget, index);
    if (block.read == BlockRead::kNoPointCount) {
      context.LogMessage(kWarning, "変換元QVファイルに" + FormatInt(floor) +
                                       "階の外周領域（自身情報）が存在しません");
      perimeter.point_count_missing = true;
      break;
    }
    if (block.read == BlockRead::kTooManyPoints || block.read == BlockRead::kNoPoints) continue;

    const PointList oriented = OrientPolygon(block.points, Orientation::kClockwise);
    bool merged = true;
    if (any_merged) {
      merged = MergeBlock(context, perimeter.points, oriented, index);
    } else {
      perimeter.points = oriented;
    }
    any_merged = true;
    if (context.perimeter_blocks != nullptr)
      context.perimeter_blocks->push_back({number, floor, block.points, !merged});
  }
  return perimeter;
}

// Floor 1 stands on the ground plane; floors 2 and 3 on the top of the storey
// below.
std::string HeightField(const FloorValues& floors, int floor) {
  if (floor == 1) return "0.0";
  return FormatFixed(floors.level[static_cast<std::size_t>(floor)], 2);
}

void AppendPerimeterRecord(RunContext& context, int floor, const PointList& perimeter) {
  const std::string height = HeightField(context.floors, floor);
  const PointListLayout& outline = kPerimeterLayout.outline;
  RecordLineWriter record = StartRecord(context, kPerimeterLayout, FormatInt(floor));
  record.EmptyUntil(outline.count).Integer(static_cast<std::int64_t>(perimeter.size()));
  record.EmptyUntil(outline.first_point);
  for (const Point& point : perimeter) {
    record.Fixed(point.x, 2).Fixed(point.y, 2).Raw(height);
  }
  record.Integer(1).EndLine();
}

}  // namespace

int ConvertPerimeterRegions(RunContext& context) {
  context.LogMessage(kInformation, "外周領域（自身情報）を処理しています・・・");
  // Once a block lacks its point count, the twist notices stay silent for the
  // rest of the run: the outlines of that floor and the later ones are known
  // to be incomplete.
  bool point_count_missing = false;

  const int block_count = CountRecords(context, kSection, kGroup, "外周領域（自身情報）");
  if (block_count == 0) {
    context.LogMessage(kWarning, "変換元QVファイルに外周領域（自身情報）が存在しません");
    return 0;
  }

  const int floor_count =
      std::min(Atoi(context.LookupValue("QVINFO", "/INIT", "//INIT_FL", "")), kHighestFloor);
  // Each block is read for its own floor only, so the kind's points are
  // counted once.
  PointBudget budget(context, "外周領域（自身情報）");
  for (int floor = 1; floor <= floor_count; ++floor) {
    const FloorPerimeter perimeter = MergeFloorBlocks(context, budget, floor, block_count);
    point_count_missing = point_count_missing || perimeter.point_count_missing;
    const SelfIntersection twist = FindSelfIntersection(perimeter.points, kCoincidence);
    if (twist.found && !point_count_missing) {
      context.LogMessage(kInformation, "外周がねじれまたはくびれ変換されています。");
      context.LogMessage(kInformation, "ねじれの場合は再入力が必要です。");
      const std::size_t first_finding = context.findings.items.size();
      PlanFinding finding;
      finding.kind = FindingKind::kTwistedOutline;
      finding.floor = floor;
      finding.position = twist.where.value_or(Point{});
      finding.located = twist.where.has_value();
      context.findings.items.push_back(std::move(finding));
      LogFindingDetails(context, first_finding);
    }
    AppendPerimeterRecord(context, floor, perimeter.points);
  }
  return 0;
}

}  // namespace peltarix
