// Each record as its converter writes it, read back field by field through
// the layout and the preview's reader: a field the writer moves without the
// layout, or the other way round, reads back wrong here.

#include "records/record_layouts.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "preview/record_fields.h"
#include "records/basic_info.h"
#include "records/building_outline.h"
#include "records/columns.h"
#include "records/perimeter_regions.h"
#include "records/roof_regions.h"
#include "records/rooms_and_storage.h"
#include "support/qv_text.h"
#include "support/test_run.h"

namespace peltarix {
namespace {

using testing::InfoSection;
using testing::RecordSection;

struct LayoutCase {
  std::string source;
  int (*convert)(RunContext&);
  const RecordLayout& layout;
  std::vector<std::pair<int, std::string_view>> fields;  // position, text as read
};

// One point per corner with the keys every outline shares; `extra` adds the
// keys of the record's own.
testing::SourceRecord Outlined(testing::SourceRecord record, std::string_view extra = {}) {
  const std::vector<std::pair<std::string, std::string>> corners = {
      {"0", "0"}, {"3640", "0"}, {"3640", "2730"}, {"0", "2730"}};
  record.push_back({"//PNUM", "4"});
  for (std::size_t k = 0; k < corners.size(); ++k) {
    const std::string number = std::to_string(k + 1);
    record.push_back({"//X" + number, corners[k].first});
    record.push_back({"//Y" + number, corners[k].second});
    if (!extra.empty()) record.push_back({std::string(extra) + number, k == 0 ? "1" : "0"});
  }
  return record;
}

TEST(RecordLayoutsTest, EveryNamedFieldReadsBackWhatItsConverterWrote) {
  const BasicInfoLayout& info = kBasicInfoLayout;
  const BuildingOutlineLayout& building = kBuildingOutlineLayout;
  const ColumnLayout& column = kColumnLayout;
  const PointListLayout& perimeter = kPerimeterLayout.outline;
  const RoomLayout& room = kRoomLayout;
  const RoofLayout& roof = kRoofLayout;
  const std::vector<LayoutCase> cases = {
      {InfoSection({{"//JOHO_NAME", "NAME"}, {"//JOHO_TNTO", "WHO"}, {"//JOHO_BIKO", "NOTE"}}),
       ConvertBasicInfo,
       info,
       {{info.project_name, "NAME"}, {info.designer, "WHO"}, {info.remark, "NOTE"}}},
      {InfoSection({{"//INIT_FL", "3"}, {"2//INIT_THKFLR", "452"}, {"3//INIT_THKFLR", "453"}}),
       ConvertBuildingOutline,
       building,
       {{building.floor_count, "3"},
        {building.upper_levels, "3300.000000"},
        {building.upper_levels + 2, "8900.000000"},
        {building.ground_level, "500.000000"},
        {building.ground_level + 1, "380.000000"},
        {building.floor_heights, "450"},
        {building.floor_heights + 2, "453"},
        {building.trailing_constants, "0"},
        {building.last, ""}}},
      // A quarter column: its first point moves by half a width each way.
      {RecordSection("HEIMENZU", "/HASIRA", "1",
                     {{{"//KIND", "4"},
                       {"//KAI", "2F"},
                       {"//WDTX", "120"},
                       {"//WDTY", "90"},
                       {"//POSX", "1000"},
                       {"//POSY", "2000"}}}),
       ConvertColumns,
       column,
       {{column.width_x, "120"},
        {column.width_y, "90"},
        {column.kind_flag, "0"},
        {column.kind_and_floor, "3"},
        {column.first_x, "1060.000000"},
        {column.first_y, "1955.000000"},
        {column.bottom_level, "3300.000000"},
        {column.second_x, "1120.000000"},
        {column.second_y, "2090.000000"},
        {column.top_level, "6100.000000"}}},
      // Written clockwise from the first corner.
      {InfoSection({{"//INIT_FL", "1"}}) +
           RecordSection("HAICHI_FLOOR", "/FLOORBLK", "1", {Outlined({{"//KAI", "1"}})}),
       ConvertPerimeterRegions,
       kPerimeterLayout,
       {{perimeter.count, "5"},
        {perimeter.first_point, "0.00"},
        {perimeter.first_point + perimeter.stride, "0.00"},
        {perimeter.first_point + perimeter.stride + 1, "2730.00"},
        {perimeter.first_point + perimeter.stride + 2, "0.0"}}},
      // "洋室" as a storage room, 15 above the floor level.
      {RecordSection("HEIMENZU", "/HEYA", "1",
                     {Outlined({{"//KAI", "2F"},
                                {"//NAME", "\x97\x6D\x8E\xBA"},
                                {"//KIND", "1"},
                                {"//KIJUNH_YUKA", "15"},
                                {"//HEYA_TENJOH", "2400"}})}),
       ConvertRoomsAndStorage,
       room,
       {{room.kind_code, "101"},
        {room.display_name, "\x97\x6D\x8E\xBA"},
        {room.storage_flag, "1"},
        {room.floor_height, "15"},
        {room.ceiling_height, "2400"},
        {room.outline.count, "5"},
        {room.outline.first_point + room.outline.stride, "3640"},
        {room.outline.first_point + room.outline.stride + 2, "3300.000000"}}},
      // Edge 1 is the eave; the reference line runs along y = 0.
      {RecordSection("YANEFUSE", "/YANE", "1",
                     {Outlined({{"//YANE_KOZO", "0"},
                                {"//KAI", "2F"},
                                {"//KOBAI", "4"},
                                {"//YANE_KX1", "0"},
                                {"//YANE_KY1", "100"},
                                {"//YANE_KX2", "9100"},
                                {"//YANE_KY2", "100"}},
                               "//YANE_LINEATTR")}),
       ConvertRoofRegions,
       roof,
       {{roof.pitch, "40"},
        {roof.reference_x, "4550.000000"},
        {roof.reference_y, "100.000000"},
        {roof.reference_height, "6100.000000"},
        {roof.fall_x, "0.0"},
        {roof.fall_y, " -1.0"},
        {roof.fall_z, " 0.0"},
        {roof.outline.count, "5"},
        {roof.outline.first_point + 2, "6060.000000"},
        {roof.outline.first_point + roof.outline.stride, "3640"}}},
  };
  for (const LayoutCase& test : cases) {
    testing::TestRun run(test.source);
    run.context.floors = {3, 380.0, {0.0, 500.0, 3300.0, 6100.0, 8900.0}};
    test.convert(run.context);
    ASSERT_EQ(run.context.last_line_index(), 1) << test.layout.code;
    const std::vector<std::string_view> fields =
        SplitRecordFields(run.context.output_lines.line(1));
    EXPECT_EQ(FieldOf(fields, kRecordHead.code), test.layout.code);
    EXPECT_EQ(FieldOf(fields, kRecordHead.serial), "1") << test.layout.code;
    for (const auto& [position, text] : test.fields)
      EXPECT_EQ(FieldOf(fields, position), text) << test.layout.code << " field " << position;
  }
}

}  // namespace
}  // namespace peltarix
