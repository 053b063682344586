#include "win/log_list_box.h"

#include <algorithm>
#include <string>

#include "platform/utf16_windows.h"

namespace peltarix::win {
namespace {

// Deep shades that stay readable on the list's white.
constexpr COLORREF kErrorColour = RGB(176, 0, 32);
constexpr COLORREF kWarningColour = RGB(140, 85, 0);
// Pixels between the icon column and the text.
constexpr int kGap = 3;

HICON SeverityIcon(LineSeverity severity, int size) {
  const wchar_t* name = severity == LineSeverity::kError ? IDI_ERROR : IDI_WARNING;
  // Shared icons belong to the system: nothing to free.
  return static_cast<HICON>(LoadImageW(nullptr, name, IMAGE_ICON, size, size, LR_SHARED));
}

}  // namespace

void LogListBox::Append(const LogLine& line) {
  const bool follow = ShowsLastLine();
  const std::wstring text = Utf16FromUtf8(line.text);
  // A line the list refuses (out of memory) is dropped; the run goes on.
  const LRESULT row =
      SendMessageW(list_box_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
  if (row < 0) return;
  SendMessageW(list_box_, LB_SETITEMDATA, static_cast<WPARAM>(row),
               static_cast<LPARAM>(line.severity));
  if (follow) SendMessageW(list_box_, LB_SETTOPINDEX, static_cast<WPARAM>(row), 0);
}

bool LogListBox::ShowsLastLine() const {
  const LRESULT count = SendMessageW(list_box_, LB_GETCOUNT, 0, 0);
  if (count <= 0) return true;
  const LRESULT top = SendMessageW(list_box_, LB_GETTOPINDEX, 0, 0);
  const LRESULT height = std::max<LRESULT>(1, SendMessageW(list_box_, LB_GETITEMHEIGHT, 0, 0));
  RECT client;
  GetClientRect(list_box_, &client);
  const LRESULT visible = std::max<LRESULT>(1, (client.bottom - client.top) / height);
  return top + visible >= count;
}

void LogListBox::ShowNow() { RedrawWindow(list_box_, nullptr, nullptr, RDW_UPDATENOW); }

void LogListBox::Clear() { SendMessageW(list_box_, LB_RESETCONTENT, 0, 0); }

std::vector<std::size_t> LogListBox::SelectedRows() const {
  const LRESULT count = SendMessageW(list_box_, LB_GETSELCOUNT, 0, 0);
  if (count <= 0) return {};
  std::vector<int> rows(static_cast<std::size_t>(count));
  const LRESULT got = SendMessageW(list_box_, LB_GETSELITEMS, static_cast<WPARAM>(count),
                                   reinterpret_cast<LPARAM>(rows.data()));
  rows.resize(static_cast<std::size_t>(std::max<LRESULT>(0, got)));
  return {rows.begin(), rows.end()};
}

void LogListBox::SelectAll() { SendMessageW(list_box_, LB_SETSEL, TRUE, -1); }

UINT LogListBox::LineHeight(HWND list_box) {
  const HDC context = GetDC(list_box);
  const HFONT font = reinterpret_cast<HFONT>(SendMessageW(GetParent(list_box), WM_GETFONT, 0, 0));
  const HGDIOBJ previous = SelectObject(context, font);
  TEXTMETRICW metrics{};
  GetTextMetricsW(context, &metrics);
  SelectObject(context, previous);
  ReleaseDC(list_box, context);
  return static_cast<UINT>(std::max<LONG>(metrics.tmHeight + 2, GetSystemMetrics(SM_CYSMICON)));
}

void LogListBox::Draw(const DRAWITEMSTRUCT& item) {
  if (item.itemID == static_cast<UINT>(-1)) return;
  const bool selected = (item.itemState & ODS_SELECTED) != 0;
  const RECT& area = item.rcItem;
  FillRect(item.hDC, &area, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
  const auto severity = static_cast<LineSeverity>(item.itemData);
  const int line_height = area.bottom - area.top;
  const int icon_size = std::min(line_height - 2, GetSystemMetrics(SM_CXSMICON));
  if (severity != LineSeverity::kPlain) {
    DrawIconEx(item.hDC, area.left + 1, area.top + (line_height - icon_size) / 2,
               SeverityIcon(severity, icon_size), icon_size, icon_size, 0, nullptr, DI_NORMAL);
  }
  // Plain lines keep the icon's column free, so every text starts alike.
  COLORREF colour = GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT);
  if (!selected && severity == LineSeverity::kError) colour = kErrorColour;
  if (!selected && severity == LineSeverity::kWarning) colour = kWarningColour;
  const int length = static_cast<int>(SendMessageW(item.hwndItem, LB_GETTEXTLEN, item.itemID, 0));
  std::wstring text(static_cast<std::size_t>(std::max(length, 0)) + 1, L'\0');
  SendMessageW(item.hwndItem, LB_GETTEXT, item.itemID, reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<std::size_t>(std::max(length, 0)));
  RECT text_area = area;
  text_area.left += 1 + icon_size + kGap;
  SetBkMode(item.hDC, TRANSPARENT);
  SetTextColor(item.hDC, colour);
  const HGDIOBJ previous = SelectObject(
      item.hDC, reinterpret_cast<HFONT>(SendMessageW(item.hwndItem, WM_GETFONT, 0, 0)));
  DrawTextW(item.hDC, text.c_str(), static_cast<int>(text.size()), &text_area,
            DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
  SelectObject(item.hDC, previous);
  if ((item.itemState & ODS_FOCUS) != 0) DrawFocusRect(item.hDC, &area);
}

}  // namespace peltarix::win
