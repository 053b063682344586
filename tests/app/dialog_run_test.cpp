// Runs started from the window: what lands in the CSV file and what the log
// list shows afterwards.

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QtTest>

#include "app/converter_dialog.h"
#include "app/log_list_view.h"
#include "app_test_support.h"

namespace peltarix {
namespace {

const QString kSuccessLine = QStringLiteral("△▼△正常終了しました△▼△");
const QString kFailureLine = QStringLiteral("▲▽▲正常に終了できませんでした▲▽▲");
const QRegularExpression kStartBanner(
    QStringLiteral(R"(^☆☆☆コンバート開始\[\d{4}/\d\d/\d\d,\d\d:\d\d:\d\d\]☆☆☆$)"));
const QRegularExpression kEndBanner(
    QStringLiteral(R"(^☆☆☆コンバート終了\[\d{4}/\d\d/\d\d,\d\d:\d\d:\d\d\]☆☆☆$)"));

// A window with both fields filled in, on files in a directory of its own.
struct DialogOnFiles {
  QTemporaryDir directory;
  QString source = directory.filePath(QStringLiteral("house.QV"));
  QString destination = directory.filePath(QStringLiteral("house.CSV"));
  testing::ScriptedUser user;
  ConverterDialog dialog{user.Seams()};

  explicit DialogOnFiles(const QByteArray& source_bytes) {
    testing::WriteFileBytes(source, source_bytes);
    dialog.source_edit()->setText(source);
    dialog.destination_edit()->setText(destination);
  }

  // Runs and returns the transcript after its first line, which must name
  // the two files as they stand in the fields.
  QStringList Run() {
    dialog.execute_button()->click();
    QStringList lines = testing::ListLines(*dialog.log_list());
    const QString heading =
        QStringLiteral("QVファイル：%1 → CSVファイル：%2")
            .arg(dialog.source_edit()->text(), dialog.destination_edit()->text());
    if (lines.isEmpty() || lines.front() != heading) {
      return {QStringLiteral("first line is not the heading: ") + lines.value(0)};
    }
    lines.removeFirst();
    return lines;
  }
};

qsizetype CountStartingWith(const QStringList& lines, const QString& prefix) {
  qsizetype count = 0;
  for (const QString& line : lines) count += line.startsWith(prefix) ? 1 : 0;
  return count;
}

}  // namespace

class DialogRunTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { testing::UseFreshSettings(); }

  void RunWritesTheCsvAndLeavesTheWholeTranscriptInTheList() {
    DialogOnFiles window(testing::OneStoreyHouseSource());
    const QStringList lines = window.Run();
    QVERIFY(window.user.notices.isEmpty());

    QVERIFY2(lines.size() >= 6, qPrintable(lines.join(u'\n')));
    QVERIFY2(kStartBanner.match(lines.front()).hasMatch(), qPrintable(lines.front()));
    QVERIFY(lines.contains(QStringLiteral("基本情報を処理しています・・・")));
    QVERIFY(lines.contains(QStringLiteral("建物概要を処理しています・・・")));
    // The house has no plan sections: those converters warn, and the count
    // line adds up exactly the warnings shown.
    const qsizetype warnings = CountStartingWith(lines, QStringLiteral("WARNING！ "));
    QVERIFY(warnings > 0);
    QCOMPARE(CountStartingWith(lines, QStringLiteral("ERROR！ ")), 0);
    QCOMPARE(lines[lines.size() - 3], QStringLiteral("エラー 0、警告 %1").arg(warnings));
    QCOMPARE(lines[lines.size() - 2], kSuccessLine);
    QVERIFY2(kEndBanner.match(lines.back()).hasMatch(), qPrintable(lines.back()));

    const QList<QByteArray> csv = testing::ReadFileBytes(window.destination).split('\n');
    QCOMPARE(csv.size(), 4);  // header, two records, nothing after the last line end
    QVERIFY(csv[0].startsWith("\"MORVANTEL\",\"V11-01-000\",\""));
    QVERIFY(csv[0].endsWith("\",2,0,0,\"\",\"\"\r"));
    QVERIFY(csv[1].startsWith("\"AA010100\",1,1,0,0,0,"));
    // The project name's CP932 bytes pass through the window untouched.
    QVERIFY(csv[1].contains("\"\x83\x65\x83\x58\x83\x67\x93\x40\""));
    QVERIFY(csv[1].endsWith('\r'));
    QVERIFY(csv[2].startsWith("\"AA010110\",1,2,0,0,0,"));
    QVERIFY(csv[3].isEmpty());
  }

