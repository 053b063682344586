// peltarix_icon_files FOLDER SIZE...
// Writes the window's icon, as the program paints it, to
// FOLDER/SIZExSIZE/apps/peltarix.png for each SIZE: the layout of the hicolor
// icon theme, so that the desktop shows the same icon as the title bar.
#include <QDir>
#include <QGuiApplication>
#include <QPixmap>
#include <QString>
#include <cstdio>

#include "app/app_icon.h"

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fputs("usage: peltarix_icon_files FOLDER SIZE...\n", stderr);
    return 2;
  }
  // A pixmap needs a GUI application; no display is needed to paint one.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication application(argc, argv);
  const QString folder = QString::fromLocal8Bit(argv[1]);
  for (int index = 2; index < argc; ++index) {
    const int size = QString::fromLatin1(argv[index]).toInt();
    const QString apps = QStringLiteral("%1/%2x%2/apps").arg(folder).arg(size);
    const QString file = apps + QStringLiteral("/peltarix.png");
    if (size <= 0 || !QDir().mkpath(apps) || !peltarix::PaintAppIcon(size).save(file, "PNG")) {
      std::fprintf(stderr, "peltarix_icon_files: cannot write %s\n", qPrintable(file));
      return 1;
    }
  }
  return 0;
}
