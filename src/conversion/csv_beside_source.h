#pragma once

#include <string>
#include <string_view>

namespace peltarix {

// The CSV a source converts to unless the user names another: the same
// folder and name with the extension ".csv" in place of the source's own
// ("house.QV" -> "house.csv", "house" -> "house.csv"). The folder stays as
// given, relative or not. Empty when `source` names no file (empty, or
// ending in a folder separator). The window's proposal and the command
// line's default destination both come from here.
std::string CsvBesideSource(std::string_view source);

}  // namespace peltarix
