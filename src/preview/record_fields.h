#pragma once

#include <string_view>
#include <vector>

namespace peltarix {

// The fields of one CSV record line as the converters write it, without the
// line end. Commas separate fields; a field that starts with a double quote
// runs to the next quote followed by a comma or the line end, and loses its
// quotes. Texts are written without escaping, so a room name may hold a
// comma and still stay one field.
std::vector<std::string_view> SplitRecordFields(std::string_view line);

// Whether the line reaches field `position`, numbered from 1 as the record
// layouts (records/record_layouts.h) number them.
inline bool HasField(const std::vector<std::string_view>& fields, int position) {
  return position >= 1 && static_cast<std::size_t>(position) <= fields.size();
}

// Field `position` of a split line, numbered from 1; empty when the line
// ends before it.
inline std::string_view FieldOf(const std::vector<std::string_view>& fields, int position) {
  return HasField(fields, position) ? fields[static_cast<std::size_t>(position) - 1]
                                    : std::string_view();
}

}  // namespace peltarix
