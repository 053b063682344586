#include "win/dialog_resizer.h"

namespace peltarix::win {

DialogResizer::DialogResizer(HWND dialog, unsigned (*follow_of)(int control_id)) : dialog_(dialog) {
  RECT client;
  GetClientRect(dialog, &client);
  client_ = {client.right, client.bottom};
  RECT window;
  GetWindowRect(dialog, &window);
  minimum_window_ = {window.right - window.left, window.bottom - window.top};
  for (HWND control = GetWindow(dialog, GW_CHILD); control != nullptr;
       control = GetWindow(control, GW_HWNDNEXT)) {
    RECT place;
    GetWindowRect(control, &place);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&place), 2);
    entries_.push_back({control, place, follow_of(GetDlgCtrlID(control))});
  }
}

void DialogResizer::LimitSize(MINMAXINFO& limits) const {
  limits.ptMinTrackSize = {minimum_window_.cx, minimum_window_.cy};
}

void DialogResizer::Apply(int client_width, int client_height) const {
  const int extra_width = client_width > client_.cx ? client_width - client_.cx : 0;
  const int extra_height = client_height > client_.cy ? client_height - client_.cy : 0;
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
