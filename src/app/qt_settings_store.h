#pragma once

#include "window_model/window_settings.h"

namespace peltarix {

// The window's settings in an INI file under the user's configuration
// folder ("PELTARIX/peltarix.ini"), through QSettings: a file in every
// system, which can be read, copied and deleted like any other. The
// placement is QWidget::saveGeometry's bytes.
class QtSettingsStore final : public SettingsStore {
 public:
  WindowSettings Load() override;
  void Save(const WindowSettings& settings) override;
};

}  // namespace peltarix