  void SecondRunClearsTheLinesOfTheFirst() {
    DialogOnFiles window(testing::OneStoreyHouseSource());
    window.Run();
    for (QCheckBox* box : window.dialog.findChildren<QCheckBox*>()) box->setChecked(false);
    const QStringList lines = window.Run();
    QCOMPARE(CountStartingWith(lines, QStringLiteral("☆☆☆コンバート開始")), 1);
    QVERIFY(!lines.contains(QStringLiteral("基本情報を処理しています・・・")));
    QVERIFY(kStartBanner.match(lines.front()).hasMatch());
  }

  // Validation and the floor levels still run; the file holds the header
  // with a record count of 0.
  void NoKindTickedWritesAHeaderOnlyCsv() {
    DialogOnFiles window(testing::OneStoreyHouseSource());
    for (QCheckBox* box : window.dialog.findChildren<QCheckBox*>()) box->setChecked(false);
    const QStringList lines = window.Run();
    QCOMPARE(lines[lines.size() - 2], kSuccessLine);
    const QRegularExpression header_only(
        QStringLiteral(R"(^"MORVANTEL","V11-01-000","\d{8}",0,0,0,"",""\r\n$)"));
    const QString csv = QString::fromLatin1(testing::ReadFileBytes(window.destination));
    QVERIFY2(header_only.match(csv).hasMatch(), qPrintable(csv));
  }

  void ValidationFailureShowsTheErrorTheCountsAndTheFailureLine() {
    DialogOnFiles window(testing::ConcreteHouseSource());
    const QStringList lines = window.Run();
    QCOMPARE(lines.size(), 5);
    QVERIFY(kStartBanner.match(lines[0]).hasMatch());
    QCOMPARE(lines[1], QStringLiteral("ERROR！ 主たる構造がWOOD以外なのでコンバートできません"));
    QCOMPARE(lines[2], QStringLiteral("エラー 1、警告 0"));
    QCOMPARE(lines[3], kFailureLine);
    QVERIFY(kEndBanner.match(lines[4]).hasMatch());
  }

  void MissingSourceIsReportedInTheLogNotByANotice() {
    DialogOnFiles window(testing::OneStoreyHouseSource());
    window.dialog.source_edit()->setText(window.directory.filePath(QStringLiteral("absent.QV")));
    const QStringList lines = window.Run();
    QVERIFY(window.user.notices.isEmpty());
    QCOMPARE(lines.size(), 6);
    QCOMPARE(lines[1], QStringLiteral("ERROR！ QVファイルを開けません"));
    QVERIFY(lines[2].startsWith(QStringLiteral("詳細：")));
    QCOMPARE(lines[4], kFailureLine);
  }

  // The run holds the window's thread from start to end; the user still
  // sees every line as it comes because the list paints it at once.
  void LogListIsPaintedForEveryLineWhileTheRunHoldsTheThread() {
    DialogOnFiles window(testing::OneStoreyHouseSource());
    window.dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window.dialog));
    testing::PaintCounter counter;
    window.dialog.log_list()->viewport()->installEventFilter(&counter);
    const QStringList lines = window.Run();
    QVERIFY2(
        counter.paints >= lines.size(),
        qPrintable(QStringLiteral("%1 paints for %2 lines").arg(counter.paints).arg(lines.size())));
  }

  // More lines than the list shows: the count and result lines at the end
  // must be in view when the run is over, without the user scrolling.
  void LastLineIsInViewAfterARunWithWarnings() {
    DialogOnFiles window(testing::OneStoreyHouseSource());
    window.dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window.dialog));
    const QStringList lines = window.Run();
    QVERIFY(CountStartingWith(lines, QStringLiteral("WARNING！ ")) > 0);
    LogListView& list = *window.dialog.log_list();
    QVERIFY(list.verticalScrollBar()->maximum() > 0);
    QCOMPARE(list.verticalScrollBar()->value(), list.verticalScrollBar()->maximum());
    QVERIFY(list.viewport()->rect().contains(list.visualItemRect(list.item(list.count() - 1))));
  }
};

}  // namespace peltarix

QTEST_MAIN(peltarix::DialogRunTest)
#include "dialog_run_test.moc"
