#include "records/roof_regions.h"

#include <cstdint>
#include <string>

#include "records/floor_text.h"
#include "records/record_head.h"
#include "records/roof_record_steps.h"
#include "records/source_limits.h"
#include "run/number_format.h"
#include "run/numbered_text.h"

namespace peltarix {

namespace {

void AppendRoofRecord(RunContext& context, const RoofRegionSource& region) {
  const double floor_level = TopLevelOfKai(context.floors, region.kai);
  const EaveLine eave = FindEaveLine(region);
  const double pitch = static_cast<double>(region.pitch_value);
  // The roof face passes through the reference point at the floor level
  // and falls towards the eave line at pitch / 100 per unit of run.
  const double reference_distance = eave.DistanceOf(region.reference_point);
  const double eave_height = floor_level - (pitch * reference_distance) * 0.01;
  const double reference_height = (reference_distance * pitch) * 0.01 + eave_height;

  RecordLineWriter record =
      StartRecord(context, "AB010101", FloorFieldFromKai(region.kai), RecordFamily::kPerFloor);
  record.Integer(0).Integer(region.pitch_value).Integer(1);
  record.Fixed(region.reference_point.x, 6)
      .Fixed(region.reference_point.y, 6)
      .Fixed(reference_height, 6);
  for (const std::string_view field : FallDirectionFields(eave, FindReferenceVertex(region))) {
    record.Raw(field);
  }
  AppendOutlinePoints(record, region, eave, eave_height);
  record.EndLine();
}

}  // namespace

int ConvertRoofRegions(RunContext& context) {
  context.LogMessage(kInformation, "屋根領域（自身情報）を処理しています・・・");
  const int roof_count = CountRecords(context, "YANEFUSE", "/YANE", "屋根領域（自身情報）");
  if (roof_count == 0) {
    context.LogMessage(kWarning, "変換元QVファイルに屋根領域（自身情報）が存在しません");
    return 0;
  }
  // A negative count means that the source could not be read; nothing to say.
  std::int64_t skipped_roofs = 0;
  PointBudget budget(context, "屋根領域（自身情報）");
  RoofOutlineKeys keys;
  NumberedText index;
  for (std::int64_t roof = 1; roof <= roof_count; ++roof, index.Next()) {
    const std::string_view index_text = index.text();
    const RecordValues values = RoofRecord(context, index_text);
    if (values.Value("//YANE_KOZO") != "0") {
      ++skipped_roofs;  // only wooden roofs ("0") are converted
      continue;
    }
    RoofRegionSource region = ReadRoofRegionHead(values);
    if (!budget.Claim(index_text, region.point_count)) continue;
    ReadRoofOutline(values, keys, region);
    AppendRoofRecord(context, region);
  }
  if (skipped_roofs > 0) {
    context.LogMessage(
        kWarning, "非木造のコンバートできない屋根が" + FormatInt(skipped_roofs) + "つありました");
  }
  return 0;
}

}  // namespace peltarix
