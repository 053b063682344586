#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "window_model/window_view.h"

namespace peltarix::win {

// Shows the common Open or Save dialog that `request` describes: a Save
// dialog adds the default extension to a name typed without one and asks
// before an existing file is replaced. The chosen full path, or nothing
// when cancelled.
std::optional<std::string> ChooseFile(HWND owner, const FileRequest& request);

}  // namespace peltarix::win
