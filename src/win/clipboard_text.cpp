#include "win/clipboard_text.h"

#include <cstring>
#include <string>

#include "platform/utf16_windows.h"

namespace peltarix::win {

bool PutOnClipboard(HWND owner, std::string_view text) {
  std::wstring lines;
  for (const wchar_t unit : Utf16FromUtf8(text)) {
    if (unit == L'\n') lines.push_back(L'\r');
    lines.push_back(unit);
  }
  const std::size_t bytes = (lines.size() + 1) * sizeof(wchar_t);
  const HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
  if (memory == nullptr) return false;
  std::memcpy(GlobalLock(memory), lines.c_str(), bytes);
  GlobalUnlock(memory);
  if (!OpenClipboard(owner)) {
    GlobalFree(memory);
    return false;
  }
  EmptyClipboard();
  // The clipboard owns the memory once it takes it.
  const bool taken = SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
  CloseClipboard();
  if (!taken) GlobalFree(memory);
  return taken;
}

}  // namespace peltarix::win
