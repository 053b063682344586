#include "run/conversion_run.h"

#include "records/basic_info.h"
#include "records/building_outline.h"
#include "records/columns.h"
#include "records/perimeter_regions.h"
#include "records/roof_regions.h"
#include "records/rooms_and_storage.h"
#include "run/number_format.h"

namespace peltarix {

int RunConversion(RunContext& context, const DataKinds& kinds) {
  context.ResetOutput();
  context.log.ResetCounts();
  if (const int status = ValidateSource(context); status < 0) return status;
  if (const int status = ComputeFloorLevels(context); status < 0) return status;

  using Converter = int (*)(RunContext&);
  const std::pair<bool, Converter> converters[] = {
      {kinds.basic_info, ConvertBasicInfo},  {kinds.building_outline, ConvertBuildingOutline},
      {kinds.columns, ConvertColumns},       {kinds.perimeter, ConvertPerimeterRegions},
      {kinds.rooms, ConvertRoomsAndStorage}, {kinds.roofs, ConvertRoofRegions},
  };
  for (const auto& [ticked, convert] : converters) {
    if (!ticked) continue;
    if (const int status = convert(context); status < 0) return status;
  }
  if (const int status = BuildHeaderLine(context); status < 0) return status;
  return WriteCsvFile(context);
}

int BuildHeaderLine(RunContext& context) {
  std::string& header = context.output_lines[0];
  header = "\"MORVANTEL\",\"V11-01-000\",\"";
  if (const auto date = FormatTimestamp(TimestampForm::kDate, context.clock)) {
    header += *date;
  } else {
    header += "2001/01/01";
    context.LogMessage(kWarning, "日付の取得に失敗しました");
  }
  header += "\",";
  header += FormatInt(context.last_line_index());
  header += ",0,0,\"\",\"\"\n";
  return 0;
}

}  // namespace peltarix
