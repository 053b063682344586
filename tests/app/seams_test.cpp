// The seams that talk to a person, answered here by a timer that finds the
// open box or file dialog and plays the user's part.

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <functional>

#include "app/seams.h"

namespace peltarix {
namespace {

// Runs `answer` on the first visible top-level window of type T once the
// modal loop has started.
template <typename T>
void AnswerWhenShown(std::function<void(T*)> answer) {
  QTimer::singleShot(0, [answer] {
    for (QWidget* window : QApplication::topLevelWidgets()) {
      if (auto* dialog = qobject_cast<T*>(window); dialog != nullptr && dialog->isVisible()) {
        answer(dialog);
        return;
      }
    }
  });
}

FileRequest DestinationRequest() {
  return {QStringLiteral("変換先CSVファイル指定"),
          {QStringLiteral("CSVﾌｧｲﾙ(*.CSV)"), QStringLiteral("すべて(*.*)")},
          false};
}

}  // namespace

class SeamsTest : public QObject {
  Q_OBJECT

 private slots:
  void NoticeHasTheProgramsCaptionAndOnlyOk() {
    QString caption;
    QString text;
    QMessageBox::StandardButtons buttons;
    AnswerWhenShown<QMessageBox>([&](QMessageBox* box) {
      caption = box->windowTitle();
      text = box->text();
      buttons = box->standardButtons();
      box->button(QMessageBox::Ok)->click();
    });
    InteractiveSeams().notice(nullptr, QStringLiteral("変換元QVﾌｧｲﾙ名を指定してください。"));
    QCOMPARE(caption, QStringLiteral("PELTARIX"));
    QCOMPARE(text, QStringLiteral("変換元QVﾌｧｲﾙ名を指定してください。"));
    QCOMPARE(buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
  }

  void CancelledChooserGivesNothing() {
    AnswerWhenShown<QFileDialog>([](QFileDialog* dialog) { dialog->reject(); });
    QVERIFY(!InteractiveSeams().choose_file(nullptr, DestinationRequest()).has_value());
  }

  // The destination chooser is an open dialog that still takes a new name
  // as typed: no overwrite question and no extension added.
  void DestinationChooserTakesANewNameAsTyped() {
    QTemporaryDir directory;
    const QString typed = directory.filePath(QStringLiteral("result"));
    QString title;
    QStringList filters;
    bool asks_overwrite = true;
    QString suffix = QStringLiteral("unset");
    AnswerWhenShown<QFileDialog>([&](QFileDialog* dialog) {
      title = dialog->windowTitle();
      filters = dialog->nameFilters();
      asks_overwrite = !dialog->testOption(QFileDialog::DontConfirmOverwrite);
      suffix = dialog->defaultSuffix();
      QCOMPARE(dialog->acceptMode(), QFileDialog::AcceptOpen);
      QCOMPARE(dialog->fileMode(), QFileDialog::AnyFile);
      dialog->selectFile(typed);
      static_cast<QDialog*>(dialog)->accept();  // QFileDialog hides accept()
    });
    const std::optional<QString> chosen =
        InteractiveSeams().choose_file(nullptr, DestinationRequest());
    QCOMPARE(title, QStringLiteral("変換先CSVファイル指定"));
    QCOMPARE(filters, DestinationRequest().filters);
    QVERIFY(!asks_overwrite);
    QVERIFY(suffix.isEmpty());
    QVERIFY(chosen.has_value());
    QCOMPARE(*chosen, typed);
  }

  void SourceChooserWantsAnExistingFile() {
    QFileDialog::FileMode mode = QFileDialog::AnyFile;
    AnswerWhenShown<QFileDialog>([&](QFileDialog* dialog) {
      mode = dialog->fileMode();
      dialog->reject();
    });
    FileRequest request = DestinationRequest();
    request.must_exist = true;
    InteractiveSeams().choose_file(nullptr, request);
    QCOMPARE(mode, QFileDialog::ExistingFile);
  }
};

}  // namespace peltarix

QTEST_MAIN(peltarix::SeamsTest)
#include "seams_test.moc"
