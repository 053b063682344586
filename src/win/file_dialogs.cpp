#include "win/file_dialogs.h"

#include <commdlg.h>

#include <string_view>

#include "platform/utf16_windows.h"

namespace peltarix::win {
namespace {

// Long enough for any path the wide file APIs accept.
constexpr std::size_t kPathCapacity = 32768;

// Filters are pairs of texts, each ending in NUL, the list in a second NUL.
std::wstring Filter(std::wstring_view files_caption, std::wstring_view pattern) {
  std::wstring filter;
  filter.append(files_caption).push_back(L'\0');
  filter.append(pattern).push_back(L'\0');
  filter.append(L"すべて(*.*)").push_back(L'\0');
  filter.append(L"*.*").push_back(L'\0');
  return filter;
}

std::optional<std::string> Ask(HWND owner, bool save) {
  std::wstring path(kPathCapacity, L'\0');
  const std::wstring filter =
      save ? Filter(L"CSVﾌｧｲﾙ(*.CSV)", L"*.CSV") : Filter(L"QVﾌｧｲﾙ(*.QV)", L"*.QV");
  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner;
  dialog.lpstrFilter = filter.c_str();
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = path.data();
  dialog.nMaxFile = static_cast<DWORD>(path.size());
  dialog.Flags = OFN_EXPLORER | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR;
  BOOL chosen = FALSE;
  if (save) {
    dialog.lpstrTitle = L"変換先CSVファイル指定";
    dialog.lpstrDefExt = L"csv";
    dialog.Flags |= OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT | OFN_NOREADONLYRETURN;
    chosen = GetSaveFileNameW(&dialog);
  } else {
    dialog.lpstrTitle = L"変換元QVファイル指定";
    dialog.Flags |= OFN_FILEMUSTEXIST | OFN_HIDEREADONLY;
    chosen = GetOpenFileNameW(&dialog);
  }
  if (!chosen) return std::nullopt;
  path.resize(path.find(L'\0'));
  return Utf8FromUtf16(path);
}

}  // namespace

std::optional<std::string> AskSourcePath(HWND owner) { return Ask(owner, false); }

std::optional<std::string> AskDestinationPath(HWND owner) { return Ask(owner, true); }

}  // namespace peltarix::win
