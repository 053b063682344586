// The window's own behaviour: its starting state, the empty-name notices,
// the browse buttons, the keys that close it and the About box. The person
// at the window is a ScriptedUser.

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "app/about_dialog.h"
#include "app/converter_dialog.h"
#include "app/dialog_font.h"
#include "app/log_list_view.h"
#include "app_test_support.h"

namespace peltarix {
namespace {

const QString kEmptySourceNotice = QStringLiteral("変換元QVﾌｧｲﾙ名を指定してください。");

}  // namespace

class ConverterDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { testing::UseFreshSettings(); }

  void StartsWithAllKindsTickedAndBothFieldsEmpty() {
    testing::ScriptedUser user;
    ConverterDialog dialog(user.Seams());
    for (int kind = 0; kind < ConverterDialog::kKindCount; ++kind) {
      QVERIFY2(dialog.kind_box(kind)->isChecked(), qPrintable(dialog.kind_box(kind)->text()));
    }
    QVERIFY(dialog.source_edit()->text().isEmpty());
    QVERIFY(dialog.destination_edit()->text().isEmpty());
    QCOMPARE(dialog.log_list()->count(), 0);
  }

  void CheckBoxesMapToTheRunsDataKindsInOrder() {
    testing::ScriptedUser user;
    ConverterDialog dialog(user.Seams());
    const QStringList captions{QStringLiteral("基本情報"), QStringLiteral("建物概要"),
                               QStringLiteral("柱"),       QStringLiteral("外周"),
                               QStringLiteral("部屋"),     QStringLiteral("屋根")};
    for (int kind = 0; kind < ConverterDialog::kKindCount; ++kind) {
      QCOMPARE(dialog.kind_box(kind)->text(), captions[kind]);
      for (QCheckBox* box : dialog.findChildren<QCheckBox*>()) box->setChecked(false);
      dialog.kind_box(kind)->setChecked(true);
      QVERIFY(dialog.CheckedKinds() ==
              DataKindSet::Only(kDataKindRows[static_cast<std::size_t>(kind)].kind));
    }
  }

