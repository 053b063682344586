#pragma once

#include <span>
#include <string>
#include <vector>

#include "geometry/point.h"
#include "run/output_lines.h"
#include "run/perimeter_blocks.h"
#include "run/plan_findings.h"

namespace peltarix {

// What a run wrote, in plan: the records as the structural program reads
// them, grouped by floor, plus the perimeter blocks of the source.

enum class ColumnKind { kStorey, kThrough, kRound, kHalf, kQuarter };

struct PlanColumn {
  ColumnKind kind = ColumnKind::kStorey;
  // The column's box: from the lower left corner, its two section widths.
  double x = 0.0;
  double y = 0.0;
  double width_x = 0.0;
  double width_y = 0.0;
};

struct PlanRoom {
  int kind_code = 0;
  std::string name;   // the display name as written: CP932 bytes
  PointList outline;  // closed, as written
};

struct PlanFloor {
  int floor = 0;             // 1 to 3
  bool has_outline = false;  // a perimeter record was written for it
  PointList outline;         // the merged outline as written (closed)
  std::vector<PerimeterBlock> blocks;
  std::vector<PlanRoom> rooms;
  std::vector<PlanColumn> columns;
};

struct RoofVertex {
  Point point;
  double height = 0.0;
};

struct PlanRoof {
  int floor = 0;
  int pitch = 0;  // rise per 100 of run
  Point reference;
  Point fall;                        // unit vector of the direction in which the face falls
  std::vector<RoofVertex> vertices;  // closed, as written
  // Per edge k (from vertex k to k + 1): it lies on the eave, at the face's
  // lowest height.
  std::vector<bool> eave_edges;
};

struct PlanModel {
  std::vector<PlanFloor> floors;  // ascending, only floors with something to draw
  std::vector<PlanRoof> roofs;
  // What the run left out or found wrong, located, and the column support:
  // drawn as marks over the records.
  PlanFindings findings;
};

// The plan of the record lines of a run (line 0, the header, and lines of
// other codes are passed over) and the blocks its perimeter converter read.
// Records with too few fields or a floor other than 1 to 3 are left out.
PlanModel BuildPlanModel(std::span<const std::string> record_lines, const PerimeterBlocks& blocks);
PlanModel BuildPlanModel(const OutputLines& record_lines, const PerimeterBlocks& blocks);

// The area enclosed by a closed point list (shoelace formula), always >= 0.
double EnclosedArea(std::span<const Point> polygon);

// The point to label a polygon at: its area centroid, or the mean of its
// points when it encloses no area.
Point LabelPoint(std::span<const Point> polygon);

}  // namespace peltarix
