// The progress log's list: order, following the last line, the
// always-present scroll bar, painting while the event loop is held, marked
// errors and warnings, copying and saving.

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QtTest>
#include <string>

#include "app/log_list_view.h"
#include "app_test_support.h"
#include "platform/failure_reason.h"

namespace peltarix {
namespace {

void AppendMany(LogListView& list, int count) {
  for (int line = 1; line <= count; ++line) {
    list.AppendLine("line " + std::to_string(line));
    list.ShowNow();
  }
}

QString ReasonQString(FailureReason reason) {
  const std::string_view text = ReasonText(reason);
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

class LogListViewTest : public QObject {
  Q_OBJECT

 private slots:
  // Unsorted: lines keep the order they came in, and their UTF-8 text is
  // shown as its characters.
  void LinesKeepTheirOrderAndCharacters() {
    LogListView list;
    for (const char* line : {"zeta", "alpha", "WARNING\xEF\xBC\x81 \xE6\x9F\xB1"}) {
      list.AppendLine(line);
    }
    QCOMPARE(list.Lines(), (QStringList{QStringLiteral("zeta"), QStringLiteral("alpha"),
                                        QStringLiteral("WARNING！ 柱")}));
  }

  // New lines are scrolled into view, but a reader who scrolled up to read
  // an earlier line is left there until they scroll back to the end.
  void NewLinesAreFollowedUnlessTheReaderScrolledUp() {
    LogListView list;
    list.resize(300, 100);
    list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&list));
    QScrollBar* bar = list.verticalScrollBar();
    AppendMany(list, 50);
    QVERIFY(bar->maximum() > 0);
    QCOMPARE(bar->value(), bar->maximum());
    QVERIFY(list.selectedItems().isEmpty());

    bar->setValue(3);
    AppendMany(list, 5);
    QCOMPARE(bar->value(), 3);

    bar->setValue(bar->maximum());
    AppendMany(list, 5);
    QCOMPARE(bar->value(), bar->maximum());
    QVERIFY(list.viewport()->rect().contains(list.visualItemRect(list.item(list.count() - 1))));
  }

  void ScrollBarIsAlwaysShownAndGreyedWhileEverythingFits() {
    LogListView list;
    list.resize(300, 200);
    list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&list));
    QCOMPARE(list.verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QVERIFY(list.verticalScrollBar()->isVisible());
    QVERIFY(!list.verticalScrollBar()->isEnabled());
    AppendMany(list, 40);
    QVERIFY(list.verticalScrollBar()->isEnabled());
    list.Clear();
    list.ShowNow();
    QVERIFY(!list.verticalScrollBar()->isEnabled());
  }

  // A run holds the window's thread, so the event loop never comes round
  // while it goes on: ShowNow must paint the new line itself.
  void ShowNowPaintsTheNewLineWithoutTheEventLoop() {
    LogListView list;
    list.resize(300, 200);
    list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&list));
    testing::PaintCounter counter;
    list.viewport()->installEventFilter(&counter);
    list.AppendLine("first line of a run");
    list.ShowNow();
    QVERIFY(counter.paints >= 1);
    QVERIFY(list.visualItemRect(list.item(0)).isValid());
    const int paints_before = counter.paints;
    list.AppendLine("second line");
    list.ShowNow();
    QVERIFY(counter.paints > paints_before);
  }

  void ErrorsAndWarningsCarryIconsAndColoursDetailLinesArePlain() {
    LogListView list;
    for (const char* line : {"ERROR！ QVファイルを開けません", "詳細：/tmp/a.QV：見つかりません",
                             "WARNING！ 柱が存在しません", "エラー 1、警告 1"}) {
      list.AppendLine(line);
    }
    QVERIFY(!list.item(1)->data(Qt::ForegroundRole).isValid());
    QVERIFY(!list.item(3)->data(Qt::ForegroundRole).isValid());
    const QColor error = list.item(0)->foreground().color();
    const QColor warning = list.item(2)->foreground().color();
    QVERIFY(error != warning);
    QVERIFY(!list.item(0)->icon().isNull());
    QVERIFY(list.item(0)->icon().cacheKey() != list.item(2)->icon().cacheKey());
    QCOMPARE(list.item(1)->icon().cacheKey(), list.item(3)->icon().cacheKey());

    // On a dark base the marks turn pale enough to read.
    QPalette dark = list.palette();
    dark.setColor(QPalette::Base, Qt::black);
    list.setPalette(dark);
    QVERIFY(list.item(0)->foreground().color().lightness() > 128);
    QVERIFY(list.item(2)->foreground().color().lightness() > 128);
  }

  // Ctrl+C and the context menu's copy take the selected lines in list order,
  // or every line when none is selected.
  void CopyTakesTheSelectedLinesOrAll() {
    LogListView list;
    list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&list));
    AppendMany(list, 4);
    QVERIFY(list.actions().contains(list.copy_action()));
    list.copy_action()->trigger();
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("line 1\nline 2\nline 3\nline 4"));

    list.item(3)->setSelected(true);
    list.item(1)->setSelected(true);
    QApplication::clipboard()->clear();
    list.setFocus();
    QTest::keyClick(&list, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("line 2\nline 4"));

    QTest::keyClick(&list, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(list.selectedItems().size(), 4);
  }

  void SavedLogIsUtf8WithCrLfAndAFailureGivesTheReason() {
    QTemporaryDir directory;
    LogListView list;
    list.AppendLine("☆☆☆コンバート開始");
    list.AppendLine("WARNING！ 柱");
    const QString path = directory.filePath(QStringLiteral("house_log.txt"));
    QString reason;
    QVERIFY(list.SaveTo(path, reason));
    QCOMPARE(testing::ReadFileBytes(path), QByteArray("☆☆☆コンバート開始\r\nWARNING！ 柱\r\n"));
    QVERIFY(!list.SaveTo(directory.filePath(QStringLiteral("missing/log.txt")), reason));
    // The reason is the core's Japanese text, not a library's English one.
    const QStringList known{ReasonQString(FailureReason::kNotFound),
                            ReasonQString(FailureReason::kFolderNotFound)};
    QVERIFY2(known.contains(reason), qPrintable(reason));
  }
};

}  // namespace peltarix

QTEST_MAIN(peltarix::LogListViewTest)
#include "log_list_view_test.moc"
