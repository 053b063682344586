#include "app/seams.h"

#include <QFileDialog>
#include <QFileSystemModel>
#include <QMessageBox>
#include <QPushButton>
#include <QStringList>

namespace peltarix {
namespace {

QMessageBox::Icon BoxIcon(NoticeIcon icon) {
  switch (icon) {
    case NoticeIcon::kWarning:
      return QMessageBox::Warning;
    case NoticeIcon::kCritical:
      return QMessageBox::Critical;
    case NoticeIcon::kInformation:
      break;
  }
  return QMessageBox::Information;
}

void ShowNotice(QWidget* parent, const QString& text, NoticeIcon icon) {
  QMessageBox box(BoxIcon(icon), QStringLiteral("PELTARIX"), text, QMessageBox::Ok, parent);
  box.setTextFormat(Qt::PlainText);
  box.exec();
}

// A filter whose only pattern is "*.*" means every file, as it does on the
// platform the filter texts come from. Qt's own dialog would match the
// pattern literally and hide names without a dot, so while such a filter is
// selected its file list is given "*" instead. Native dialogs have no such
// model and match "*.*" as every file themselves.
void ShowEveryFileForStarDotStar(QFileDialog& dialog) {
  QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                   [&dialog](const QString& filter) {
                     if (!filter.endsWith(QStringLiteral("(*.*)"))) return;
                     if (auto* model = dialog.findChild<QFileSystemModel*>()) {
                       model->setNameFilters({QStringLiteral("*")});
                     }
                   });
}

bool AskYesNo(QWidget* parent, const QString& question) {
  QMessageBox box(QMessageBox::Question, QStringLiteral("PELTARIX"), question,
                  QMessageBox::Yes | QMessageBox::No, parent);
  box.setTextFormat(Qt::PlainText);
  // Enter without thinking keeps the file.
  box.setDefaultButton(QMessageBox::No);
  box.setEscapeButton(QMessageBox::No);
  // Qt's own texts when its translations are missing.
  box.button(QMessageBox::Yes)->setText(QStringLiteral("はい(&Y)"));
  box.button(QMessageBox::No)->setText(QStringLiteral("いいえ(&N)"));
  return box.exec() == QMessageBox::Yes;
}

QString Text(const std::string& utf8) { return QString::fromStdString(utf8); }

std::optional<QString> ChooseFile(QWidget* parent, const FileRequest& request) {
  QFileDialog dialog(parent, Text(request.title), Text(request.directory));
  QStringList filters;
  for (const FileFilter& filter : request.filters) filters.append(Text(filter.caption));
  dialog.setNameFilters(filters);
  if (request.must_exist) {
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
  } else {
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(Text(request.default_suffix));
    if (!request.proposed_name.empty()) dialog.selectFile(Text(request.proposed_name));
  }
  ShowEveryFileForStarDotStar(dialog);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  const QStringList chosen = dialog.selectedFiles();
  if (chosen.isEmpty()) return std::nullopt;
  return chosen.front();
}

}  // namespace

DialogSeams InteractiveSeams() { return {ShowNotice, ChooseFile, AskYesNo}; }

}  // namespace peltarix
