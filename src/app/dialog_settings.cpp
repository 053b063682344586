#include "app/dialog_settings.h"

#include <QSettings>

namespace peltarix {
namespace {

// A file in every system, not the registry: it can be read, copied and
// deleted like any other.
QSettings OpenSettings() {
  return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("PELTARIX"),
                   QStringLiteral("peltarix"));
}

const QString kSourceFolder = QStringLiteral("folders/source");
const QString kDestinationFolder = QStringLiteral("folders/destination");
const QString kTicksGroup = QStringLiteral("kinds");
const QString kGeometry = QStringLiteral("window/geometry");

}  // namespace

DialogSettings LoadDialogSettings() {
  QSettings store = OpenSettings();
  DialogSettings settings;
  settings.source_folder = store.value(kSourceFolder).toString();
  settings.destination_folder = store.value(kDestinationFolder).toString();
  store.beginGroup(kTicksGroup);
  for (const QString& word : store.childKeys()) settings.ticks[word] = store.value(word).toBool();
  store.endGroup();
  settings.geometry = store.value(kGeometry).toByteArray();
  return settings;
}

void SaveDialogSettings(const DialogSettings& settings) {
  QSettings store = OpenSettings();
  store.setValue(kSourceFolder, settings.source_folder);
  store.setValue(kDestinationFolder, settings.destination_folder);
  store.beginGroup(kTicksGroup);
  for (auto tick = settings.ticks.cbegin(); tick != settings.ticks.cend(); ++tick) {
    store.setValue(tick.key(), tick.value());
  }
  store.endGroup();
  store.setValue(kGeometry, settings.geometry);
}

}  // namespace peltarix
