// What the window does around a run, as the Qt view shows it: dropped
// files, settings kept in the INI file between starts, the question before
// a proposed CSV replaces a file, copying the log, and its size on large
// and small screens. The rules themselves are tested in tests/window_model.

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGroupBox>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QUrl>
#include <QtTest>

#include "app/converter_dialog.h"
#include "app/dialog_layout.h"
#include "app/dialog_units.h"
#include "app/log_list_view.h"
#include "app_test_support.h"

namespace peltarix {
namespace {

// Offers `paths` to the window as a drag would and drops them when the
// window takes them. Returns whether it took them.
bool DropFiles(ConverterDialog& dialog, const QStringList& paths) {
  QMimeData data;
  QList<QUrl> urls;
  for (const QString& path : paths) urls.append(QUrl::fromLocalFile(path));
  data.setUrls(urls);
  const QPointF middle = QRectF(dialog.rect()).center();
  QDragEnterEvent enter(middle.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&dialog, &enter);
  if (!enter.isAccepted()) return false;
  QDropEvent drop(middle, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&dialog, &drop);
  return drop.isAccepted();
}

// Every visible control lies inside the window, and the check boxes inside
// their group.
void ExpectControlsInside(const ConverterDialog& dialog) {
  for (QWidget* control : dialog.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    QVERIFY2(dialog.rect().contains(control->geometry()),
             qPrintable(control->metaObject()->className()));
  }
  for (QCheckBox* box : dialog.findChildren<QCheckBox*>()) {
    QVERIFY(dialog.kinds_group()->geometry().contains(box->geometry()));
  }
}

}  // namespace

class WindowComfortTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { testing::UseFreshSettings(); }

  void DroppedQvFileFillsTheSourceOtherDropsAreRefused() {
    testing::ScriptedUser user;
    ConverterDialog dialog(user.Seams());
    QVERIFY(!DropFiles(dialog, {QStringLiteral("/plans/notes.txt")}));
    QVERIFY(!DropFiles(dialog, {QStringLiteral("/plans/a.QV"), QStringLiteral("/plans/b.QV")}));
    QVERIFY(dialog.source_edit()->text().isEmpty());
    // The fields leave drops to the window instead of pasting the address.
    QVERIFY(!dialog.source_edit()->acceptDrops());
    QVERIFY(!dialog.destination_edit()->acceptDrops());

    QVERIFY(DropFiles(dialog, {QStringLiteral("/plans/house.qv")}));
    QCOMPARE(dialog.source_edit()->text(), QStringLiteral("/plans/house.qv"));
    QCOMPARE(dialog.destination_edit()->text(), QStringLiteral("/plans/house.csv"));
  }

  void FoldersTicksAndSizeAreKeptForTheNextStart() {
    QTemporaryDir directory;
    const QString plans = directory.filePath(QStringLiteral("plans"));
    const QString out = directory.filePath(QStringLiteral("out"));
    QSize closed_size;
    {
      testing::ScriptedUser user;
      user.file_answers = {plans + QStringLiteral("/house.QV"), out + QStringLiteral("/house.csv")};
      ConverterDialog dialog(user.Seams());
      dialog.browse_source_button()->click();
      dialog.browse_destination_button()->click();
      dialog.kind_box(2)->setChecked(false);
      dialog.kind_box(5)->setChecked(false);
      dialog.resize(dialog.size() + QSize(120, 90));
      closed_size = dialog.size();
      dialog.reject();
    }
    const QSettings stored(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("PELTARIX"),
                           QStringLiteral("peltarix"));
    QVERIFY(QFile::exists(stored.fileName()));

    testing::ScriptedUser user;
    ConverterDialog dialog(user.Seams());
    for (int kind = 0; kind < ConverterDialog::kKindCount; ++kind) {
      QCOMPARE(dialog.kind_box(kind)->isChecked(), kind != 2 && kind != 5);
    }
    QCOMPARE(dialog.size(), closed_size);
    QVERIFY(dialog.source_edit()->text().isEmpty());
    dialog.browse_source_button()->click();
    dialog.destination_edit()->clear();
    dialog.browse_destination_button()->click();
    QCOMPARE(user.file_requests.size(), std::size_t{2});
    QCOMPARE(QString::fromStdString(user.file_requests[0].directory), plans);
    QCOMPARE(QString::fromStdString(user.file_requests[1].directory), out);
  }

