// Starting the window program: its command line, and what it does without
// a display. The program runs as a child process with the display settings
// taken out of its environment.

#include <QProcess>
#include <QProcessEnvironment>
#include <QtTest>

#include "app/app_arguments.h"
#include "app/display_guard.h"

namespace peltarix {
namespace {

struct Outcome {
  int exit_code;
  QString out;
  QString err;
};

Outcome RunWithoutDisplay(const QStringList& arguments) {
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) {
    environment.remove(QString::fromLatin1(name));
  }
  QProcess program;
  program.setProcessEnvironment(environment);
  program.start(QStringLiteral(PELTARIX_APP_BINARY), arguments);
  if (!program.waitForFinished(20000)) {
    program.kill();
    program.waitForFinished();
    return {-1, {}, QStringLiteral("did not end")};
  }
  return {program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -2,
          QString::fromLocal8Bit(program.readAllStandardOutput()),
          QString::fromLocal8Bit(program.readAllStandardError())};
}

}  // namespace

class AppStartTest : public QObject {
  Q_OBJECT

 private slots:
  void ArgumentsAreRead_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("source");
    QTest::addColumn<bool>("help");
    QTest::addColumn<bool>("version");
    QTest::addColumn<bool>("bad");
    QTest::newRow("nothing") << QStringList{"peltarix"} << "" << false << false << false;
    QTest::newRow("a file") << QStringList{"peltarix", "家.QV"} << "家.QV" << false << false
                            << false;
    QTest::newRow("help beside an unknown option")
        << QStringList{"peltarix", "-platform", "--help"} << "" << true << false << true;
    QTest::newRow("two files") << QStringList{"peltarix", "a.QV", "b.QV"} << "a.QV" << false
                               << false << true;
    // -V is the version in both programs; -v is peltarix-convert's --verbose.
    QTest::newRow("-V") << QStringList{"peltarix", "-V"} << "" << false << true << false;
    QTest::newRow("-v") << QStringList{"peltarix", "-v"} << "" << false << false << true;
  }

  void ArgumentsAreRead() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, source);
    QFETCH(bool, help);
    QFETCH(bool, version);
    QFETCH(bool, bad);
    const AppArguments parsed = ParseAppArguments(arguments);
    QCOMPARE(parsed.source, source);
    QCOMPARE(parsed.help, help);
    QCOMPARE(parsed.version, version);
    QCOMPARE(!parsed.error.isEmpty(), bad);
  }

  void HelpAndVersionPrintWithoutADisplay() {
    const Outcome help = RunWithoutDisplay({QStringLiteral("--help")});
    QCOMPARE(help.exit_code, 0);
    QVERIFY2(help.out.contains(QStringLiteral("[QVファイル]")), qPrintable(help.out));
    const Outcome version = RunWithoutDisplay({QStringLiteral("--version")});
    QCOMPARE(version.exit_code, 0);
    QCOMPARE(version.out, QStringLiteral("PELTARIX " PELTARIX_VERSION "\n"));
  }

  // Qt alone would abort (status 134) after several lines about plugins.
  void WithoutADisplayOneLineAndStatusOne() {
    const Outcome outcome = RunWithoutDisplay({});
    QCOMPARE(outcome.exit_code, 1);
    QCOMPARE(outcome.err, NoDisplayMessage() + u'\n');
    QVERIFY(outcome.out.isEmpty());
  }
};

}  // namespace peltarix

QTEST_MAIN(peltarix::AppStartTest)
#include "app_start_test.moc"
