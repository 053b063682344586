#include "records/building_outline.h"

#include "records/record_head.h"
#include "run/number_format.h"

namespace peltarix {

int ConvertBuildingOutline(RunContext& context) {
  context.LogMessage(kInformation, "建物概要を処理しています・・・");
  const FloorValues& floors = context.floors;
  const BuildingOutlineLayout& layout = kBuildingOutlineLayout;
  RecordLineWriter record = StartRecord(context, layout, "1");

  const std::string floor_count = FormatInt(floors.floor_count);
  record.EmptyUntil(layout.floor_count).Raw(floor_count).Integer(0).Raw(floor_count);
  record.Integer(0).Integer(1000);
  record.EmptyUntil(layout.upper_levels);
  for (int level = 2; level <= 4; ++level) record.Fixed(floors.level[level], 6);
  record.EmptyUntil(layout.ground_level)
      .Fixed(floors.level[1], 6)
      .Fixed(floors.foundation_height, 6);

  // The reference floor height of each storey, copied as the source spells
  // it; missing only matters for storeys the building has.
  static constexpr std::string_view kMissingMessages[] = {
      "変換元QVデータに1階基準床高が存在しません",
      "変換元QVデータに2階基準床高が存在しません",
      "変換元QVデータに3階基準床高が存在しません",
  };
  record.EmptyUntil(layout.floor_heights);
  for (int storey = 1; storey <= 3; ++storey) {
    const std::string_view height =
        context.LookupValue("QVINFO", "/KAIJOHO", "//INIT_THKFLR", FormatInt(storey));
    if (height.empty() && floors.floor_count >= storey) {
      context.LogMessage(kWarning, kMissingMessages[storey - 1]);
    }
    record.Raw(height);
  }
  // Fields 37 to 52: constants at 37, 42, 44, 49 and 50, the rest empty.
  record.EmptyUntil(layout.trailing_constants).Integer(0).Empty(4).Integer(1).Empty().Integer(0);
  record.Empty(4).Integer(0).Integer(0).EmptyUntil(layout.last + 1).Empty();
  record.EndLine();
  return 0;
}

}  // namespace peltarix
