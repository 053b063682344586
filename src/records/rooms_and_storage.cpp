#include "records/rooms_and_storage.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/cp932_decode.h"
#include "records/floor_text.h"
#include "records/record_head.h"
#include "records/room_kinds.h"
#include "records/source_limits.h"
#include "run/number_format.h"
#include "run/numbered_text.h"
#include "source/c_numbers.h"

namespace peltarix {
namespace {

constexpr std::string_view kSection = "HEIMENZU";
constexpr std::string_view kGroup = "/HEYA";

// Every room record ends in twenty empty fields after its outline.
constexpr int kTrailingEmptyFields = 20;

// What the room records of one run share: the keys of the outline points,
// counted up in place, the texts of the storey levels and the display name
// under way, so that no record builds strings of its own.
struct RoomWriting {
  explicit RoomWriting(const FloorValues& floors) {
    for (int storey = 0; storey <= 3; ++storey) {
      level_texts[storey] = FormatFixed(storey == 0 ? 0.0 : floors.level[storey], 6);
    }
  }

  NumberedText x_key{"//X"};
  NumberedText y_key{"//Y"};
  // The bottom level of the storeys "1F" to "3F"; 0.0 for any other floor.
  std::array<std::string, 4> level_texts;
  std::string display_name;
};

// The room kind code and the quoted display name. A name that is not in the
// table, the empty one included, gives code 0 and the name between ASCII
// parentheses.
int AppendRoomKind(RecordLineWriter& record, std::string_view name, std::string& display_name) {
  int kind_code = 0;
  display_name.assign("()");
  ClassifyRoomName(name, kind_code, display_name);
  record.EmptyUntil(kRoomLayout.kind_code).Integer(kind_code);
  record.EmptyUntil(kRoomLayout.display_name).Quoted(display_name);
  return kind_code;
}

// Appends the outline points 1 to `point_total` of room `index`, closed by a
// repeat of the texts of point 1, each point followed by `level`. The
// coordinates are copied as the source writes them, so the closing point
// equals the first byte for byte. A count of 0 writes the closing point
// alone, with the empty texts of a first point that does not exist; a
// negative count writes no point. Returns point 1 as numbers.
Point AppendOutline(const RecordValues& room, RecordLineWriter& record, RoomWriting& writing,
                    std::int64_t point_total, std::string_view level) {
  std::string_view first_x;
  std::string_view first_y;
  writing.x_key.SetNumber(1);
  writing.y_key.SetNumber(1);
  for (std::int64_t k = 1; k <= point_total; ++k) {
    const std::string_view x = room.Value(writing.x_key.text());
    const std::string_view y = room.Value(writing.y_key.text());
    writing.x_key.Next();
    writing.y_key.Next();
    if (k == 1) {
      first_x = x;
      first_y = y;
    }
    record.Raw(x).Raw(y).Raw(level);
  }
  if (point_total >= 0) record.Raw(first_x).Raw(first_y).Raw(level);
  return {Atof(first_x), Atof(first_y)};
}

// Builds the record of room `index`, or logs a warning and writes nothing
// when its point count cannot be true.
void AppendRoomRecord(RunContext& context, PointBudget& budget, RoomWriting& writing,
                      std::int64_t number, std::string_view index) {
  const RecordValues room = context.Record(kSection, kGroup, index);
  const std::string_view kai = room.Value("//KAI");
  const std::string_view name = room.Value("//NAME");
  const std::string_view kind = room.Value("//KIND");
  const std::string_view floor_height = room.Value("//KIJUNH_YUKA");
  const std::string_view ceiling_height = room.Value("//HEYA_TENJOH");
  const std::int64_t point_total = Atoi(room.Value("//PNUM"));

  if (!budget.Claim(index, point_total)) return;

  const RoomLayout& layout = kRoomLayout;
  RecordLineWriter record = StartRecord(context, layout, FloorFieldFromKai(kai));
  const int kind_code = AppendRoomKind(record, name, writing.display_name);
  record.EmptyUntil(layout.storage_flag).Integer(kind == "1" ? 1 : 0);
  record.EmptyUntil(layout.floor_height).Raw(floor_height);
  record.EmptyUntil(layout.ceiling_height).Raw(ceiling_height);
  record.RawFields("0.0,0.0", 2).EmptyUntil(layout.outline.count);
  // The closing point is counted too; an int64 keeps PNUM + 1 exact at the
  // top of the int range.
  record.Integer(point_total + 1).EmptyUntil(layout.outline.first_point);
  const Point first_point =
      AppendOutline(room, record, writing, point_total,
                    writing.level_texts[static_cast<std::size_t>(StoreyOfKai(kai))]);
  record.Empty(kTrailingEmptyFields).EndLine();
  // Written all the same, but the designer should learn which rooms the
  // structural program will not know the use of.
  if (kind_code == 0) {
    PlanFinding finding;
    finding.kind = FindingKind::kUnknownRoomName;
    finding.record = static_cast<int>(number);
    finding.floor = StoreyOfKai(kai);
    finding.position = first_point;
    finding.text = Utf8FromCp932(name);
    context.findings.items.push_back(std::move(finding));
  }
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
  RoomWriting writing(context.floors);
  const std::size_t first_finding = context.findings.items.size();
  NumberedText index;
  for (std::int64_t number = 1; number <= count; ++number, index.Next()) {
    AppendRoomRecord(context, budget, writing, number, index.text());
  }
  LogFindingDetails(context, first_finding);
  return 0;
}

}  // namespace peltarix
