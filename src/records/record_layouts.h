#pragma once

#include <string_view>

namespace peltarix {

// Where the fields of each record stand, described once: the converters
// write through these positions and the preview reads the records back
// through them, so that a layout change reaches both. Fields are numbered
// from 1, as RecordLineWriter numbers them.

enum class RecordFamily {
  kBuildingWide,  // basic information, building outline: field 6 is 0
  kPerFloor,      // columns, perimeter, rooms, roofs: field 6 is 30
};

// Fields 1 to 12, which every record shares (written by StartRecord).
struct RecordHeadLayout {
  int code = 1;    // the record code, quoted
  int floor = 2;   // the floor text
  int serial = 3;  // the record's line number in the CSV
};
inline constexpr RecordHeadLayout kRecordHead;

// What tells one record apart: its code as written in field 1 (without the
// quotes) and its family.
struct RecordLayout {
  std::string_view code;
  RecordFamily family = RecordFamily::kPerFloor;
};

// A point list after its count: point k (from 0) takes `stride` fields from
// first_point + k * stride on, x, then y, then the height.
struct PointListLayout {
  int count = 0;
  int first_point = 0;
  int stride = 3;
};

// Basic information: the project's texts, quoted. Fields 13, 15, 16 and 19
// are empty quoted texts, 20 and 21 the constants 1 and 0.
struct BasicInfoLayout : RecordLayout {
  int project_name = 14;
  int designer = 17;
  int remark = 18;
};
inline constexpr BasicInfoLayout kBasicInfoLayout{{"AA010100", RecordFamily::kBuildingWide}};

// Building outline: the storeys and their levels; the fields between them
// are constants or empty, and field 52 is followed by a comma of its own.
struct BuildingOutlineLayout : RecordLayout {
  int floor_count = 13;    // again in field 15; 14 and 16 are 0, 17 is 1000
  int upper_levels = 22;   // 22 to 24: levels 2 to 4
  int ground_level = 28;   // level 1, then the foundation height
  int floor_heights = 30;  // 30 to 32: reference floor height of storeys 1 to 3
  int trailing_constants = 37;
  int last = 52;
};
inline constexpr BuildingOutlineLayout kBuildingOutlineLayout{
    {"AA010110", RecordFamily::kBuildingWide}};

// Column: its section and two corners of its box with the levels it spans.
// Fields 13 and 14 are 0.
struct ColumnLayout : RecordLayout {
  int width_x = 15;
  int width_y = 16;
  int kind_flag = 17;       // 1 for the full square and round columns
  int kind_and_floor = 18;  // 0 storey, 1 or 2 through, 3 the others
  int first_x = 24;         // moved by half a width for half and quarter columns
  int first_y = 25;
  int bottom_level = 26;
  int second_x = 27;  // the position plus the widths: the box's far corner
  int second_y = 28;
  int top_level = 29;
};
inline constexpr ColumnLayout kColumnLayout{{"AD020101"}};

// Floor perimeter: the merged outline, closed, followed by the constant 1.
struct PerimeterLayout : RecordLayout {
  PointListLayout outline{13, 14};
};
inline constexpr PerimeterLayout kPerimeterLayout{{"DC010100"}};

// Room or storage: its kind, name, heights and outline, closed, followed by
// twenty empty fields. Fields 18 and 19 are "0.0".
struct RoomLayout : RecordLayout {
  int kind_code = 13;
  int display_name = 14;  // quoted
  int storage_flag = 15;
  int floor_height = 16;
  int ceiling_height = 17;
  PointListLayout outline{21, 22};
};
inline constexpr RoomLayout kRoomLayout{{"DC020100"}};

// Roof face: its pitch, the point its height is given at, the direction it
// falls in and its outline with heights, closed. Fields 13 and 15 are 0
// and 1.
struct RoofLayout : RecordLayout {
  int pitch = 14;  // rise per 100 of run
  int reference_x = 16;
  int reference_y = 17;
  int reference_height = 18;
  int fall_x = 19;  // 19 to 21: the unit vector of the fall
  int fall_y = 20;
  int fall_z = 21;
  PointListLayout outline{22, 23};
};
inline constexpr RoofLayout kRoofLayout{{"AB010101"}};

}  // namespace peltarix
