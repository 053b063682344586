#include <algorithm>
#include <cmath>
#include <map>
#include <string_view>

#include "preview/plan_model.h"
#include "preview/record_fields.h"
#include "records/record_layouts.h"
#include "source/c_numbers.h"

namespace peltarix {
namespace {

using Fields = std::vector<std::string_view>;

constexpr int kHighestFloor = 3;
// Heights are written with six decimals: two eave points agree to these.
constexpr double kHeightTolerance = 1e-5;

// The points of a list whose layout is `list`, up to its count; a count
// beyond the fields present gives the points that are there.
std::vector<RoofVertex> ReadPoints(const Fields& fields, const PointListLayout& list) {
  const int count = Atoi(FieldOf(fields, list.count));
  std::vector<RoofVertex> points;
  for (int k = 0; k < count; ++k) {
    const int x = list.first_point + list.stride * k;
    if (!HasField(fields, x + 2)) break;
    points.push_back(
        {{Atof(FieldOf(fields, x)), Atof(FieldOf(fields, x + 1))}, Atof(FieldOf(fields, x + 2))});
  }
  return points;
}

PointList PlanPoints(const std::vector<RoofVertex>& vertices) {
  PointList points;
  points.reserve(vertices.size());
  for (const RoofVertex& vertex : vertices) points.push_back(vertex.point);
  return points;
}

ColumnKind ReadColumnKind(const Fields& fields) {
  const ColumnLayout& layout = kColumnLayout;
  const std::string_view flag = FieldOf(fields, layout.kind_flag);
  const int code = Atoi(FieldOf(fields, layout.kind_and_floor));
  if (code == 1 || code == 2) return ColumnKind::kThrough;
  if (code == 0) return ColumnKind::kStorey;
  if (flag == "1") return ColumnKind::kRound;
  // Half and quarter columns share their codes; a quarter column's first
  // point lies half a width below its position, a half column's on it.
  const double first_y = Atof(FieldOf(fields, layout.first_y));
  const double second_y = Atof(FieldOf(fields, layout.second_y));
  const double width_y = Atof(FieldOf(fields, layout.width_y));
  return second_y - first_y > width_y * 1.25 ? ColumnKind::kQuarter : ColumnKind::kHalf;
}

// The column's box: the second point is its far corner.
PlanColumn ReadColumn(const Fields& fields) {
  const ColumnLayout& layout = kColumnLayout;
  const double width_x = Atof(FieldOf(fields, layout.width_x));
  const double width_y = Atof(FieldOf(fields, layout.width_y));
  return {ReadColumnKind(fields), Atof(FieldOf(fields, layout.second_x)) - width_x,
          Atof(FieldOf(fields, layout.second_y)) - width_y, width_x, width_y};
}

PlanRoom ReadRoom(const Fields& fields) {
  return {Atoi(FieldOf(fields, kRoomLayout.kind_code)),
          std::string(FieldOf(fields, kRoomLayout.display_name)),
          PlanPoints(ReadPoints(fields, kRoomLayout.outline))};
}

std::vector<bool> EaveEdges(const std::vector<RoofVertex>& vertices) {
  std::vector<bool> eaves(vertices.size() > 1 ? vertices.size() - 1 : 0, false);
  if (vertices.empty()) return eaves;
  const auto [low, high] = std::minmax_element(
      vertices.begin(), vertices.end(),
      [](const RoofVertex& a, const RoofVertex& b) { return a.height < b.height; });
  // A face without any rise (pitch 0) has no eave to tell apart.
  if (high->height - low->height <= kHeightTolerance) return eaves;
  const double lowest = low->height;
  const auto on_eave = [lowest](const RoofVertex& vertex) {
    return vertex.height - lowest <= kHeightTolerance;
  };
  for (std::size_t k = 0; k < eaves.size(); ++k)
    eaves[k] = on_eave(vertices[k]) && on_eave(vertices[k + 1]);
  return eaves;
}

PlanRoof ReadRoof(const Fields& fields, int floor) {
  const RoofLayout& layout = kRoofLayout;
  PlanRoof roof;
  roof.floor = floor;
  roof.pitch = Atoi(FieldOf(fields, layout.pitch));
  roof.reference = {Atof(FieldOf(fields, layout.reference_x)),
                    Atof(FieldOf(fields, layout.reference_y))};
  roof.fall = {Atof(FieldOf(fields, layout.fall_x)), Atof(FieldOf(fields, layout.fall_y))};
  roof.vertices = ReadPoints(fields, layout.outline);
  roof.eave_edges = EaveEdges(roof.vertices);
  return roof;
}

class PlanBuilder {
 public:
  PlanFloor& Floor(int floor) {
    PlanFloor& plan = floors_[floor];
    plan.floor = floor;
    return plan;
  }

