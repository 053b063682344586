#pragma once

#include <string_view>

#include "records/record_layouts.h"
#include "run/record_line_writer.h"
#include "run/run_context.h"

namespace peltarix {

// Starts a new record line of `layout` with fields 1 to 12, which every
// record shares: the quoted record code, the floor text, the serial number,
// the constants and three empty quoted texts each followed by 0. Returns the
// writer for the converter to append its own fields from field 13 on.
RecordLineWriter StartRecord(RunContext& context, const RecordLayout& layout,
                             std::string_view floor_text);

}  // namespace peltarix
