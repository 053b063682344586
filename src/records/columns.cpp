#include "records/columns.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/cp932_decode.h"
#include "records/column_support.h"
#include "records/floor_text.h"
#include "records/record_head.h"
#include "records/source_limits.h"
#include "run/number_format.h"
#include "run/numbered_text.h"
#include "source/c_numbers.h"

namespace peltarix {
namespace {

constexpr std::string_view kSection = "HEIMENZU";
constexpr std::string_view kGroup = "/HASIRA";

// Column kinds as the CAD system numbers them; 0 to 4 are the ones the
// target program knows.
enum ColumnKind : int {
  kStoreyColumn = 0,
  kThroughColumn = 1,
  kRoundColumn = 2,
  kHalfColumn = 3,
  kQuarterColumn = 4,
};

bool IsConvertibleKind(int kind) { return kind >= kStoreyColumn && kind <= kQuarterColumn; }

// 1 for the full square and round columns, 0 for the others.
int KindFlag(int kind) { return (kind == kStoreyColumn || kind == kRoundColumn) ? 1 : 0; }

// A through column is told apart by whether it starts on the ground floor;
// round, half and quarter columns share one code.
int KindAndFloor(int kind, std::string_view kai) {
  switch (kind) {
    case kStoreyColumn:
      return 0;
    case kThroughColumn:
      return kai == "1F" ? 1 : 2;
    default:
      return 3;
  }
}

// The numbers and texts of one column's position and section.
struct ColumnPlacement {
  std::string_view width_x_text;
  std::string_view width_y_text;
  std::string_view position_x_text;
  std::string_view position_y_text;
  double width_x = 0.0;
  double width_y = 0.0;
  double position_x = 0.0;
  double position_y = 0.0;
};

// The first point of a half or quarter column is computed, moved by half a
// width (along X for both, back along Y for a quarter column); every other
// kind keeps the source's texts as they stand, so that "1000" stays "1000".
void AppendFirstPoint(RecordLineWriter& record, int kind, const ColumnPlacement& placement) {
  record.EmptyUntil(kColumnLayout.first_x);
  if (kind == kHalfColumn || kind == kQuarterColumn) {
    record.Fixed(placement.position_x + placement.width_x * 0.5, 6);
  } else {
    record.Raw(placement.position_x_text);
  }
  if (kind == kQuarterColumn) {
    record.Fixed(placement.position_y - placement.width_y * 0.5, 6);
  } else {
    record.Raw(placement.position_y_text);
  }
}

// The column's square as written, corners ordered whatever the widths' signs.
PlacedColumn PlacedSquare(std::string_view kai, const ColumnPlacement& placement) {
  const double far_x = placement.position_x + placement.width_x;
  const double far_y = placement.position_y + placement.width_y;
  return {StoreyOfKai(kai),
          {.min_x = std::min(placement.position_x, far_x),
           .max_x = std::max(placement.position_x, far_x),
           .min_y = std::min(placement.position_y, far_y),
           .max_y = std::max(placement.position_y, far_y)}};
}

// A column of a kind the target program does not know, with where it stands.
PlanFinding UnconvertedColumn(const RecordValues& column, std::int64_t number) {
  PlanFinding finding;
  finding.kind = FindingKind::kUnconvertedColumn;
  finding.record = static_cast<int>(number);
  finding.floor = StoreyOfKai(column.Value("//KAI"));
  finding.position = {Atof(column.Value("//POSX")), Atof(column.Value("//POSY"))};
  finding.text = Utf8FromCp932(column.Value("//KIND"));
  return finding;
}

// Builds the record of column `index` of kind `kind` (0 to 4).
PlacedColumn AppendColumnRecord(RunContext& context, const RecordValues& column, int kind) {
  const std::string_view kai = column.Value("//KAI");
  ColumnPlacement placement;
  placement.width_x_text = column.Value("//WDTX");
  placement.width_x = Atof(placement.width_x_text);
  placement.width_y_text = column.Value("//WDTY");
  placement.width_y = Atof(placement.width_y_text);
  placement.position_x_text = column.Value("//POSX");
  placement.position_x = Atof(placement.position_x_text);
  placement.position_y_text = column.Value("//POSY");
  placement.position_y = Atof(placement.position_y_text);

  const ColumnLayout& layout = kColumnLayout;
  RecordLineWriter record = StartRecord(context, layout, FloorFieldFromKai(kai));
  record.Integer(0).Integer(0);
  record.EmptyUntil(layout.width_x).Raw(placement.width_x_text).Raw(placement.width_y_text);
  record.EmptyUntil(layout.kind_flag).Integer(KindFlag(kind)).Integer(KindAndFloor(kind, kai));
  AppendFirstPoint(record, kind, placement);
  record.EmptyUntil(layout.bottom_level).Fixed(BottomLevelOfKai(context.floors, kai), 6);
  // The second point always takes the unshifted position.
  record.EmptyUntil(layout.second_x)
      .Fixed(placement.position_x + placement.width_x, 6)
      .Fixed(placement.position_y + placement.width_y, 6)
      .Fixed(TopLevelOfKai(context.floors, kai), 6)
      .EndLine();
  return PlacedSquare(kai, placement);
}

}  // namespace

int ConvertColumns(RunContext& context) {
  context.LogMessage(kInformation, "柱（自身情報）を処理しています・・・");
  const int count = CountRecords(context, kSection, kGroup, "柱（自身情報）");
  if (count == 0) {
    context.LogMessage(kWarning, "柱（自身情報）が存在しません");
    return 0;
  }

  // A skipped column costs one lookup and no output line.
  int skipped_count = 0;
  const std::size_t first_finding = context.findings.items.size();
  std::vector<PlacedColumn> placed;
  NumberedText index_text;
  for (std::int64_t number = 1; number <= count; ++number, index_text.Next()) {
    const RecordValues column = context.Record(kSection, kGroup, index_text.text());
    const int kind = Atoi(column.Value("//KIND"));
    if (!IsConvertibleKind(kind)) {
      ++skipped_count;
      context.findings.items.push_back(UnconvertedColumn(column, number));
      continue;
    }
    placed.push_back(AppendColumnRecord(context, column, kind));
  }

  if (skipped_count > 0) {
    context.LogMessage(kWarning, "管柱・通し柱・丸柱・半柱・1/4柱以外のコンバートできない柱が" +
                                     FormatInt(skipped_count) + "つありました");
    LogFindingDetails(context, first_finding);
  }
  // Information only: a low ratio is a warning sign, not a fault of the file.
  context.findings.column_support = ComputeColumnSupport(placed);
  for (const ColumnSupport& support : context.findings.column_support)
    context.LogMessage(kDetail, SupportDetailLine(support));
  return 0;
}

}  // namespace peltarix
