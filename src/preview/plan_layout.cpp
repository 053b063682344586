#include "preview/plan_layout.h"

#include <algorithm>
#include <cmath>

#include "preview/plan_room_labels.h"

namespace peltarix {
namespace {

// The longer side of the plan extent, in pixels.
constexpr double kPlanSize = 560.0;
constexpr double kTitleHeight = 40.0;
// Room for the grid's axis labels left of and below the plan.
constexpr double kAxisMargin = 58.0;
constexpr double kSideMargin = 24.0;
constexpr double kGap = 24.0;
constexpr double kPageMargin = 24.0;
constexpr int kPanelsPerRow = 2;
// Keeps outline edges and labels off the panel's border.
constexpr double kPlanPaddingShare = 0.06;
constexpr double kFarthest = 1.0e9;
constexpr double kStackedLegendWidth = 560.0;
// The legend's rows (see plan_draw_legend.cpp): its title, and per part a
// heading and rows of kLegendRow.
constexpr double kLegendTitle = 66.0;
constexpr double kLegendHeading = 26.0;
constexpr double kLegendRow = 22.0;
constexpr double kLegendGap = 16.0;
constexpr double kRoomKindRows = 7.0;
constexpr double kLineKeyRows = 10.0;

class BoundsBuilder {
 public:
  void Add(Point point) {
    // A point a thousand kilometres out is damage, not part of a house: it
    // would shrink the house to nothing.
    if (!(std::fabs(point.x) <= kFarthest && std::fabs(point.y) <= kFarthest)) return;
    if (empty_) {
      bounds_ = {.min_x = point.x, .max_x = point.x, .min_y = point.y, .max_y = point.y};
      empty_ = false;
      return;
    }
    bounds_.min_x = std::min(bounds_.min_x, point.x);
    bounds_.min_y = std::min(bounds_.min_y, point.y);
    bounds_.max_x = std::max(bounds_.max_x, point.x);
    bounds_.max_y = std::max(bounds_.max_y, point.y);
  }
  void Add(const PointList& points) {
    for (const Point& point : points) Add(point);
  }

  PlanBounds Padded() const {
    if (empty_) return {.min_x = 0.0, .max_x = 1000.0, .min_y = 0.0, .max_y = 1000.0};
    const double size =
        std::max({bounds_.max_x - bounds_.min_x, bounds_.max_y - bounds_.min_y, 1000.0});
    const double pad = size * kPlanPaddingShare;
    return {.min_x = bounds_.min_x - pad,
            .max_x = bounds_.max_x + pad,
            .min_y = bounds_.min_y - pad,
            .max_y = bounds_.max_y + pad};
  }

