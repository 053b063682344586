#pragma once

#include <map>
#include <string>

namespace peltarix {

// What the converter window remembers from one start to the next: the
// folders the file choosers last used, the ticks by data kind and the
// window's size and place.
struct WindowSettings {
  std::string source_folder;
  std::string destination_folder;
  // Keyed by the data kind's command-line word; a kind not listed keeps its
  // starting tick.
  std::map<std::string, bool> ticks;
  // The window's size and place in the toolkit's own form (bytes); empty
  // for the laid-out size.
  std::string placement;
};

// Where the settings live: an INI file through Qt on Linux, the registry on
// Windows, memory in tests.
class SettingsStore {
 public:
  virtual ~SettingsStore() = default;
  virtual WindowSettings Load() = 0;
  virtual void Save(const WindowSettings& settings) = 0;
};

}  // namespace peltarix
