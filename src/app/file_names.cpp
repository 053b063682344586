#include "app/file_names.h"

#include <QFileInfo>

namespace peltarix {
namespace {

// The file name without its last extension. A leading dot starts a name,
// not an extension.
QString NameWithoutExtension(const QString& file_name) {
  const qsizetype dot = file_name.lastIndexOf(u'.');
  return dot > 0 ? file_name.left(dot) : file_name;
}

}  // namespace

QString ProposedCsvPath(const QString& source_path) {
  const QString file_name = QFileInfo(source_path).fileName();
  if (file_name.isEmpty()) return {};
  // The folder stays as it was typed, relative or not.
  const QString folder = source_path.left(source_path.size() - file_name.size());
  return folder + NameWithoutExtension(file_name) + QStringLiteral(".csv");
}

QString LogFileName(const QString& source_path) {
  const QString file_name = QFileInfo(source_path).fileName();
  const QString stem =
      file_name.isEmpty() ? QStringLiteral("PELTARIX") : NameWithoutExtension(file_name);
  return stem + QStringLiteral("_log.txt");
}

bool IsQvFileName(const QString& path) {
  return QFileInfo(path).suffix().compare(QStringLiteral("QV"), Qt::CaseInsensitive) == 0;
}

}  // namespace peltarix
