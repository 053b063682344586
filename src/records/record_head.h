#pragma once

#include <string_view>

#include "run/record_line_writer.h"
#include "run/run_context.h"

namespace peltarix {

enum class RecordFamily {
  kBuildingWide,  // basic information, building outline: field 6 is 0
  kPerFloor,      // columns, perimeter, rooms, roofs: field 6 is 30
};

// The first field after the head that every record shares.
inline constexpr int kFirstOwnField = 13;

// Starts a new record line with fields 1 to 12, which every record shares:
// the quoted record code, the floor text, the serial number, the constants
// and three empty quoted texts each followed by 0. Returns the writer for
// the converter to append its own fields from field 13 on.
RecordLineWriter StartRecord(RunContext& context, std::string_view record_code,
                             std::string_view floor_text, RecordFamily family);

}  // namespace peltarix
