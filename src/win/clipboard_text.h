#pragma once

#include <windows.h>

#include <string_view>

namespace peltarix::win {

// Puts UTF-8 `text` on the clipboard as Unicode text, its line ends as
// CR LF as Windows programs expect. False when the clipboard is busy.
bool PutOnClipboard(HWND owner, std::string_view text);

}  // namespace peltarix::win