 private:
  PlanBounds bounds_;
  bool empty_ = true;
};

PlanBounds ModelBounds(const PlanModel& model) {
  BoundsBuilder builder;
  for (const PlanFloor& floor : model.floors) {
    builder.Add(floor.outline);
    for (const PerimeterBlock& block : floor.blocks) builder.Add(block.points);
    for (const PlanRoom& room : floor.rooms) builder.Add(room.outline);
    for (const PlanColumn& column : floor.columns) {
      builder.Add(Point{column.x, column.y});
      builder.Add(Point{column.x + column.width_x, column.y + column.width_y});
    }
  }
  for (const PlanRoof& roof : model.roofs) {
    for (const RoofVertex& vertex : roof.vertices) builder.Add(vertex.point);
  }
  // The marks of what was left out stand where the records would have.
  for (const PlanFinding& finding : model.findings.items) {
    if (finding.located) builder.Add(finding.position);
    builder.Add(finding.outline);
  }
  return builder.Padded();
}

// The storeys that roof faces cover, converted or not, ascending.
std::vector<int> RoofStoreys(const PlanModel& model) {
  std::vector<int> floors;
  for (const PlanRoof& roof : model.roofs) floors.push_back(roof.floor);
  for (const PlanFinding& finding : model.findings.items) {
    if (finding.kind == FindingKind::kNonWoodenRoof && !finding.outline.empty())
      floors.push_back(finding.floor);
  }
  std::sort(floors.begin(), floors.end());
  floors.erase(std::unique(floors.begin(), floors.end()), floors.end());
  return floors;
}

// The height below the axis labels that the longest list of rooms without
// a drawn name takes.
double UnnamedListHeight(const PlanModel& model, const PlanBounds& bounds, double scale,
                         double panel_width) {
  std::size_t rows = 0;
  for (const PlanFloor& floor : model.floors) {
    const FloorLabels labels = PlaceFloorLabels(floor, model.findings, bounds, scale);
    rows = std::max(rows, UnnamedListLines(labels, panel_width - 2 * kListIndent).size());
  }
  return rows == 0 ? 0.0 : static_cast<double>(rows) * kUnnamedListRow + 8.0;
}

// The legend's height with its parts stacked in two columns, or side by side
// across the foot of the picture.
double LegendHeight(const PlanModel& model, bool stacked) {
  const double area_rows =
      static_cast<double>(model.floors.size() + model.findings.column_support.size());
  const double areas = kLegendHeading + kLegendRow * area_rows;
  const double kinds = kLegendHeading + kLegendRow * kRoomKindRows;
  const double keys = kLegendHeading + kLegendRow * kLineKeyRows;
  if (stacked) return kLegendTitle + areas + kLegendGap + kinds + kLegendGap + keys + kPageMargin;
  // Below the areas stands the scale bar.
  return kLegendTitle + std::max({areas + 62.0, kinds, keys}) + kPageMargin;
}

}  // namespace

PlanLayout LayoutPlan(const PlanModel& model) {
  PlanLayout layout;
  layout.bounds = ModelBounds(model);
  const double plan_width = layout.bounds.max_x - layout.bounds.min_x;
  const double plan_height = layout.bounds.max_y - layout.bounds.min_y;
  layout.scale = kPlanSize / std::max(plan_width, plan_height);

  const double panel_width = kAxisMargin + plan_width * layout.scale + kSideMargin;
  const double panel_height = kTitleHeight + plan_height * layout.scale + kAxisMargin +
                              UnnamedListHeight(model, layout.bounds, layout.scale, panel_width);
  struct Title {
    std::string text;
    int floor;
    bool roof;
  };
  std::vector<Title> titles;
  for (const PlanFloor& floor : model.floors)
    titles.push_back({std::to_string(floor.floor) + "F", floor.floor, false});
  const std::vector<int> roof_floors = RoofStoreys(model);
  for (const int floor : roof_floors)
    titles.push_back(
        {floor >= 1 ? "屋根 " + std::to_string(floor) + "F" : std::string("屋根 階不明"), floor,
         true});
  if (roof_floors.empty()) titles.push_back({"屋根", 0, true});

  for (std::size_t k = 0; k < titles.size(); ++k) {
    PlanPanel panel;
    panel.title = titles[k].text;
    panel.floor = titles[k].floor;
    panel.roof = titles[k].roof;
    panel.left = kPageMargin + static_cast<double>(k % kPanelsPerRow) * (panel_width + kGap);
    panel.top = kPageMargin + static_cast<double>(k / kPanelsPerRow) * (panel_height + kGap);
    panel.width = panel_width;
    panel.height = panel_height;
    panel.plan_left = panel.left + kAxisMargin;
    panel.plan_top = panel.top + kTitleHeight;
    panel.list_top = panel.plan_top + plan_height * layout.scale + kAxisMargin - 12.0;
    panel.scale = layout.scale;
    layout.panels.push_back(panel);
  }
  const std::size_t rows = (titles.size() + kPanelsPerRow - 1) / kPanelsPerRow;
  const std::size_t columns = std::min<std::size_t>(titles.size(), kPanelsPerRow);
  layout.width = 2 * kPageMargin + static_cast<double>(columns) * panel_width +
                 static_cast<double>(columns - 1) * kGap;
  const bool free_cell = titles.size() % kPanelsPerRow != 0;
  if (free_cell && panel_height >= LegendHeight(model, true) &&
      panel_width >= kStackedLegendWidth) {
    layout.legend_stacked = true;
    layout.legend_left = kPageMargin + panel_width + kGap;
    layout.legend_top = layout.panels.back().top;
    layout.legend_width = panel_width;
    layout.legend_height = panel_height;
    layout.height = layout.legend_top + panel_height + kPageMargin;
    return layout;
  }
  layout.width = std::max(layout.width, 760.0);
  layout.legend_left = kPageMargin;
  layout.legend_top = kPageMargin + static_cast<double>(rows) * (panel_height + kGap);
  layout.legend_width = layout.width - 2 * kPageMargin;
  layout.legend_height = LegendHeight(model, false);
  layout.height = layout.legend_top + layout.legend_height + kPageMargin;
  return layout;
}

}  // namespace peltarix
