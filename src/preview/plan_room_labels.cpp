#include "preview/plan_room_labels.h"

#include <algorithm>
#include <numeric>

#include "platform/cp932_decode.h"

namespace peltarix {
namespace {

Point Local(Point plan, const Box& bounds, double scale) {
  return {(plan.x - bounds.min_x) * scale, (bounds.max_y - plan.y) * scale};
}

PointList LocalPoints(const PointList& points, const Box& bounds, double scale) {
  PointList local;
  local.reserve(points.size());
  for (const Point& point : points) local.push_back(Local(point, bounds, scale));
  return local;
}

// The box a mark takes around `centre` (see plan_draw_marks.cpp: squares of
// 14 px, rings of up to 24 px).
Box MarkBox(Point centre) {
  constexpr double kHalf = 12.0;
  return {.min_x = centre.x - kHalf,
          .max_x = centre.x + kHalf,
          .min_y = centre.y - kHalf,
          .max_y = centre.y + kHalf};
}

void BlockMarks(const PlanFloor& floor, const PlanFindings& findings, const Box& bounds,
                double scale, LabelSpace& space) {
  for (const PlanFinding& finding : findings.items) {
    const bool marked = finding.kind == FindingKind::kUnconvertedColumn ||
                        (finding.kind == FindingKind::kTwistedOutline && finding.located);
    if (marked && finding.floor == floor.floor)
      space.Block(MarkBox(Local(finding.position, bounds, scale)));
  }
  for (const ColumnSupport& support : findings.column_support) {
    if (support.floor != floor.floor) continue;
    for (const Point& centre : support.unsupported)
      space.Block(MarkBox(Local(centre, bounds, scale)));
  }
}

}  // namespace

FloorLabels PlaceFloorLabels(const PlanFloor& floor, const PlanFindings& findings,
                             const Box& bounds, double scale) {
  FloorLabels labels;
  labels.rooms.resize(floor.rooms.size());
  LabelSpace space;
  for (const PlanColumn& column : floor.columns) {
    const Point low = Local({column.x, column.y}, bounds, scale);
    const Point high = Local({column.x + column.width_x, column.y + column.width_y}, bounds, scale);
    space.Block({.min_x = std::min(low.x, high.x),
                 .max_x = std::max(low.x, high.x),
                 .min_y = std::min(low.y, high.y),
                 .max_y = std::max(low.y, high.y)});
  }
  BlockMarks(floor, findings, bounds, scale, space);
  const PointList outline = LocalPoints(floor.outline, bounds, scale);
  std::vector<std::size_t> order(floor.rooms.size());
  std::iota(order.begin(), order.end(), std::size_t{0});
  std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
    return EnclosedArea(floor.rooms[a].outline) < EnclosedArea(floor.rooms[b].outline);
  });
  for (const std::size_t k : order) {
    const PlanRoom& room = floor.rooms[k];
    labels.rooms[k] =
        PlaceRoomLabel(Utf8FromCp932(room.name), std::to_string(room.kind_code),
                       LocalPoints(room.outline, bounds, scale),
                       Local(LabelPoint(room.outline), bounds, scale), outline, space);
  }
  for (std::size_t k = 0; k < floor.rooms.size(); ++k) {
    if (labels.rooms[k] && labels.rooms[k]->show_name) continue;
    const PlanRoom& room = floor.rooms[k];
    labels.unnamed.push_back(std::to_string(k + 1) + " " + Utf8FromCp932(room.name) + "（" +
                             std::to_string(room.kind_code) + "）");
  }
  return labels;
}

std::vector<std::string> UnnamedListLines(const FloorLabels& labels, double width) {
  std::vector<std::string> lines;
  if (labels.unnamed.empty()) return lines;
  std::string line = "名前を書けなかった部屋：";
  bool first = true;
  for (const std::string& entry : labels.unnamed) {
    std::string longer = first ? line + entry : line + "　" + entry;
    if (first || TextWidth(longer, kUnnamedListSize) <= width) {
      line = std::move(longer);
    } else {
      lines.push_back(std::move(line));
      line = entry;
    }
    first = false;
  }
  lines.push_back(std::move(line));
  return lines;
}

}  // namespace peltarix
