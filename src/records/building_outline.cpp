#include "records/building_outline.h"

#include "run/number_format.h"
#include "records/record_head.h"

namespace peltarix {
namespace {

void AppendReal(std::string& line, double value) {
  line += FormatFixed(value, 6);
  line += ',';
}

}  // namespace

int ConvertBuildingOutline(RunContext& context) {
  context.LogMessage(kInformation, "建物概要を処理しています・・・");
  const FloorValues& floors = context.floors;
  std::string& line = StartRecord(context, "AA010110", "1", RecordFamily::kBuildingWide);

  const std::string floor_count = FormatInt(floors.floor_count);
  line += floor_count + ",0," + floor_count + ",0,1000,,,,,";
  AppendReal(line, floors.level[2]);
  AppendReal(line, floors.level[3]);
  AppendReal(line, floors.level[4]);
  line += ",,,";
  AppendReal(line, floors.level[1]);
  AppendReal(line, floors.foundation_height);

  // The reference floor height of each storey, copied as the source spells
  // it; missing only matters for storeys the building has.
  static constexpr std::string_view kMissingMessages[] = {
      "変換元QVデータに1階基準床高が存在しません",
      "変換元QVデータに2階基準床高が存在しません",
      "変換元QVデータに3階基準床高が存在しません",
  };
  for (int storey = 1; storey <= 3; ++storey) {
    const std::string height =
        context.LookupValue("QVINFO", "/KAIJOHO", "//INIT_THKFLR", FormatInt(storey));
    if (height.empty() && floors.floor_count >= storey) {
      context.LogMessage(kWarning, kMissingMessages[storey - 1]);
    }
    line += height;
    line += ',';
  }
  line += ",,,,0,,,,,1,,0,,,,,0,0,,,\n";
  return 0;
}

}  // namespace peltarix
