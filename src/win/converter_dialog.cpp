#include "win/converter_dialog.h"

#include "win/converter_window.h"
#include "win/registry_settings_store.h"
#include "win/resource_ids.h"

namespace peltarix::win {
namespace {

INT_PTR CALLBACK AboutProc(HWND dialog, UINT message, WPARAM wparam, LPARAM) {
  if (message == WM_INITDIALOG) return TRUE;
  if (message == WM_COMMAND && (LOWORD(wparam) == IDOK || LOWORD(wparam) == IDCANCEL)) {
    EndDialog(dialog, LOWORD(wparam));
    return TRUE;
  }
  return FALSE;
}

// Messages whose result a dialog procedure returns itself instead of
// through DWLP_MSGRESULT.
INT_PTR Result(HWND dialog, LRESULT result) {
  SetWindowLongPtrW(dialog, DWLP_MSGRESULT, result);
  return TRUE;
}

INT_PTR CALLBACK ConverterProc(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_INITDIALOG) {
    auto* window = reinterpret_cast<ConverterWindow*>(lparam);
    SetWindowLongPtrW(dialog, DWLP_USER, lparam);
    return window->OnInitDialog(dialog);
  }
  auto* window = reinterpret_cast<ConverterWindow*>(GetWindowLongPtrW(dialog, DWLP_USER));
  if (message == WM_MEASUREITEM) {
    // Sent while the list box is made, before WM_INITDIALOG.
    auto& item = *reinterpret_cast<MEASUREITEMSTRUCT*>(lparam);
    item.itemHeight = LogListBox::LineHeight(GetDlgItem(dialog, static_cast<int>(item.CtlID)));
    return TRUE;
  }
  if (window == nullptr) return FALSE;
  switch (message) {
    case WM_COMMAND:
      return window->OnCommand(LOWORD(wparam), HIWORD(wparam));
    case WM_SYSCOMMAND:
      if ((wparam & 0xFFF0) == IDM_ABOUTBOX) {
        DialogBoxParamW(window->instance(), MAKEINTRESOURCEW(IDD_ABOUTBOX), dialog, AboutProc, 0);
        return TRUE;
      }
      return FALSE;
    case WM_DRAWITEM:
      LogListBox::Draw(*reinterpret_cast<DRAWITEMSTRUCT*>(lparam));
      return TRUE;
    case WM_VKEYTOITEM:
      return window->OnListKey(LOWORD(wparam));
    case WM_CONTEXTMENU:
      return window->OnContextMenu(reinterpret_cast<HWND>(wparam), lparam);
    case WM_DROPFILES:
      window->OnDropFiles(reinterpret_cast<HDROP>(wparam));
      return TRUE;
    case WM_GETMINMAXINFO:
      window->OnGetMinMaxInfo(*reinterpret_cast<MINMAXINFO*>(lparam));
      return Result(dialog, 0);
    case WM_SIZE:
      window->OnSize(LOWORD(lparam), HIWORD(lparam));
      return TRUE;
    case WM_DPICHANGED:
      window->OnDpiChanged(HIWORD(wparam), *reinterpret_cast<RECT*>(lparam));
      return TRUE;
    case WM_PAINT:
      if (!IsIconic(dialog)) return FALSE;
      window->OnPaintMinimized();
      return TRUE;
    case WM_QUERYDRAGICON:
      return reinterpret_cast<INT_PTR>(window->big_icon());
    default:
      return FALSE;
  }
}

}  // namespace

void RunConverterDialog(HINSTANCE instance, const StartFields& fields) {
  RegistrySettingsStore store;
  ConverterWindow window(instance, store, fields);
  DialogBoxParamW(instance, MAKEINTRESOURCEW(IDD_CONVERTER), nullptr, ConverterProc,
                  reinterpret_cast<LPARAM>(&window));
}

}  // namespace peltarix::win
