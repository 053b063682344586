#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace peltarix::win {

// Paths put into the two fields when the window opens, with the focus on
// "実行": lets a test press it (a key press or a click) without typing.
struct InitialFields {
  std::string source_path;
  std::string destination_path;
};

// Shows the converter window modally until it is closed.
void RunConverterDialog(HINSTANCE instance, const std::optional<InitialFields>& fields);

}  // namespace peltarix::win
