#include "app/converter_dialog.h"

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <string>
#include <utility>

#include "app/about_dialog.h"
#include "app/app_icon.h"
#include "app/log_list_view.h"
#include "conversion/transcript.h"
#include "preview/preview_file.h"
#include "preview_window/preview_window.h"
#include "run/run_context.h"

namespace peltarix {
namespace {

// Paths go to the core as the file system spells them.
std::string FileSystemPath(const QString& text) { return QFile::encodeName(text).toStdString(); }

}  // namespace

ConverterDialog::ConverterDialog(DialogSeams seams, QWidget* parent)
    : QDialog(parent), seams_(std::move(seams)) {
  setWindowTitle(QStringLiteral("PELTARIX"));
  // A caption only: no close, minimise or window-menu buttons. The window is
  // left with "終了" or Escape.
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  BuildControls();

  connect(browse_source_button_, &QPushButton::clicked, this, &ConverterDialog::OnBrowseSource);
  connect(browse_destination_button_, &QPushButton::clicked, this,
          &ConverterDialog::OnBrowseDestination);
  connect(execute_button_, &QPushButton::clicked, this, &ConverterDialog::OnExecute);
  connect(preview_button_, &QPushButton::clicked, this, &ConverterDialog::OnPreview);
  connect(close_button_, &QPushButton::clicked, this, &QDialog::accept);

  OnInitDialog();
}

void ConverterDialog::OnInitDialog() {
  // The About item. Qt gives no access to the title bar's window menu, so
  // it sits in the window's context menu.
  about_action_ = new QAction(QStringLiteral("PELTARIX のﾊﾞｰｼﾞｮﾝ情報(&A)..."), this);
  connect(about_action_, &QAction::triggered, this, &ConverterDialog::OnAbout);
  addAction(about_action_);
  setContextMenuPolicy(Qt::ActionsContextMenu);

  setWindowIcon(AppIcon());
  for (QCheckBox* box : kind_boxes_) box->setChecked(true);
  source_edit_->setFocus();
}

DataKindSet ConverterDialog::CheckedKinds() const {
  DataKindSet kinds = DataKindSet::None();
  for (std::size_t i = 0; i < kind_boxes_.size(); ++i) {
    kinds.Set(kDataKindRows[i].kind, kind_boxes_[i]->isChecked());
  }
  return kinds;
}

void ConverterDialog::OnBrowseSource() {
  const FileRequest request{QStringLiteral("変換元QVファイル指定"),
                            {QStringLiteral("QVﾌｧｲﾙ(*.QV)"), QStringLiteral("すべて(*.*)")},
                            true};
  if (const auto chosen = seams_.choose_file(this, request)) source_edit_->setText(*chosen);
}

void ConverterDialog::OnBrowseDestination() {
  const FileRequest request{QStringLiteral("変換先CSVファイル指定"),
                            {QStringLiteral("CSVﾌｧｲﾙ(*.CSV)"), QStringLiteral("すべて(*.*)")},
                            false};
  if (const auto chosen = seams_.choose_file(this, request)) {
    destination_edit_->setText(*chosen);
  }
}

void ConverterDialog::OnExecute() {
  const std::string source_path = FileSystemPath(source_edit_->text());
  const std::string destination_path = FileSystemPath(destination_edit_->text());
  if (const auto message = EmptyNameMessage(source_path, destination_path)) {
    // The only messages that bypass the log; the log keeps the last run.
    seams_.notice(this,
                  QString::fromUtf8(message->data(), static_cast<qsizetype>(message->size())));
    return;
  }
  // Runs here, on the window's thread: the window takes no input until the
  // run is over, and the log list paints each line as it comes.
  RunContext context(*log_list_);
  context.source_file_path = source_path;
  context.destination_file_path = destination_path;
  PerimeterBlocks blocks;
  context.perimeter_blocks = &blocks;
  preview_button_->setEnabled(false);
  if (RunWithTranscript(context, CheckedKinds()) != 0) return;
  preview_model_ = PlanOfRun(context, blocks);
  preview_svg_ = RenderRunPreview(context, blocks);
  // Saved pictures go beside the CSV file by default.
  const QString destination = destination_edit_->text();
  const qsizetype dot = destination.lastIndexOf(QLatin1Char('.'));
  preview_base_path_ =
      dot > destination.lastIndexOf(QLatin1Char('/')) ? destination.left(dot) : destination;
  preview_button_->setEnabled(true);
}

void ConverterDialog::OnPreview() {
  auto* window = new PreviewWindow(
      QByteArray(preview_svg_.data(), static_cast<qsizetype>(preview_svg_.size())), preview_model_,
      preview_base_path_, InteractiveSavePathChooser(), this);
  window->show();
}

void ConverterDialog::OnAbout() {
  AboutDialog about(this);
  about.exec();
}

}  // namespace peltarix
