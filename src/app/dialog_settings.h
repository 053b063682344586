#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>

namespace peltarix {

// What the window remembers from one start to the next, in an INI file
// under the user's configuration folder ("PELTARIX/peltarix.ini"): the
// folders the file choosers last used, the ticks by data kind and the
// window's size and place.
struct DialogSettings {
  QString source_folder;
  QString destination_folder;
  // Keyed by the data kind's command-line word; a kind not listed keeps its
  // starting tick.
  QMap<QString, bool> ticks;
  // As QWidget::saveGeometry gives it.
  QByteArray geometry;
};

DialogSettings LoadDialogSettings();
void SaveDialogSettings(const DialogSettings& settings);

}  // namespace peltarix
