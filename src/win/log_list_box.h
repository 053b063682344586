#pragma once

#include <windows.h>

#include <cstddef>
#include <vector>

#include "window_model/window_log.h"

namespace peltarix::win {

// The progress log in the window's owner-drawn list box. Each line is
// painted as soon as it is added (the run blocks the window's thread); new
// lines are scrolled into view unless the reader has scrolled away from the
// end; errors and warnings carry the system's icons and a red or amber.
class LogListBox {
 public:
  explicit LogListBox(HWND list_box) : list_box_(list_box) {}

  void Append(const LogLine& line);
  void ShowNow();
  void Clear();

  // The rows of the selected lines, in list order.
  std::vector<std::size_t> SelectedRows() const;
  void SelectAll();

  HWND handle() const { return list_box_; }

  // The line height for WM_MEASUREITEM: the dialog font's, at least a small
  // icon's.
  static UINT LineHeight(HWND list_box);
  // Paints one line for WM_DRAWITEM.
  static void Draw(const DRAWITEMSTRUCT& item);

 private:
  // Whether the last line is in view, so that a new one should be too.
  bool ShowsLastLine() const;

  HWND list_box_;
};

}  // namespace peltarix::win
