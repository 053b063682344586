#include "win/window_placement.h"

#include <cstdio>

namespace peltarix::win {

std::string PlacementText(HWND window) {
  WINDOWPLACEMENT placement{};
  placement.length = sizeof placement;
  if (!GetWindowPlacement(window, &placement)) return {};
  const RECT& normal = placement.rcNormalPosition;
  return std::to_string(normal.left) + "," + std::to_string(normal.top) + "," +
         std::to_string(normal.right) + "," + std::to_string(normal.bottom);
}

void RestorePlacement(HWND window, const std::string& text, SIZE minimum) {
  RECT normal{};
  if (std::sscanf(text.c_str(), "%ld,%ld,%ld,%ld", &normal.left, &normal.top, &normal.right,
                  &normal.bottom) != 4) {
    return;
  }
  if (normal.right - normal.left < minimum.cx || normal.bottom - normal.top < minimum.cy) return;
  // A monitor unplugged since must not leave the window out of sight.
  if (MonitorFromRect(&normal, MONITOR_DEFAULTTONULL) == nullptr) return;
  WINDOWPLACEMENT placement{};
  placement.length = sizeof placement;
  if (!GetWindowPlacement(window, &placement)) return;
  placement.rcNormalPosition = normal;
  placement.showCmd = SW_SHOWNORMAL;
  SetWindowPlacement(window, &placement);
}

}  // namespace peltarix::win
