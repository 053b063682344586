#pragma once

#include <windows.h>

#include <vector>

namespace peltarix::win {

// How a control follows the window when it is larger than its template:
// it may move with the right or bottom edge, or take the difference into
// its width or height.
enum Follow : unsigned {
  kFixed = 0,
  kMoveRight = 1u << 0,
  kWiden = 1u << 1,
  kMoveDown = 1u << 2,
  kHeighten = 1u << 3,
};

// Keeps a dialog's controls in their template places at the template's
// size, which is also the smallest size unless the screen is smaller, and
// gives extra width and height to the controls that widen and heighten. On
// a screen too small for the template (a laptop at 200 %) those controls
// give up room too, down to a third of their template size.
class DialogResizer {
 public:
  // Notes every control's place in `dialog` as laid out by its template of
  // `template_units` (dialog units); `follow_of` gives each control id its
  // Follow flags.
  DialogResizer(HWND dialog, SIZE template_units, unsigned (*follow_of)(int control_id));

  // The window's size at the template's size, its smallest.
  SIZE minimum_window() const { return minimum_window_; }
  // For WM_GETMINMAXINFO.
  void LimitSize(MINMAXINFO& limits) const;
  // Shrinks and moves the window into its monitor's work area when it
  // does not fit there.
  void FitIntoWorkArea() const;
  // For WM_SIZE: moves every control for a client area of that size.
  void Apply(int client_width, int client_height) const;
  // For WM_DPICHANGED: the template's places in the new scale.
  void Rescale(int old_dpi, int new_dpi);

 private:
  struct Entry {
    HWND control;
    RECT place;
    unsigned follow;
  };

  // The least size the widening and heightening controls allow, as a
  // shortfall against the template (zero or negative).
  SIZE SmallestShortfall() const;
  // The monitor's work area around the window.
  RECT WorkArea() const;

  HWND dialog_;
  SIZE client_{};
  SIZE minimum_window_{};
  std::vector<Entry> entries_;
};

}  // namespace peltarix::win
