#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace peltarix::win {

// The QV file to convert, picked in an Open dialog; empty when cancelled.
std::optional<std::string> AskSourcePath(HWND owner);

// The CSV file to write, picked or typed in a Save dialog: ".csv" is added
// to a name typed without an extension, and replacing an existing file asks
// first. Empty when cancelled.
std::optional<std::string> AskDestinationPath(HWND owner);

}  // namespace peltarix::win
