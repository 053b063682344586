// The progress log's list: order, no selection or scrolling on its own, the
// always-present scroll bar, and painting while the event loop is held.

#include <QScrollBar>
#include <QtTest>
#include <string>

#include "app/log_list_view.h"
#include "app_test_support.h"

namespace peltarix {
namespace {

void AppendMany(LogListView& list, int count) {
  for (int line = 1; line <= count; ++line) {
    list.AppendLine("line " + std::to_string(line));
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
      list.AppendLine(line);
    }
    QCOMPARE(list.Lines(), (QStringList{QStringLiteral("zeta"), QStringLiteral("alpha"),
                                        QStringLiteral("WARNING！ 柱")}));
  }

  // The reader scrolls when they want to; new lines select nothing and do
  // not pull the view down.
  void NewLinesAreNeitherSelectedNorScrolledTo() {
    LogListView list;
    list.resize(300, 100);
    list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&list));
    AppendMany(list, 50);
    QVERIFY(list.selectedItems().isEmpty());
    QCOMPARE(list.verticalScrollBar()->value(), 0);
    QVERIFY(list.verticalScrollBar()->maximum() > 0);
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
};

}  // namespace peltarix

QTEST_MAIN(peltarix::LogListViewTest)
#include "log_list_view_test.moc"
