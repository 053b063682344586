#include "records/building_outline.h"

#include "records/record_head.h"
#include "run/number_format.h"

namespace peltarix {
namespace {

// Fields of the record that carry values; every other field after the head
// is a constant or empty.
constexpr int kUpperLevelsField = 22;   // 22 to 24: levels 2 to 4
constexpr int kGroundLevelField = 28;   // level 1, then the foundation height
constexpr int kFloorHeightsField = 30;  // 30 to 32: reference floor height of storeys 1 to 3
constexpr int kTrailingConstantField = 37;
constexpr int kLastField = 52;  // followed by a comma of its own

}  // namespace

int ConvertBuildingOutline(RunContext& context) {
  context.LogMessage(kInformation, "建物概要を処理しています・・・");
  const FloorValues& floors = context.floors;
  RecordLineWriter record = StartRecord(context, "AA010110", "1", RecordFamily::kBuildingWide);

  const std::string floor_count = FormatInt(floors.floor_count);
  record.Raw(floor_count).Integer(0).Raw(floor_count).Integer(0).Integer(1000);
  record.EmptyUntil(kUpperLevelsField);
  for (int level = 2; level <= 4; ++level) record.Fixed(floors.level[level], 6);
  record.EmptyUntil(kGroundLevelField).Fixed(floors.level[1], 6).Fixed(floors.foundation_height, 6);

  // The reference floor height of each storey, copied as the source spells
  // it; missing only matters for storeys the building has.
  static constexpr std::string_view kMissingMessages[] = {
      "変換元QVデータに1階基準床高が存在しません",
      "変換元QVデータに2階基準床高が存在しません",
      "変換元QVデータに3階基準床高が存在しません",
  };
  record.EmptyUntil(kFloorHeightsField);
  for (int storey = 1; storey <= 3; ++storey) {
    const std::string_view height =
        context.LookupValue("QVINFO", "/KAIJOHO", "//INIT_THKFLR", FormatInt(storey));
    if (height.empty() && floors.floor_count >= storey) {
      context.LogMessage(kWarning, kMissingMessages[storey - 1]);
    }
    record.Raw(height);
  }
  // Fields 37 to 52: constants at 37, 42, 44, 49 and 50, the rest empty.
  record.EmptyUntil(kTrailingConstantField).Integer(0).Empty(4).Integer(1).Empty().Integer(0);
  record.Empty(4).Integer(0).Integer(0).EmptyUntil(kLastField + 1).Empty();
  record.EndLine();
  return 0;
}

}  // namespace peltarix
