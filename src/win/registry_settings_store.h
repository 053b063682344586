#pragma once

#include <string>

#include "window_model/window_settings.h"

namespace peltarix::win {

// The window's settings under HKEY_CURRENT_USER\Software\PELTARIX, where
// Windows programs keep theirs: "SourceFolder" and "DestinationFolder"
// (texts), "Placement" (the window's normal rectangle as "left,top,right,
// bottom" in screen pixels) and one DWORD per data kind under "Kinds",
// named by its command-line word.
class RegistrySettingsStore final : public SettingsStore {
 public:
  explicit RegistrySettingsStore(std::wstring key = L"Software\\PELTARIX") : key_(std::move(key)) {}

  WindowSettings Load() override;
  void Save(const WindowSettings& settings) override;

 private:
  std::wstring key_;
};

}  // namespace peltarix::win
