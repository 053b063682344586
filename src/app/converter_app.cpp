#include "app/converter_app.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "app/app_icon.h"
#include "app/converter_dialog.h"
#include "app/dialog_font.h"

namespace peltarix {

bool LoadJapaneseTranslations() {
  const QLocale japanese(QLocale::Japanese, QLocale::Japan);
  QLocale::setDefault(japanese);
  // Where the system keeps Qt's translations, or beside the program when
  // they travel with it.
  const QStringList folders{
      QLibraryInfo::path(QLibraryInfo::TranslationsPath),
      QCoreApplication::applicationDirPath() + QStringLiteral("/translations")};
  for (const QString& folder : folders) {
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(japanese, QStringLiteral("qt"), QStringLiteral("_"), folder)) {
      return QCoreApplication::installTranslator(translator);
    }
    delete translator;
  }
  return false;
}

int ConverterApp::InitInstance(const QString& source) {
  QApplication::setApplicationName(QStringLiteral("PELTARIX"));
  QApplication::setApplicationVersion(QStringLiteral(PELTARIX_VERSION));
  QApplication::setWindowIcon(AppIcon());
  // File dialogs and message boxes are windows of their own and do not take
  // the converter window's font; they get the same Japanese face this way.
  QApplication::setFont(DialogFont());
  ConverterDialog dialog;
  if (!source.isEmpty()) dialog.OpenSource(source);
  dialog.exec();
  return 0;
}

}  // namespace peltarix
