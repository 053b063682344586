#include "win/dialog_resizer.h"

#include <algorithm>

namespace peltarix::win {

DialogResizer::DialogResizer(HWND dialog, SIZE template_units,
                             unsigned (*follow_of)(int control_id))
    : dialog_(dialog) {
  // The template's client size in pixels: the dialog may have been made
  // smaller than that already, to fit a small screen.
  RECT template_client{0, 0, template_units.cx, template_units.cy};
  MapDialogRect(dialog, &template_client);
  client_ = {template_client.right, template_client.bottom};
  RECT client;
  GetClientRect(dialog, &client);
  RECT window;
  GetWindowRect(dialog, &window);
  minimum_window_ = {window.right - window.left + client_.cx - client.right,
                     window.bottom - window.top + client_.cy - client.bottom};
  for (HWND control = GetWindow(dialog, GW_CHILD); control != nullptr;
       control = GetWindow(control, GW_HWNDNEXT)) {
    RECT place;
    GetWindowRect(control, &place);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&place), 2);
    entries_.push_back({control, place, follow_of(GetDlgCtrlID(control))});
  }
}

SIZE DialogResizer::SmallestShortfall() const {
  SIZE shortfall{0, 0};
  for (const Entry& entry : entries_) {
    if (entry.follow & kWiden) {
      shortfall.cx = std::min(shortfall.cx, -(entry.place.right - entry.place.left) * 2 / 3);
    }
    if (entry.follow & kHeighten) {
      shortfall.cy = std::min(shortfall.cy, -(entry.place.bottom - entry.place.top) * 2 / 3);
    }
  }
  return shortfall;
}

RECT DialogResizer::WorkArea() const {
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  if (!GetMonitorInfoW(MonitorFromWindow(dialog_, MONITOR_DEFAULTTONEAREST), &monitor)) {
    return {0, 0, minimum_window_.cx, minimum_window_.cy};
  }
  return monitor.rcWork;
}

void DialogResizer::LimitSize(MINMAXINFO& limits) const {
  const RECT work = WorkArea();
  const SIZE shortfall = SmallestShortfall();
  limits.ptMinTrackSize = {std::max(minimum_window_.cx + shortfall.cx,
                                    std::min(minimum_window_.cx, work.right - work.left)),
                           std::max(minimum_window_.cy + shortfall.cy,
                                    std::min(minimum_window_.cy, work.bottom - work.top))};
}

void DialogResizer::FitIntoWorkArea() const {
  const RECT work = WorkArea();
  RECT window;
  GetWindowRect(dialog_, &window);
  const LONG width = std::min(window.right - window.left, work.right - work.left);
  const LONG height = std::min(window.bottom - window.top, work.bottom - work.top);
  const LONG left = std::clamp(window.left, work.left, work.right - width);
  const LONG top = std::clamp(window.top, work.top, work.bottom - height);
  // The size is held to the smallest usable one by WM_GETMINMAXINFO; the
  // controls are placed for it by WM_SIZE.
  SetWindowPos(dialog_, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void DialogResizer::Apply(int client_width, int client_height) const {
  const SIZE shortfall = SmallestShortfall();
  const int extra_width = std::max<int>(client_width - client_.cx, shortfall.cx);
  const int extra_height = std::max<int>(client_height - client_.cy, shortfall.cy);
  HDWP moves = BeginDeferWindowPos(static_cast<int>(entries_.size()));
  for (const Entry& entry : entries_) {
    RECT place = entry.place;
    if (entry.follow & kMoveRight) OffsetRect(&place, extra_width, 0);
    if (entry.follow & kWiden) place.right += extra_width;
    if (entry.follow & kMoveDown) OffsetRect(&place, 0, extra_height);
    if (entry.follow & kHeighten) place.bottom += extra_height;
    if (moves != nullptr) {
      moves = DeferWindowPos(moves, entry.control, nullptr, place.left, place.top,
                             place.right - place.left, place.bottom - place.top,
                             SWP_NOZORDER | SWP_NOACTIVATE);
    }
  }
  if (moves != nullptr) EndDeferWindowPos(moves);
  // The group box's frame and the labels leave traces when controls move
  // across them.
  InvalidateRect(dialog_, nullptr, TRUE);
}

void DialogResizer::Rescale(int old_dpi, int new_dpi) {
  if (old_dpi <= 0 || new_dpi == old_dpi) return;
  auto scale = [old_dpi, new_dpi](LONG value) { return MulDiv(value, new_dpi, old_dpi); };
  client_ = {scale(client_.cx), scale(client_.cy)};
  minimum_window_ = {scale(minimum_window_.cx), scale(minimum_window_.cy)};
  for (Entry& entry : entries_) {
    entry.place = {scale(entry.place.left), scale(entry.place.top), scale(entry.place.right),
                   scale(entry.place.bottom)};
  }
}

}  // namespace peltarix::win
