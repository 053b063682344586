#include "app/converter_app.h"

#include <QApplication>

#include "app/app_icon.h"
#include "app/converter_dialog.h"

namespace peltarix {

int ConverterApp::InitInstance() {
  QApplication::setApplicationName(QStringLiteral("PELTARIX"));
  QApplication::setApplicationVersion(QStringLiteral(PELTARIX_VERSION));
  QApplication::setWindowIcon(AppIcon());
  ConverterDialog dialog;
  dialog.exec();
  return 0;
}

}  // namespace peltarix