  // The proposed CSV name was never confirmed: an existing file under it is
  // replaced only after はい, and いいえ leaves file and log untouched.
  void ExistingProposedCsvIsReplacedOnlyAfterYes() {
    QTemporaryDir directory;
    const QString source = directory.filePath(QStringLiteral("house.QV"));
    const QString csv = directory.filePath(QStringLiteral("house.csv"));
    testing::WriteFileBytes(source, testing::OneStoreyHouseSource());
    testing::WriteFileBytes(csv, "earlier");
    testing::ScriptedUser user;
    ConverterDialog dialog(user.Seams());
    dialog.SetSourcePath(source);
    QCOMPARE(dialog.destination_edit()->text(), csv);
    dialog.execute_button()->click();
    QCOMPARE(user.questions,
             QStringList{csv + QStringLiteral(" は既にあります。\n置き換えますか？")});
    QCOMPARE(testing::ReadFileBytes(csv), QByteArray("earlier"));
    QCOMPARE(dialog.log_list()->count(), 0);

    user.yes_no_answers.push_back(true);
    dialog.execute_button()->click();
    QCOMPARE(user.questions.size(), 2);
    QVERIFY(testing::ReadFileBytes(csv).startsWith("\"MORVANTEL\""));
    QVERIFY(dialog.preview_button()->isEnabled());

    // Ctrl+C with no line selected copies the whole transcript.
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    dialog.log_list()->setFocus();
    QTest::keyClick(dialog.log_list(), Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(), testing::ListLines(*dialog.log_list()).join(u'\n'));
  }

  // Extra width goes to the path fields and the log, extra height to the
  // log; the buttons on the right keep to the right edge.
  void ExtraRoomGoesToThePathFieldsAndTheLog() {
    testing::ScriptedUser user;
    ConverterDialog dialog(user.Seams());
    const DialogLayout layout(DialogUnits(dialog.font()), QSize(303, 277));
    QCOMPARE(dialog.size(), layout.TemplateSize());
    QCOMPARE(dialog.minimumSize(), layout.TemplateSize());
    const QRect edit = dialog.source_edit()->geometry();
    const QRect log = dialog.log_list()->geometry();
    const QRect close = dialog.close_button()->geometry();
    const QRect execute = dialog.execute_button()->geometry();
    const QRect group = dialog.kinds_group()->geometry();
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    dialog.resize(dialog.size() + QSize(100, 80));
    QTRY_COMPARE(dialog.log_list()->geometry(), log.adjusted(0, 0, 100, 80));
    QCOMPARE(dialog.source_edit()->geometry(), edit.adjusted(0, 0, 100, 0));
    QCOMPARE(dialog.destination_edit()->width(), edit.width() + 100);
    QCOMPARE(dialog.log_list()->geometry(), log.adjusted(0, 0, 100, 80));
    QCOMPARE(dialog.close_button()->geometry(), close.translated(100, 80));
    QCOMPARE(dialog.execute_button()->geometry(), execute.translated(100, 0));
    QCOMPARE(dialog.kinds_group()->geometry(), group);
    ExpectControlsInside(dialog);
  }

  // 200 % on a 1280 x 800 screen with a task bar leaves 640 x 376; the
  // window with its title bar must fit, with a usable log and 終了 in view.
  void WindowFitsASmallScreen() {
    testing::ScriptedUser user;
    ConverterDialog dialog(user.Seams());
    dialog.move(300, 200);
    const QRect available(0, 0, 640, 376);
    dialog.FitInto(available);
    const int title_bar = dialog.style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, &dialog);
    QVERIFY2(dialog.height() + title_bar <= available.height(),
             qPrintable(QStringLiteral("%1 + %2").arg(dialog.height()).arg(title_bar)));
    QVERIFY(dialog.width() <= available.width());
    QVERIFY(available.contains(QRect(dialog.pos(), dialog.size() + QSize(0, title_bar))));
    QVERIFY(dialog.minimumHeight() <= dialog.height());
    QVERIFY(dialog.log_list()->height() >= 3 * dialog.log_list()->fontMetrics().height());
    ExpectControlsInside(dialog);
  }
};

}  // namespace peltarix

QTEST_MAIN(peltarix::WindowComfortTest)
#include "window_comfort_test.moc"
