#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "geometry/point.h"

namespace peltarix {

class RunContext;

// Things in the plan that a run left out or found wrong, each with where it
// stands, so that the designer need not hunt for them in the CAD program.
// The converters fill the list; the log's detail lines, the report and the
// picture all read it.
enum class FindingKind {
  kUnconvertedColumn,  // a column of a kind the target program does not know
  kNonWoodenRoof,      // a roof face that is not wooden
  kTwistedOutline,     // a floor's merged outline that crosses or touches itself
  kUnknownRoomName,    // a room whose name the kind table lacks: written with code 0
};

struct PlanFinding {
  FindingKind kind = FindingKind::kUnconvertedColumn;
  int record = 0;  // the record's number in the source, from 1; 0 for an outline
  int floor = 0;   // 1 to 3; 0 when the floor text names no storey
  // The column's position, the roof's or room's first point, the crossing.
  Point position;
  // False for an outline of fewer than four points, which has no crossing.
  bool located = true;
  // The column kind or roof structure as written, or the room's name (UTF-8).
  std::string text;
  // The roof's outline, closed, for the picture.
  PointList outline;
};

// The share of one floor's columns that stand on a column of the floor below:
// a column counts as supported when its centre lies within the written square
// of a column one floor down.
struct ColumnSupport {
  int floor = 0;  // 2 or 3
  int columns = 0;
  int supported = 0;
  std::vector<Point> unsupported;  // centres of the columns standing on none
  double ratio() const { return columns == 0 ? 0.0 : static_cast<double>(supported) / columns; }
};

struct PlanFindings {
  std::vector<PlanFinding> items;
  std::vector<ColumnSupport> column_support;
};

// The detail line of a finding, for the progress log ("詳細：...").
std::string FindingDetailLine(const PlanFinding& finding);
// "詳細：2階の柱の直下率 75.0%（8本中6本が1階の柱の上）"
std::string SupportDetailLine(const ColumnSupport& support);

// Logs the detail lines of the findings from `first` on.
void LogFindingDetails(RunContext& context, std::size_t first);

// A plan coordinate with at most two decimals and no trailing zeros, "."
// whatever the locale.
std::string CoordinateText(double value);

}  // namespace peltarix