  void TitleIconAndCaptionOnlyFrame() {
    testing::ScriptedUser user;
    ConverterDialog dialog(user.Seams());
    QCOMPARE(dialog.windowTitle(), QStringLiteral("PELTARIX"));
    QVERIFY(!dialog.windowIcon().isNull());
    const Qt::WindowFlags flags = dialog.windowFlags();
    QVERIFY(flags.testFlag(Qt::WindowTitleHint));
    QVERIFY(!flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowSystemMenuHint));
    QVERIFY(dialog.close_button()->isDefault());
    QVERIFY(!dialog.execute_button()->isDefault());
  }

  // Needs the Japanese Gothic face that the build installs.
  void WindowsUseAJapaneseGothicFaceAtNinePoints() {
    testing::ScriptedUser user;
    ConverterDialog dialog(user.Seams());
    AboutDialog about;
    for (const QWidget* window : {static_cast<QWidget*>(&dialog), static_cast<QWidget*>(&about)}) {
      QCOMPARE(window->font().pointSize(), 9);
      const QString family = QFontInfo(window->font()).family();
      QVERIFY2(PreferredDialogFamilies().contains(family), qPrintable(family));
    }
  }

  // The behaviour itself is the model's (tests/window_model); this checks
  // that the buttons, fields and seams reach it.
  void ButtonsFieldsAndSeamsReachTheModel() {
    testing::ScriptedUser user;
    user.file_answers.push_back(QStringLiteral("/data/plans/house.QV"));
    ConverterDialog dialog(user.Seams());
    dialog.browse_source_button()->click();
    QCOMPARE(dialog.source_edit()->text(), QStringLiteral("/data/plans/house.QV"));
    QCOMPARE(dialog.destination_edit()->text(), QStringLiteral("/data/plans/house.csv"));
    QCOMPARE(user.file_requests.front().title, std::string("変換元QVファイル指定"));
    dialog.kind_box(2)->setChecked(false);
    QVERIFY(!dialog.CheckedKinds().Contains(DataKind::kColumns));
    dialog.source_edit()->clear();
    dialog.execute_button()->click();
    QCOMPARE(user.notices, QStringList{kEmptySourceNotice});
    QCOMPARE(user.notice_icons, std::vector<NoticeIcon>{NoticeIcon::kWarning});
    QCOMPARE(dialog.log_list()->count(), 0);
  }

  // Spaces are a name: the run is started and its validation reports that
  // the file does not open.
  void SourceOfSpacesIsRunAndReportedAsNotOpening() {
    testing::ScriptedUser user;
    QTemporaryDir directory;
    ConverterDialog dialog(user.Seams());
    dialog.source_edit()->setText(QStringLiteral("   "));
    dialog.destination_edit()->setText(directory.filePath(QStringLiteral("out.CSV")));
    dialog.execute_button()->click();
    QVERIFY(user.notices.isEmpty());
    QVERIFY(testing::ListLines(*dialog.log_list())
                .contains(QStringLiteral("ERROR！ QVファイルを開けません")));
  }

  // "終了" is the default button, so Enter in a field ends the window; a
  // run must not start, and the destination must not even be created.
  void EnterInAPathFieldClosesTheWindowWithoutARun() {
    QTemporaryDir directory;
    const QString source = directory.filePath(QStringLiteral("house.QV"));
    const QString destination = directory.filePath(QStringLiteral("house.CSV"));
    testing::WriteFileBytes(source, testing::OneStoreyHouseSource());
    for (const bool in_source_field : {true, false}) {
      testing::ScriptedUser user;
      ConverterDialog dialog(user.Seams());
      dialog.source_edit()->setText(source);
      dialog.destination_edit()->setText(destination);
      dialog.show();
      QVERIFY(QTest::qWaitForWindowExposed(&dialog));
      QLineEdit* field = in_source_field ? dialog.source_edit() : dialog.destination_edit();
      field->setFocus();
      QTest::keyClick(field, Qt::Key_Return);
      QVERIFY(!dialog.isVisible());
      QCOMPARE(dialog.result(), int(QDialog::Accepted));
      QCOMPARE(dialog.log_list()->count(), 0);
      QVERIFY(!QFile::exists(destination));
      QVERIFY(user.notices.isEmpty());
    }
  }

  void EscapeClosesTheWindow() {
    testing::ScriptedUser user;
    ConverterDialog dialog(user.Seams());
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QTest::keyClick(dialog.source_edit(), Qt::Key_Escape);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
  }

  void ContextMenuItemOpensTheAboutBox() {
    testing::ScriptedUser user;
    ConverterDialog dialog(user.Seams());
    QCOMPARE(dialog.contextMenuPolicy(), Qt::ActionsContextMenu);
    QVERIFY(dialog.actions().contains(dialog.about_action()));
    QCOMPARE(dialog.about_action()->text(), QStringLiteral("PELTARIX のﾊﾞｰｼﾞｮﾝ情報(&A)..."));

    QString title;
    QString version;
    QTimer::singleShot(0, [&] {
      for (QWidget* window : QApplication::topLevelWidgets()) {
        auto* about = qobject_cast<AboutDialog*>(window);
        if (about == nullptr || !about->isVisible()) continue;
        title = about->windowTitle();
        version = about->version_label()->text();
        about->ok_button()->click();
      }
    });
    dialog.about_action()->trigger();
    QCOMPARE(title, QStringLiteral("PELTARIXのﾊﾞｰｼﾞｮﾝ情報"));
    QCOMPARE(version, QStringLiteral("PELTARIX Version " PELTARIX_VERSION));
  }
};

}  // namespace peltarix

QTEST_MAIN(peltarix::ConverterDialogTest)
#include "converter_dialog_test.moc"
