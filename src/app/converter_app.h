#pragma once

#include <QString>

namespace peltarix {

// The application: shows the converter window modally and ends when it
// closes.
class ConverterApp {
 public:
  // Needs a QApplication. `source` fills the source field, as a full path, when not empty.
  // Returns the process's exit status, always 0: how the window was closed
  // does not matter.
  int InitInstance(const QString& source = {});
};

// Loads Qt's Japanese translations for the running application, so that file
// dialogs, context menus and standard buttons match the window's texts.
// False when they are not installed; the window then works with Qt's
// English texts.
bool LoadJapaneseTranslations();

}  // namespace peltarix
