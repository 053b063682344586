#include "records/roof_regions.h"

#include <algorithm>
#include <cstdint>
#include <string>

#include "platform/cp932_decode.h"
#include "records/floor_text.h"
#include "records/record_head.h"
#include "records/roof_record_steps.h"
#include "records/source_limits.h"
#include "run/number_format.h"
#include "run/numbered_text.h"
#include "source/c_numbers.h"

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

  const RoofLayout& layout = kRoofLayout;
  RecordLineWriter record = StartRecord(context, layout, FloorFieldFromKai(region.kai));
  record.Integer(0).EmptyUntil(layout.pitch).Integer(region.pitch_value).Integer(1);
  record.EmptyUntil(layout.reference_x)
      .Fixed(region.reference_point.x, 6)
      .Fixed(region.reference_point.y, 6)
      .Fixed(reference_height, 6);
  record.EmptyUntil(layout.fall_x);
  for (const std::string_view field : FallDirectionFields(eave, FindReferenceVertex(region))) {
    record.Raw(field);
  }
  AppendOutlinePoints(record, region, eave, eave_height);
  record.EndLine();
}

// A roof face that is not converted, with its outline for the picture. Its
// points, like any, take lines of their own, so all such outlines together
// read no more points than the source has lines (`points_left`): a damaged
// count costs nothing beyond that.
PlanFinding NonWoodenRoof(const RecordValues& values, std::int64_t number,
                          std::int64_t& points_left) {
  PlanFinding finding;
  finding.kind = FindingKind::kNonWoodenRoof;
  finding.record = static_cast<int>(number);
  finding.floor = StoreyOfKai(values.Value("//KAI"));
  finding.text = Utf8FromCp932(values.Value("//YANE_KOZO"));
  const std::int64_t point_count = Atoi(values.Value("//PNUM"));
  const std::int64_t readable =
      point_count <= points_left ? std::max<std::int64_t>(point_count, 1) : 1;
  points_left -= readable;
  NumberedText x_key("//X");
  NumberedText y_key("//Y");
  for (std::int64_t k = 1; k <= readable; ++k, x_key.Next(), y_key.Next())
    finding.outline.push_back({Atof(values.Value(x_key.text())), Atof(values.Value(y_key.text()))});
  finding.position = finding.outline.front();
  if (finding.outline.size() >= 3) {
    finding.outline.push_back(finding.position);
  } else {
    finding.outline.clear();
  }
  return finding;
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
  const std::size_t first_finding = context.findings.items.size();
  auto outline_points_left = static_cast<std::int64_t>(context.source().line_count());
  PointBudget budget(context, "屋根領域（自身情報）");
  RoofOutlineKeys keys;
  NumberedText index;
  for (std::int64_t roof = 1; roof <= roof_count; ++roof, index.Next()) {
    const std::string_view index_text = index.text();
    const RecordValues values = RoofRecord(context, index_text);
    if (values.Value("//YANE_KOZO") != "0") {
      ++skipped_roofs;  // only wooden roofs ("0") are converted
      context.findings.items.push_back(NonWoodenRoof(values, roof, outline_points_left));
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
    LogFindingDetails(context, first_finding);
  }
  return 0;
}

}  // namespace peltarix
