// The preview button: off until a run succeeds, then it opens the plan
// picture of that run in a window of its own.

#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

#include "app/converter_dialog.h"
#include "app_test_support.h"
#include "preview_window/preview_window.h"

namespace peltarix {

class PreviewButtonTest : public QObject {
  Q_OBJECT

 private slots:
  void OpensThePictureOfTheLastSuccessfulRunOnly() {
    QTemporaryDir directory;
    testing::ScriptedUser user;
    ConverterDialog dialog(user.Seams());
    QVERIFY(!dialog.preview_button()->isEnabled());

    QFile sample(QStringLiteral(PELTARIX_SOURCE_DIR "/examples/sample.QV"));
    QVERIFY(sample.open(QIODevice::ReadOnly));
    const QString source = directory.filePath(QStringLiteral("house.QV"));
    testing::WriteFileBytes(source, sample.readAll());
    dialog.source_edit()->setText(source);
    dialog.destination_edit()->setText(directory.filePath(QStringLiteral("house.csv")));
    dialog.execute_button()->click();
    QVERIFY(dialog.preview_button()->isEnabled());

    dialog.preview_button()->click();
    auto* window = dialog.findChild<PreviewWindow*>();
    QVERIFY(window != nullptr);
    QVERIFY(QTest::qWaitForWindowExposed(window));
    // 1F, 2F, the roofs over 1F and over 2F, and the legend.
    QCOMPARE(window->tabs()->count(), 5);
    const QString png = directory.filePath(QStringLiteral("house.png"));
    QVERIFY(window->SavePng(png));
    QVERIFY(!QImage(png).isNull());
    window->close();

    // A run that fails leaves nothing to preview.
    dialog.source_edit()->setText(directory.filePath(QStringLiteral("missing.QV")));
    dialog.execute_button()->click();
    QVERIFY(!dialog.preview_button()->isEnabled());
  }
};

}  // namespace peltarix

QTEST_MAIN(peltarix::PreviewButtonTest)
#include "preview_button_test.moc"
