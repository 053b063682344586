#include "app/qt_settings_store.h"

#include <QSettings>

namespace peltarix {
namespace {

QSettings OpenSettings() {
  return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("PELTARIX"),
                   QStringLiteral("peltarix"));
}

const QString kSourceFolder = QStringLiteral("folders/source");
const QString kDestinationFolder = QStringLiteral("folders/destination");
const QString kTicksGroup = QStringLiteral("kinds");
const QString kGeometry = QStringLiteral("window/geometry");

QString Text(const std::string& utf8) { return QString::fromStdString(utf8); }

}  // namespace

WindowSettings QtSettingsStore::Load() {
  QSettings store = OpenSettings();
  WindowSettings settings;
  settings.source_folder = store.value(kSourceFolder).toString().toStdString();
  settings.destination_folder = store.value(kDestinationFolder).toString().toStdString();
  store.beginGroup(kTicksGroup);
  for (const QString& word : store.childKeys()) {
    settings.ticks[word.toStdString()] = store.value(word).toBool();
  }
  store.endGroup();
  settings.placement = store.value(kGeometry).toByteArray().toStdString();
  return settings;
}

void QtSettingsStore::Save(const WindowSettings& settings) {
  QSettings store = OpenSettings();
  store.setValue(kSourceFolder, Text(settings.source_folder));
  store.setValue(kDestinationFolder, Text(settings.destination_folder));
  store.beginGroup(kTicksGroup);
  for (const auto& [word, ticked] : settings.ticks) store.setValue(Text(word), ticked);
  store.endGroup();
  store.setValue(kGeometry, QByteArray::fromStdString(settings.placement));
}

}  // namespace peltarix
