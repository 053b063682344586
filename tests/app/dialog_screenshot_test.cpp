// Renders the main window after a run, and the About box, on the offscreen
// platform and saves them as PNG files in the build directory, so that a
// person can look at the layout. Checks what can be checked without eyes:
// the window's size and that every control lies inside it.

#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QImage>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include "app/about_dialog.h"
#include "app/converter_dialog.h"
#include "app/dialog_units.h"
#include "app/log_list_view.h"
#include "app_test_support.h"

namespace peltarix {
namespace {

QString ScreenshotPath(const QString& name) {
  return QDir(QStringLiteral(PELTARIX_SCREENSHOT_DIR)).filePath(name);
}

}  // namespace

class DialogScreenshotTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { testing::UseFreshSettings(); }

  void MainWindowIsRenderedToAPng() {
    QTemporaryDir directory;
    const QString source = directory.filePath(QStringLiteral("house.QV"));
    testing::WriteFileBytes(source, testing::OneStoreyHouseSource());
    testing::ScriptedUser user;
    ConverterDialog dialog(user.Seams());
    dialog.source_edit()->setText(source);
    dialog.destination_edit()->setText(directory.filePath(QStringLiteral("house.CSV")));
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    dialog.execute_button()->click();

    const DialogUnits units(dialog.font());
    QCOMPARE(dialog.size(), units.ToPixels(QSize(303, 277)));
    const QRect client = dialog.rect();
    for (QWidget* control : dialog.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
      if (!control->isVisible()) continue;
      QVERIFY2(client.contains(control->geometry()),
               qPrintable(control->metaObject()->className()));
    }
    for (QCheckBox* box : dialog.findChildren<QCheckBox*>()) {
      QVERIFY(dialog.kinds_group()->geometry().contains(box->geometry()));
    }

    const QString path = ScreenshotPath(QStringLiteral("converter_dialog.png"));
    QVERIFY(dialog.grab().save(path));
    QCOMPARE(QImage(path).size(), dialog.size());
    qInfo("main window: %s (font %s, base units %d x %d)", qPrintable(path),
          qPrintable(dialog.font().family()), units.base_width(), units.base_height());
  }

  void AboutBoxIsRenderedToAPng() {
    AboutDialog about;
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    const DialogUnits units(about.font());
    QCOMPARE(about.size(), units.ToPixels(QSize(235, 55)));
    const QString path = ScreenshotPath(QStringLiteral("about_dialog.png"));
    QVERIFY(about.grab().save(path));
    qInfo("About box: %s", qPrintable(path));
  }
};

}  // namespace peltarix

QTEST_MAIN(peltarix::DialogScreenshotTest)
#include "dialog_screenshot_test.moc"
