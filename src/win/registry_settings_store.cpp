#include "win/registry_settings_store.h"

#include <windows.h>

#include <optional>

#include "platform/utf16_windows.h"

namespace peltarix::win {
namespace {

constexpr const wchar_t* kSourceFolder = L"SourceFolder";
constexpr const wchar_t* kDestinationFolder = L"DestinationFolder";
constexpr const wchar_t* kPlacement = L"Placement";
constexpr const wchar_t* kKinds = L"Kinds";

// Owns an open registry key.
class Key {
 public:
  Key() = default;
  ~Key() {
    if (handle_ != nullptr) RegCloseKey(handle_);
  }
  Key(const Key&) = delete;
  Key& operator=(const Key&) = delete;

  HKEY* out() { return &handle_; }
  HKEY get() const { return handle_; }

 private:
  HKEY handle_ = nullptr;
};

std::string ReadText(HKEY key, const wchar_t* name) {
  DWORD bytes = 0;
  if (RegGetValueW(key, nullptr, name, RRF_RT_REG_SZ, nullptr, nullptr, &bytes) != ERROR_SUCCESS) {
    return {};
  }
  std::wstring text(bytes / sizeof(wchar_t) + 1, L'\0');
  bytes = static_cast<DWORD>(text.size() * sizeof(wchar_t));
  if (RegGetValueW(key, nullptr, name, RRF_RT_REG_SZ, nullptr, text.data(), &bytes) !=
      ERROR_SUCCESS) {
    return {};
  }
  text.resize(wcsnlen(text.c_str(), text.size()));
  return Utf8FromUtf16(text);
}

void WriteText(HKEY key, const wchar_t* name, const std::string& utf8) {
  const std::wstring text = Utf16FromUtf8(utf8);
  RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                 static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
}

}  // namespace

WindowSettings RegistrySettingsStore::Load() {
  WindowSettings settings;
  Key key;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, key_.c_str(), 0, KEY_READ, key.out()) != ERROR_SUCCESS) {
    return settings;
  }
  settings.source_folder = ReadText(key.get(), kSourceFolder);
  settings.destination_folder = ReadText(key.get(), kDestinationFolder);
  settings.placement = ReadText(key.get(), kPlacement);
  Key kinds;
  if (RegOpenKeyExW(key.get(), kKinds, 0, KEY_READ, kinds.out()) != ERROR_SUCCESS) return settings;
  for (DWORD index = 0;; ++index) {
    // Value names are the data kinds' short words; a longer one is not ours.
    std::wstring name(64, L'\0');
    DWORD name_length = static_cast<DWORD>(name.size());
    DWORD type = 0;
    DWORD ticked = 0;
    DWORD bytes = sizeof ticked;
    const LONG status = RegEnumValueW(kinds.get(), index, name.data(), &name_length, nullptr, &type,
                                      reinterpret_cast<BYTE*>(&ticked), &bytes);
    if (status == ERROR_NO_MORE_ITEMS) break;
    if (status != ERROR_SUCCESS || type != REG_DWORD) continue;
    settings.ticks[Utf8FromUtf16(std::wstring_view(name.data(), name_length))] = ticked != 0;
  }
  return settings;
}

void RegistrySettingsStore::Save(const WindowSettings& settings) {
  Key key;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, key_.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, key.out(),
                      nullptr) != ERROR_SUCCESS) {
    return;  // nothing is remembered; the window works as before
  }
  WriteText(key.get(), kSourceFolder, settings.source_folder);
  WriteText(key.get(), kDestinationFolder, settings.destination_folder);
  WriteText(key.get(), kPlacement, settings.placement);
  Key kinds;
  if (RegCreateKeyExW(key.get(), kKinds, 0, nullptr, 0, KEY_WRITE, nullptr, kinds.out(), nullptr) !=
      ERROR_SUCCESS) {
    return;
  }
  for (const auto& [word, ticked] : settings.ticks) {
    const DWORD value = ticked ? 1 : 0;
    RegSetValueExW(kinds.get(), Utf16FromUtf8(word).c_str(), 0, REG_DWORD,
                   reinterpret_cast<const BYTE*>(&value), sizeof value);
  }
}

}  // namespace peltarix::win
