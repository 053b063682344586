#include "win/list_box_log_view.h"

#include "platform/utf16_windows.h"

namespace peltarix::win {

void ListBoxLogView::AppendLine(const std::string& line) {
  const std::wstring text = Utf16FromUtf8(line);
  // A line the list refuses (out of memory) is dropped; the run goes on.
  SendMessageW(list_box_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void ListBoxLogView::ShowNow() { RedrawWindow(list_box_, nullptr, nullptr, RDW_UPDATENOW); }

void ListBoxLogView::Clear() { SendMessageW(list_box_, LB_RESETCONTENT, 0, 0); }

}  // namespace peltarix::win
