#include "app/seams.h"

#include <QFileDialog>
#include <QMessageBox>

namespace peltarix {
namespace {

void ShowNotice(QWidget* parent, const QString& text) {
  QMessageBox box(QMessageBox::NoIcon, QStringLiteral("PELTARIX"), text, QMessageBox::Ok, parent);
  box.setTextFormat(Qt::PlainText);
  box.exec();
}

std::optional<QString> ChooseFile(QWidget* parent, const FileRequest& request) {
  QFileDialog dialog(parent, request.title);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(request.must_exist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
  if (!request.must_exist) dialog.setOption(QFileDialog::DontConfirmOverwrite);
  dialog.setNameFilters(request.filters);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  const QStringList chosen = dialog.selectedFiles();
  if (chosen.isEmpty()) return std::nullopt;
  return chosen.front();
}

}  // namespace

DialogSeams InteractiveSeams() { return {ShowNotice, ChooseFile}; }

}  // namespace peltarix
