#include "records/rooms_and_storage.h"

#include <cstdint>
#include <string>
#include <string_view>

#include "records/floor_text.h"
#include "records/record_head.h"
#include "records/room_kinds.h"
#include "records/source_limits.h"
#include "run/number_format.h"
#include "source/c_numbers.h"

namespace peltarix {
namespace {

constexpr std::string_view kSection = "HEIMENZU";
constexpr std::string_view kGroup = "/HEYA";

// The point count stands in field 21; every room record ends in twenty
// empty fields after its outline.
constexpr int kPointCountField = 21;
constexpr int kTrailingEmptyFields = 20;

// Fields 13 and 14: the room kind code and the quoted display name. An empty
// name is treated as a name that is not in the table: code 0 and "()".
void AppendRoomKind(RecordLineWriter& record, std::string_view name) {
  int kind_code = 0;
  std::string display_name = "()";
  ClassifyRoomName(name, kind_code, display_name);
  record.Integer(kind_code).Quoted(display_name);
}

// Appends the outline points 1 to `point_total` of room `index`, closed by a
// repeat of the texts of point 1, each point followed by `level`. The
// coordinates are copied as the source writes them, so the closing point
// equals the first byte for byte. A count of 0 writes the closing point
// alone, with the empty texts of a first point that does not exist; a
// negative count writes no point.
void AppendOutline(const RunContext& context, RecordLineWriter& record, std::string_view index,
                   std::int64_t point_total, double level) {
  const std::string level_text = FormatFixed(level, 6);
  std::string_view first_x;
  std::string_view first_y;
  for (std::int64_t k = 1; k <= point_total; ++k) {
    const std::string number = FormatInt(k);
    const std::string_view x = context.LookupValue(kSection, kGroup, "//X" + number, index);
    const std::string_view y = context.LookupValue(kSection, kGroup, "//Y" + number, index);
    if (k == 1) {
      first_x = x;
      first_y = y;
    }
    record.Raw(x).Raw(y).Raw(level_text);
  }
  if (point_total >= 0) record.Raw(first_x).Raw(first_y).Raw(level_text);
}

// Builds the record of room `index`, or logs a warning and writes nothing
// when its point count cannot be true.
void AppendRoomRecord(RunContext& context, PointBudget& budget, std::string_view index) {
  const std::string_view kai = context.LookupValue(kSection, kGroup, "//KAI", index);
  const std::string_view name = context.LookupValue(kSection, kGroup, "//NAME", index);
  const std::string_view kind = context.LookupValue(kSection, kGroup, "//KIND", index);
  const std::string_view floor_height =
      context.LookupValue(kSection, kGroup, "//KIJUNH_YUKA", index);
  const std::string_view ceiling_height =
      context.LookupValue(kSection, kGroup, "//HEYA_TENJOH", index);
  const std::int64_t point_total = Atoi(context.LookupValue(kSection, kGroup, "//PNUM", index));

  if (!budget.Claim(index, point_total)) return;

  RecordLineWriter record =
      StartRecord(context, "DC020100", FloorFieldFromKai(kai), RecordFamily::kPerFloor);
  AppendRoomKind(record, name);
  record.Integer(kind == "1" ? 1 : 0).Raw(floor_height).Raw(ceiling_height);
  record.Raw("0.0").Raw("0.0").EmptyUntil(kPointCountField);
  // The closing point is counted too; an int64 keeps PNUM + 1 exact at the
  // top of the int range.
  record.Integer(point_total + 1);
  AppendOutline(context, record, index, point_total, BottomLevelOfKai(context.floors, kai));
  record.Empty(kTrailingEmptyFields).EndLine();
}

}  // namespace

int ConvertRoomsAndStorage(RunContext& context) {
  context.LogMessage(kInformation, "部屋収納（自身情報）を処理しています・・・");
  const int count = CountRecords(context, kSection, kGroup, "部屋収納（自身情報）");
  if (count == 0) {
    context.LogMessage(kWarning, "変換元QVファイルに部屋収納（自身情報）が存在しません");
    return 0;
  }
  PointBudget budget(context, "部屋収納（自身情報）");
  for (std::int64_t number = 1; number <= count; ++number) {
    AppendRoomRecord(context, budget, FormatInt(number));
  }
  return 0;
}

}  // namespace peltarix
