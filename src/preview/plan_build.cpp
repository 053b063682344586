#include <algorithm>
#include <cmath>
#include <map>
#include <string_view>

#include "preview/plan_model.h"
#include "preview/record_fields.h"
#include "source/c_numbers.h"

namespace peltarix {
namespace {

using Fields = std::vector<std::string_view>;

constexpr int kHighestFloor = 3;
// Heights are written with six decimals: two eave points agree to these.
constexpr double kHeightTolerance = 1e-5;

// Up to `count` (x, y, z) triples from field `first` on; a count beyond the
// fields present gives the points that are there.
std::vector<RoofVertex> ReadTriples(const Fields& fields, std::size_t first, int count) {
  std::vector<RoofVertex> points;
  for (int k = 0; k < count; ++k) {
    const std::size_t at = first + 3 * static_cast<std::size_t>(k);
    if (at + 2 >= fields.size()) break;
    points.push_back({{Atof(fields[at]), Atof(fields[at + 1])}, Atof(fields[at + 2])});
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
  const std::string_view flag = fields[16];
  const int code = Atoi(fields[17]);
  if (code == 1 || code == 2) return ColumnKind::kThrough;
  if (code == 0) return ColumnKind::kStorey;
  if (flag == "1") return ColumnKind::kRound;
  // Half and quarter columns share their codes; a quarter column's first
  // point lies half a width below its position, a half column's on it.
  const double first_y = Atof(fields[24]);
  const double second_y = Atof(fields[27]);
  const double width_y = Atof(fields[15]);
  return second_y - first_y > width_y * 1.25 ? ColumnKind::kQuarter : ColumnKind::kHalf;
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

class PlanBuilder {
 public:
  PlanFloor& Floor(int floor) {
    PlanFloor& plan = floors_[floor];
    plan.floor = floor;
    return plan;
  }

  void AddRecord(const Fields& fields) {
    if (fields.size() < 2) return;
    const std::string_view code = fields[0];
    const int floor = Atoi(fields[1]);
    const bool on_floor = floor >= 1 && floor <= kHighestFloor;
    if (code == "DC010100" && fields.size() >= 14 && on_floor) {
      PlanFloor& plan = Floor(floor);
      plan.has_outline = true;
      plan.outline = PlanPoints(ReadTriples(fields, 13, Atoi(fields[12])));
    } else if (code == "DC020100" && fields.size() >= 22 && on_floor) {
      PlanRoom room{Atoi(fields[12]), std::string(fields[13]),
                    PlanPoints(ReadTriples(fields, 21, Atoi(fields[20])))};
      Floor(floor).rooms.push_back(std::move(room));
    } else if (code == "AD020101" && fields.size() >= 29 && on_floor) {
      const double width_x = Atof(fields[14]);
      const double width_y = Atof(fields[15]);
      Floor(floor).columns.push_back({ReadColumnKind(fields), Atof(fields[26]) - width_x,
                                      Atof(fields[27]) - width_y, width_x, width_y});
    } else if (code == "AB010101" && fields.size() >= 22) {
      PlanRoof roof;
      roof.floor = floor;
      roof.pitch = Atoi(fields[13]);
      roof.reference = {Atof(fields[15]), Atof(fields[16])};
      roof.fall = {Atof(fields[18]), Atof(fields[19])};
      roof.vertices = ReadTriples(fields, 22, Atoi(fields[21]));
      roof.eave_edges = EaveEdges(roof.vertices);
      roofs_.push_back(std::move(roof));
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
