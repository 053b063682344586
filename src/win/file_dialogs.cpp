#include "win/file_dialogs.h"

#include <commdlg.h>

#include "platform/utf16_windows.h"

namespace peltarix::win {
namespace {

// Long enough for any path the wide file APIs accept.
constexpr std::size_t kPathCapacity = 32768;

// Filters are pairs of texts, each ending in NUL, the list in a second NUL.
std::wstring FilterList(const std::vector<FileFilter>& filters) {
  std::wstring list;
  for (const FileFilter& filter : filters) {
    list.append(Utf16FromUtf8(filter.caption)).push_back(L'\0');
    list.append(Utf16FromUtf8(filter.pattern)).push_back(L'\0');
  }
  return list;
}

}  // namespace

std::optional<std::string> ChooseFile(HWND owner, const FileRequest& request) {
  std::wstring path = Utf16FromUtf8(request.proposed_name);
  path.resize(kPathCapacity, L'\0');
  const std::wstring filter = FilterList(request.filters);
  const std::wstring title = Utf16FromUtf8(request.title);
  const std::wstring directory = Utf16FromUtf8(request.directory);
  const std::wstring suffix = Utf16FromUtf8(request.default_suffix);
  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner;
  dialog.lpstrFilter = filter.c_str();
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = path.data();
  dialog.nMaxFile = static_cast<DWORD>(path.size());
  dialog.lpstrTitle = title.c_str();
  if (!directory.empty()) dialog.lpstrInitialDir = directory.c_str();
  dialog.Flags = OFN_EXPLORER | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR | OFN_HIDEREADONLY;
  BOOL chosen = FALSE;
  if (request.must_exist) {
    dialog.Flags |= OFN_FILEMUSTEXIST;
    chosen = GetOpenFileNameW(&dialog);
  } else {
    if (!suffix.empty()) dialog.lpstrDefExt = suffix.c_str();
    dialog.Flags |= OFN_OVERWRITEPROMPT | OFN_NOREADONLYRETURN;
    chosen = GetSaveFileNameW(&dialog);
  }
  if (!chosen) return std::nullopt;
  path.resize(path.find(L'\0'));
  return Utf8FromUtf16(path);
}

}  // namespace peltarix::win
