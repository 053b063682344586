#pragma once

#include <windows.h>

#include <string>

namespace peltarix::win {

// The window's normal size and place as the settings keep it:
// "left,top,right,bottom" in screen pixels.
std::string PlacementText(HWND window);

// Puts the window where `text` says, when that lies on a monitor that is
// still there and is no smaller than the window's smallest size; else
// leaves it where it is.
void RestorePlacement(HWND window, const std::string& text, SIZE minimum);

}  // namespace peltarix::win
