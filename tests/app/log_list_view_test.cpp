// The progress log's list: order, following the last line, the
// always-present scroll bar, painting while the event loop is held, marked
// errors and warnings, the selection that copying takes.

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QScrollBar>
#include <QtTest>
#include <algorithm>
#include <string>

#include "app/log_list_view.h"
#include "app_test_support.h"

namespace peltarix {
namespace {

void Append(LogListView& list, const std::string& text) {
  list.AppendLogLine({text, SeverityOfLine(text)});
}

void AppendMany(LogListView& list, int count) {
  for (int line = 1; line <= count; ++line) {
    Append(list, "line " + std::to_string(line));
    list.ShowNow();
  }
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
      Append(list, line);
    }
    QCOMPARE(testing::ListLines(list), (QStringList{QStringLiteral("zeta"), QStringLiteral("alpha"),
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
    Append(list, "first line of a run");
    list.ShowNow();
    QVERIFY(counter.paints >= 1);
    QVERIFY(list.visualItemRect(list.item(0)).isValid());
    const int paints_before = counter.paints;
    Append(list, "second line");
    list.ShowNow();
    QVERIFY(counter.paints > paints_before);
  }

  void ErrorsAndWarningsCarryIconsAndColoursDetailLinesArePlain() {
    LogListView list;
    for (const char* line : {"ERROR！ QVファイルを開けません", "詳細：/tmp/a.QV：見つかりません",
                             "WARNING！ 柱が存在しません", "エラー 1、警告 1"}) {
      Append(list, line);
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

  // Ctrl+C and the context menu's copy hand the selected rows to the
  // model, which joins them (tests/window_model); Ctrl+A selects all.
  void CopyTakesTheSelectedRows() {
    LogListView list;
    list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&list));
    AppendMany(list, 4);
    QVERIFY(list.actions().contains(list.copy_action()));
    QVERIFY(list.actions().contains(list.save_action()));
    QCOMPARE(list.save_action()->text(), QStringLiteral("ログを保存…"));
    QSignalSpy copies(list.copy_action(), &QAction::triggered);
    list.item(3)->setSelected(true);
    list.item(1)->setSelected(true);
    list.setFocus();
    QTest::keyClick(&list, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(copies.size(), 1);
    std::vector<std::size_t> rows = list.SelectedRows();
    std::sort(rows.begin(), rows.end());
    QCOMPARE(rows, (std::vector<std::size_t>{1, 3}));

    QTest::keyClick(&list, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(list.selectedItems().size(), 4);
  }
};

}  // namespace peltarix

QTEST_MAIN(peltarix::LogListViewTest)
#include "log_list_view_test.moc"