  // Records are told apart by their code; each is read only when it reaches
  // the last field that the preview cannot do without.
  void AddRecord(const Fields& fields) {
    if (!HasField(fields, kRecordHead.floor)) return;
    const std::string_view code = FieldOf(fields, kRecordHead.code);
    const int floor = Atoi(FieldOf(fields, kRecordHead.floor));
    const bool on_floor = floor >= 1 && floor <= kHighestFloor;
    if (code == kPerimeterLayout.code && HasField(fields, kPerimeterLayout.outline.first_point) &&
        on_floor) {
      PlanFloor& plan = Floor(floor);
      plan.has_outline = true;
      plan.outline = PlanPoints(ReadPoints(fields, kPerimeterLayout.outline));
    } else if (code == kRoomLayout.code && HasField(fields, kRoomLayout.outline.first_point) &&
               on_floor) {
      Floor(floor).rooms.push_back(ReadRoom(fields));
    } else if (code == kColumnLayout.code && HasField(fields, kColumnLayout.top_level) &&
               on_floor) {
      Floor(floor).columns.push_back(ReadColumn(fields));
    } else if (code == kRoofLayout.code && HasField(fields, kRoofLayout.outline.count)) {
      roofs_.push_back(ReadRoof(fields, floor));
    }
  }

  PlanModel Take() {
    PlanModel model;
    for (auto& [floor, plan] : floors_) model.floors.push_back(std::move(plan));
    model.roofs = std::move(roofs_);
    return model;
  }

 private:
  std::map<int, PlanFloor> floors_;
  std::vector<PlanRoof> roofs_;
};

PlanModel AddBlocks(PlanBuilder& builder, const PerimeterBlocks& blocks) {
  for (const PerimeterBlock& block : blocks) {
    if (block.floor >= 1 && block.floor <= kHighestFloor && block.points.size() >= 2)
      builder.Floor(block.floor).blocks.push_back(block);
  }
  return builder.Take();
}

}  // namespace

PlanModel BuildPlanModel(std::span<const std::string> record_lines, const PerimeterBlocks& blocks) {
  PlanBuilder builder;
  for (const std::string& line : record_lines) builder.AddRecord(SplitRecordFields(line));
  return AddBlocks(builder, blocks);
}

PlanModel BuildPlanModel(const OutputLines& record_lines, const PerimeterBlocks& blocks) {
  PlanBuilder builder;
  for (int index = 0; index <= record_lines.last_line_index(); ++index) {
    builder.AddRecord(SplitRecordFields(record_lines.line(index)));
  }
  return AddBlocks(builder, blocks);
}

double EnclosedArea(std::span<const Point> polygon) {
  double twice_area = 0.0;
  for (std::size_t k = 0; k + 1 < polygon.size(); ++k)
    twice_area += polygon[k].x * polygon[k + 1].y - polygon[k + 1].x * polygon[k].y;
  return std::fabs(twice_area) * 0.5;
}

Point LabelPoint(std::span<const Point> polygon) {
  if (polygon.empty()) return {};
  double twice_area = 0.0;
  double cx = 0.0;
  double cy = 0.0;
  for (std::size_t k = 0; k + 1 < polygon.size(); ++k) {
    const double cross = polygon[k].x * polygon[k + 1].y - polygon[k + 1].x * polygon[k].y;
    twice_area += cross;
    cx += (polygon[k].x + polygon[k + 1].x) * cross;
    cy += (polygon[k].y + polygon[k + 1].y) * cross;
  }
  if (std::fabs(twice_area) > 1e-9) return {cx / (3.0 * twice_area), cy / (3.0 * twice_area)};
  Point mean;
  for (const Point& point : polygon) {
    mean.x += point.x / static_cast<double>(polygon.size());
    mean.y += point.y / static_cast<double>(polygon.size());
  }
  return mean;
}

}  // namespace peltarix
