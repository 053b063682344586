// The progress log's list: order, no selection or scrolling on its own, the
// always-present scroll bar, and painting while the event loop is held.

#include <QEvent>
#include <QScrollBar>
#include <QtTest>
#include <string>

#include "app/log_list_view.h"
#include "run/progress_log.h"

namespace peltarix {
namespace {

// Counts the paint events a widget receives.
class PaintCounter : public QObject {
 public:
  int paints = 0;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++paints;
    return QObject::eventFilter(watched, event);
  }
};

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
  void LinesStayInTheOrderTheyCame() {
    LogListView list;
    for (const char* line : {"zeta", "alpha", "mu"}) list.AppendLine(line);
    QCOMPARE(list.Lines(),
             (QStringList{QStringLiteral("zeta"), QStringLiteral("alpha"), QStringLiteral("mu")}));
  }

  void Utf8LinesAreShownAsTheirCharacters() {
    LogListView list;
    list.AppendLine("WARNING\xEF\xBC\x81 \xE6\x9F\xB1");
    QCOMPARE(list.Lines().front(), QStringLiteral("WARNING！ 柱"));
  }

  void ClearEmptiesTheList() {
    LogListView list;
    list.AppendLine("a");
    list.AppendLine("b");
    list.Clear();
    QCOMPARE(list.count(), 0);
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
    PaintCounter counter;
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

  void ProgressLogLinesReachTheListWithTheirPrefixes() {
    LogListView list;
    ProgressLog log(list);
    log.LogMessage(kWarning, "X");
    log.LogMessage(kError, "Y");
    log.LogMessage(kInformation, "Z");
    QCOMPARE(list.Lines(), (QStringList{QStringLiteral("WARNING！ X"), QStringLiteral("ERROR！ Y"),
                                        QStringLiteral("Z")}));
  }
};

}  // namespace peltarix

QTEST_MAIN(peltarix::LogListViewTest)
#include "log_list_view_test.moc"
