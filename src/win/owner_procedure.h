#pragma once

#include <windows.h>

namespace peltarix::win {

// The window procedure of a class whose windows each belong to one C++
// object: CreateWindowExW's last argument is that object, kept in the
// window's user data from WM_NCCREATE on, and each message then goes to its
// OnMessage. Owner makes this a friend and has an HWND member window_.
template <typename Owner>
LRESULT CALLBACK OwnerProcedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_NCCREATE) {
    auto* created =
        static_cast<Owner*>(reinterpret_cast<const CREATESTRUCTW*>(lparam)->lpCreateParams);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(created));
    created->window_ = window;
  }
  auto* owner = reinterpret_cast<Owner*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (owner == nullptr) return DefWindowProcW(window, message, wparam, lparam);
  return owner->OnMessage(message, wparam, lparam);
}

// Registers the class `name` of Owner's windows, once per process: an arrow
// cursor, `style` and `background` (null: the window paints it all).
template <typename Owner>
void RegisterOwnerClass(HINSTANCE instance, const wchar_t* name, UINT style, HBRUSH background) {
  WNDCLASSEXW window_class{};
  if (GetClassInfoExW(instance, name, &window_class)) return;
  window_class.cbSize = sizeof window_class;
  window_class.style = style;
  window_class.lpfnWndProc = OwnerProcedure<Owner>;
  window_class.hInstance = instance;
  window_class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  window_class.hbrBackground = background;
  window_class.lpszClassName = name;
  RegisterClassExW(&window_class);
}

}  // namespace peltarix::win
