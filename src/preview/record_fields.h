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

}  // namespace peltarix
