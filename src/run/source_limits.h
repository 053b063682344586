#pragma once

#include <cstdint>
#include <string_view>

#include "run/run_context.h"

namespace peltarix {

// Every record and every outline point takes lines of its own in the source,
// so a record count or point count beyond the file's line count can only come
// from a damaged file. Read literally, such a count would make a converter
// visit or write billions of empty items.
bool ExceedsSourceLines(const RunContext& context, std::int64_t count);

// The record count that the summary block of `section` gives for `group`.
// A count beyond the source's lines is reported as a warning naming
// `data_kind` and gives -1, so that the converter converts none of them.
int CountRecords(RunContext& context, std::string_view section, std::string_view group,
                 std::string_view data_kind);

// Warns that record `record_number` of `data_kind` has a point count beyond
// the source's lines; the converter writes no record for it.
void ReportDamagedPointCount(RunContext& context, std::string_view data_kind,
                             std::string_view record_number, std::int64_t point_count);

}  // namespace peltarix
