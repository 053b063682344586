// The seams that talk to a person, answered here by a timer that finds the
// open box or file dialog and plays the user's part.

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileSystemModel>
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

FileRequest DestinationRequest(const QString& directory = {}) {
  return {.title = "変換先CSVファイル指定",
          .filters = {{"CSVﾌｧｲﾙ(*.CSV)", "*.CSV"}, {"すべて(*.*)", "*.*"}},
          .must_exist = false,
          .directory = directory.toStdString(),
          .proposed_name = {},
          .default_suffix = "csv"};
}

}  // namespace

class SeamsTest : public QObject {
  Q_OBJECT

 private slots:
  void NoticeHasTheProgramsCaptionTheMatchingIconAndOnlyOk() {
    QString caption;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    AnswerWhenShown<QMessageBox>([&](QMessageBox* box) {
      caption = box->windowTitle();
      text = box->text();
      icon = box->icon();
      buttons = box->standardButtons();
      box->button(QMessageBox::Ok)->click();
    });
    InteractiveSeams().notice(nullptr, QStringLiteral("変換元QVﾌｧｲﾙ名を指定してください。"),
                              NoticeIcon::kWarning);
    QCOMPARE(caption, QStringLiteral("PELTARIX"));
    QCOMPARE(text, QStringLiteral("変換元QVﾌｧｲﾙ名を指定してください。"));
    QCOMPARE(icon, QMessageBox::Warning);
    QCOMPARE(buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
  }

  // Replacing a file the user never chose is asked with いいえ as the
  // default, so that Enter keeps the file.
  void QuestionDefaultsToNo() {
    QMessageBox::StandardButton default_button = QMessageBox::NoButton;
    QString yes_text;
    AnswerWhenShown<QMessageBox>([&](QMessageBox* box) {
      default_button = box->standardButton(box->defaultButton());
      yes_text = box->button(QMessageBox::Yes)->text();
      QTest::keyClick(box, Qt::Key_Return);
    });
    QVERIFY(!InteractiveSeams().ask_yes_no(nullptr, QStringLiteral("置き換えますか？")));
    QCOMPARE(default_button, QMessageBox::No);
    QCOMPARE(yes_text, QStringLiteral("はい(&Y)"));
  }

  void CancelledChooserGivesNothing() {
    AnswerWhenShown<QFileDialog>([](QFileDialog* dialog) { dialog->reject(); });
    QVERIFY(!InteractiveSeams().choose_file(nullptr, DestinationRequest()).has_value());
  }

  // The destination chooser is a save dialog: a name typed without an
  // extension gets ".csv", and replacing a file is confirmed.
  void DestinationChooserIsASaveDialogThatAddsTheExtension() {
    QTemporaryDir directory;
    QString title;
    QStringList filters;
    bool asks_overwrite = false;
    AnswerWhenShown<QFileDialog>([&](QFileDialog* dialog) {
      title = dialog->windowTitle();
      filters = dialog->nameFilters();
      asks_overwrite = !dialog->testOption(QFileDialog::DontConfirmOverwrite);
      QCOMPARE(dialog->acceptMode(), QFileDialog::AcceptSave);
      QCOMPARE(dialog->directory().absolutePath(), QDir(directory.path()).absolutePath());
      dialog->selectFile(QStringLiteral("result"));
      static_cast<QDialog*>(dialog)->accept();  // QFileDialog hides accept()
    });
    const std::optional<QString> chosen =
        InteractiveSeams().choose_file(nullptr, DestinationRequest(directory.path()));
    QCOMPARE(title, QStringLiteral("変換先CSVファイル指定"));
    QCOMPARE(filters,
             (QStringList{QStringLiteral("CSVﾌｧｲﾙ(*.CSV)"), QStringLiteral("すべて(*.*)")}));
    QVERIFY(asks_overwrite);
    QVERIFY(chosen.has_value());
    QCOMPARE(*chosen, directory.filePath(QStringLiteral("result.csv")));
  }

  // "*.*" stands for every file: names without a dot must be listed too.
  void EveryFileFilterListsNamesWithoutADot() {
    QStringList filters_in_use;
    AnswerWhenShown<QFileDialog>([&](QFileDialog* dialog) {
      auto* types = dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
      QVERIFY(types != nullptr);
      types->setCurrentIndex(1);
      emit types->activated(1);
      emit types->textActivated(types->currentText());
      filters_in_use = dialog->findChild<QFileSystemModel*>()->nameFilters();
      dialog->reject();
    });
    InteractiveSeams().choose_file(nullptr, DestinationRequest(QDir::tempPath()));
    QCOMPARE(filters_in_use, QStringList{QStringLiteral("*")});
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
