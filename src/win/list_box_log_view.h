#pragma once

#include <windows.h>

#include "run/progress_log.h"

namespace peltarix::win {

// The progress log in the window's list box. Each line is painted as soon as
// it is added: the run blocks the window's thread, so the list would
// otherwise show nothing until the run is over.
class ListBoxLogView : public LogView {
 public:
  explicit ListBoxLogView(HWND list_box) : list_box_(list_box) {}

  void AppendLine(const std::string& line) override;
  void ShowNow() override;
  void Clear() override;

 private:
  HWND list_box_;
};

}  // namespace peltarix::win
