#pragma once

#include <string>
#include <string_view>

#include "run/run_context.h"

namespace peltarix {

enum class RecordFamily {
  kBuildingWide,  // basic information, building outline: field 6 is 0
  kPerFloor,      // columns, perimeter, rooms, roofs: field 6 is 30
};

// Starts a new record line with fields 1 to 12, which every record shares:
// the quoted record code, the floor text, the serial number, the constants
// and three empty quoted texts each followed by 0. Returns the line for the
// converter to append its own fields to.
std::string& StartRecord(RunContext& context, std::string_view record_code,
                         std::string_view floor_text, RecordFamily family);

}  // namespace peltarix
