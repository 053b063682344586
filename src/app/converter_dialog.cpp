#include "app/converter_dialog.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QUrl>
#include <algorithm>
#include <optional>
#include <string>
#include <utility>

#include "app/about_dialog.h"
#include "app/app_icon.h"
#include "app/dialog_font.h"
#include "app/file_names.h"
#include "app/log_list_view.h"
#include "conversion/file_heading.h"
#include "conversion/transcript.h"
#include "preview/preview_file.h"
#include "preview_window/preview_window.h"
#include "run/run_context.h"

namespace peltarix {
namespace {

// The window's template: its client size and each control's place, in
// dialog units. The controls are created in the template's order, which is
// also their tab order and stacking order: the check boxes come after their
// group box and so lie on top of its frame.
constexpr QSize kClientSize(303, 277);
constexpr TemplatePlace kSourceLabel{13, 21, 62, 15};
constexpr TemplatePlace kSourceEdit{82, 17, 170, 15};
constexpr TemplatePlace kBrowseSource{258, 17, 24, 15};
constexpr TemplatePlace kDestinationLabel{13, 41, 65, 9};
constexpr TemplatePlace kDestinationEdit{82, 37, 170, 15};
constexpr TemplatePlace kBrowseDestination{258, 38, 24, 15};
constexpr TemplatePlace kKindsGroup{11, 63, 230, 87};
constexpr TemplatePlace kPreview{244, 114, 52, 16};
constexpr TemplatePlace kExecute{244, 134, 52, 16};
constexpr TemplatePlace kLogList{11, 161, 285, 87};
constexpr TemplatePlace kClose{244, 254, 52, 16};

// The check boxes stand in columns of three inside the group box, in the
// run's order down each column.
TemplatePlace KindBoxPlace(int kind) {
  return {30 + 63 * (kind / 3), 82 + 17 * (kind % 3), 60, 11};
}

QString Utf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Paths go to the core as the file system spells them.
std::string FileSystemPath(const QString& text) { return QFile::encodeName(text).toStdString(); }

// A static text of the template: left-aligned from the top, wrapping at the
// control's edge.
QLabel* StaticText(const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setTextFormat(Qt::PlainText);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label->setWordWrap(true);
  return label;
}

// The folder a chooser starts in: that of the path in the field when there
// is one, else the one remembered.
QString StartFolder(const QString& field_text, const QString& remembered) {
  if (!field_text.trimmed().isEmpty()) {
    const QFileInfo folder(QFileInfo(field_text).absolutePath());
    if (folder.isDir()) return folder.absoluteFilePath();
  }
  return remembered;
}

// The one local .QV file of a drag, if that is what it carries.
std::optional<QString> DraggedQvFile(const QMimeData* data) {
  if (data == nullptr || !data->hasUrls() || data->urls().size() != 1) return std::nullopt;
  const QUrl& url = data->urls().front();
  if (!url.isLocalFile() || !IsQvFileName(url.toLocalFile())) return std::nullopt;
  return url.toLocalFile();
}

// The run clears the log as it starts; the line naming the two files is put
// back at once, so that the transcript on screen and in a saved log opens
// with it, as the command line's does.
class HeadedLogView final : public LogView {
 public:
  HeadedLogView(LogView& list, std::string heading) : list_(list), heading_(std::move(heading)) {}

  void AppendLine(const std::string& line) override { list_.AppendLine(line); }
  void ShowNow() override { list_.ShowNow(); }
  void Clear() override {
    list_.Clear();
    list_.AppendLine(heading_);
  }

 private:
  LogView& list_;
  std::string heading_;
};

}  // namespace

ConverterDialog::ConverterDialog(DialogSeams seams, QWidget* parent)
    : QDialog(parent), seams_(std::move(seams)) {
  setWindowTitle(QStringLiteral("PELTARIX"));
  // A caption only: no close, minimise or window-menu buttons (a maximise
  // button would bring the window menu and its close item with it). The
  // window is left with "終了" or Escape; it is resized at its edges.
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  setAcceptDrops(true);
  BuildControls();

  connect(source_edit_, &QLineEdit::textChanged, this, &ConverterDialog::ProposeDestination);
  connect(browse_source_button_, &QPushButton::clicked, this, &ConverterDialog::OnBrowseSource);
  connect(browse_destination_button_, &QPushButton::clicked, this,
          &ConverterDialog::OnBrowseDestination);
  connect(execute_button_, &QPushButton::clicked, this, &ConverterDialog::OnExecute);
  connect(preview_button_, &QPushButton::clicked, this, &ConverterDialog::OnPreview);
  connect(log_list_->save_action(), &QAction::triggered, this, &ConverterDialog::OnSaveLog);
  connect(close_button_, &QPushButton::clicked, this, &QDialog::accept);

  OnInitDialog();
  RestoreSettings();
}

void ConverterDialog::BuildControls() {
  setFont(DialogFont());
  layout_ = std::make_unique<DialogLayout>(DialogUnits(font()), kClientSize);
  auto place = [this](QWidget* control, TemplatePlace at, unsigned follow) {
    layout_->Add(control, at, follow);
    return control;
  };

  source_label_ = StaticText(QStringLiteral("変換元QVファイル名"), this);
  place(source_label_, kSourceLabel, kFixed);
  source_edit_ = new QLineEdit(this);
  place(source_edit_, kSourceEdit, kWiden);
  browse_source_button_ = new QPushButton(QStringLiteral("参照"), this);
  place(browse_source_button_, kBrowseSource, kMoveRight);

  destination_label_ = StaticText(QStringLiteral("出力先CSVファイル名"), this);
  place(destination_label_, kDestinationLabel, kFixed);
  destination_edit_ = new QLineEdit(this);
  place(destination_edit_, kDestinationEdit, kWiden);
  browse_destination_button_ = new QPushButton(QStringLiteral("参照"), this);
  place(browse_destination_button_, kBrowseDestination, kMoveRight);
  // A file dropped on a field fills the source like one dropped anywhere
  // else, instead of pasting its address into the field.
  source_edit_->setAcceptDrops(false);
  destination_edit_->setAcceptDrops(false);

  kinds_group_ = new QGroupBox(QStringLiteral("コンバート対象データ"), this);
  place(kinds_group_, kKindsGroup, kFixed);
  for (std::size_t kind = 0; kind < kind_boxes_.size(); ++kind) {
    auto* box = new QCheckBox(Utf8(kDataKindRows[kind].caption), this);
    place(box, KindBoxPlace(static_cast<int>(kind)), kFixed);
    kind_boxes_[kind] = box;
  }

  preview_button_ = new QPushButton(QStringLiteral("プレビュー"), this);
  place(preview_button_, kPreview, kMoveRight);
  preview_button_->setEnabled(false);
  execute_button_ = new QPushButton(QStringLiteral("実行"), this);
  place(execute_button_, kExecute, kMoveRight);
  log_list_ = new LogListView(this);
  place(log_list_, kLogList, kWiden | kHeighten);
  close_button_ = new QPushButton(QStringLiteral("終了"), this);
  place(close_button_, kClose, kMoveRight | kMoveDown);
  // The default button: Enter in a field closes the window, it starts no run.
  close_button_->setDefault(true);

  setMinimumSize(layout_->TemplateSize());
  resize(layout_->TemplateSize());
  layout_->Apply(size());
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

void ConverterDialog::RestoreSettings() {
  settings_ = LoadDialogSettings();
  for (std::size_t kind = 0; kind < kind_boxes_.size(); ++kind) {
    const auto tick = settings_.ticks.constFind(Utf8(kDataKindRows[kind].word));
    if (tick != settings_.ticks.cend()) kind_boxes_[kind]->setChecked(*tick);
  }
  if (!settings_.geometry.isEmpty()) restoreGeometry(settings_.geometry);
}

void ConverterDialog::SaveSettings() {
  for (std::size_t kind = 0; kind < kind_boxes_.size(); ++kind) {
    settings_.ticks[Utf8(kDataKindRows[kind].word)] = kind_boxes_[kind]->isChecked();
  }
  settings_.geometry = saveGeometry();
  SaveDialogSettings(settings_);
}

void ConverterDialog::done(int result) {
  SaveSettings();
  QDialog::done(result);
}

DataKindSet ConverterDialog::CheckedKinds() const {
  DataKindSet kinds = DataKindSet::None();
  for (std::size_t i = 0; i < kind_boxes_.size(); ++i) {
    kinds.Set(kDataKindRows[i].kind, kind_boxes_[i]->isChecked());
  }
  return kinds;
}

void ConverterDialog::SetSourcePath(const QString& path) { source_edit_->setText(path); }

void ConverterDialog::ProposeDestination() {
  const QString current = destination_edit_->text();
  // A path the user typed or chose stays until they empty the field.
  if (!current.isEmpty() && current != proposed_destination_) return;
  proposed_destination_ = ProposedCsvPath(source_edit_->text());
  destination_edit_->setText(proposed_destination_);
}

void ConverterDialog::OnBrowseSource() {
  const FileRequest request{
      .title = QStringLiteral("変換元QVファイル指定"),
      .filters = {QStringLiteral("QVﾌｧｲﾙ(*.QV)"), QStringLiteral("すべて(*.*)")},
      .must_exist = true,
      .directory = StartFolder(source_edit_->text(), settings_.source_folder),
      .proposed_name = {},
      .default_suffix = {}};
  if (const auto chosen = seams_.choose_file(this, request)) {
    settings_.source_folder = QFileInfo(*chosen).absolutePath();
    SetSourcePath(*chosen);
  }
}

void ConverterDialog::OnBrowseDestination() {
  // A save dialog: a new name may be typed, ".csv" is added to a name
  // without an extension, and an existing file is replaced only when the
  // user confirms.
  const FileRequest request{
      .title = QStringLiteral("変換先CSVファイル指定"),
      .filters = {QStringLiteral("CSVﾌｧｲﾙ(*.CSV)"), QStringLiteral("すべて(*.*)")},
      .must_exist = false,
      .directory = StartFolder(destination_edit_->text(), settings_.destination_folder),
      .proposed_name = QFileInfo(destination_edit_->text()).fileName(),
      .default_suffix = QStringLiteral("csv")};
  if (const auto chosen = seams_.choose_file(this, request)) {
    settings_.destination_folder = QFileInfo(*chosen).absolutePath();
    destination_edit_->setText(*chosen);
  }
}

void ConverterDialog::OnExecute() {
  const QString source_text = source_edit_->text();
  const QString destination_text = destination_edit_->text();
  const std::string source_path = FileSystemPath(source_text);
  const std::string destination_path = FileSystemPath(destination_text);
  if (const auto message = EmptyNameMessage(source_path, destination_path)) {
    // The only messages that bypass the log; the log keeps the last run.
    seams_.notice(this, Utf8(*message), NoticeIcon::kWarning);
    return;
  }
  logged_source_ = source_text;
  RememberFolders(source_text, destination_text);
  // Runs here, on the window's thread: the window takes no input until the
  // run is over, and the log list paints each line as it comes.
  HeadedLogView log(*log_list_,
                    FileHeadingLine(source_text.toStdString(), destination_text.toStdString()));
  RunContext context(log);
  context.source_file_path = source_path;
  context.destination_file_path = destination_path;
  PerimeterBlocks blocks;
  context.perimeter_blocks = &blocks;
  preview_button_->setEnabled(false);
  if (RunWithTranscript(context, CheckedKinds()) != 0) return;
  preview_model_ = PlanOfRun(context, blocks);
  preview_svg_ = RenderRunPreview(context, blocks);
  // Saved pictures go beside the CSV file by default.
  const QFileInfo destination(destination_text);
  preview_base_path_ = destination.dir().filePath(destination.completeBaseName());
  preview_button_->setEnabled(true);
}

void ConverterDialog::OnPreview() {
  auto* window = new PreviewWindow(
      QByteArray(preview_svg_.data(), static_cast<qsizetype>(preview_svg_.size())), preview_model_,
      preview_base_path_, InteractiveSavePathChooser(), this);
  window->show();
}

void ConverterDialog::RememberFolders(const QString& source, const QString& destination) {
  // Only folders that exist: a mistyped path must not send the next
  // chooser somewhere that is not there.
  const QFileInfo source_folder(QFileInfo(source).absolutePath());
  if (source_folder.isDir()) settings_.source_folder = source_folder.absoluteFilePath();
  const QFileInfo destination_folder(QFileInfo(destination).absolutePath());
  if (destination_folder.isDir()) {
    settings_.destination_folder = destination_folder.absoluteFilePath();
  }
}

void ConverterDialog::OnSaveLog() {
  const QString source = logged_source_.isEmpty() ? source_edit_->text() : logged_source_;
  const FileRequest request{
      .title = QStringLiteral("ログを保存"),
      .filters = {QStringLiteral("テキストﾌｧｲﾙ(*.txt)"), QStringLiteral("すべて(*.*)")},
      .must_exist = false,
      .directory = StartFolder(source, settings_.destination_folder),
      .proposed_name = LogFileName(source),
      .default_suffix = QStringLiteral("txt")};
  const auto chosen = seams_.choose_file(this, request);
  if (!chosen) return;
  QString reason;
  if (!log_list_->SaveTo(*chosen, reason)) {
    seams_.notice(this, QStringLiteral("ログを保存できません：%1\n%2").arg(*chosen, reason),
                  NoticeIcon::kCritical);
  }
}

void ConverterDialog::OnAbout() {
  AboutDialog about(this);
  about.exec();
}

void ConverterDialog::FitInto(const QRect& available) {
  // The frame's margins are known once the window manager has framed the
  // window; before that, allow for a title bar.
  const QRect outer = frameGeometry();
  const QRect inner = geometry();
  QMargins frame(inner.left() - outer.left(), inner.top() - outer.top(),
                 outer.right() - inner.right(), outer.bottom() - inner.bottom());
  if (frame.isNull()) {
    frame.setTop(style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, this));
  }
  const QSize room = available.size().shrunkBy(frame);
  setMinimumSize(layout_->MinimumSize(room));
  resize(size().boundedTo(room).expandedTo(minimumSize()));
  // A hidden window gets its resize event only when shown.
  layout_->Apply(size());
  const QSize outer_size = size().grownBy(frame);
  const int x = std::clamp(pos().x(), available.left(),
                           std::max(available.left(), available.right() + 1 - outer_size.width()));
  const int y = std::clamp(pos().y(), available.top(),
                           std::max(available.top(), available.bottom() + 1 - outer_size.height()));
  if (QPoint(x, y) != pos()) move(x, y);
}

void ConverterDialog::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  layout_->Apply(size());
}

void ConverterDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!fitted_to_screen_ && screen() != nullptr) {
    fitted_to_screen_ = true;
    FitInto(screen()->availableGeometry());
  }
}

void ConverterDialog::dragEnterEvent(QDragEnterEvent* event) {
  // Anything but one .QV file is refused, which the cursor shows.
  if (DraggedQvFile(event->mimeData())) {
    event->acceptProposedAction();
  } else {
    event->ignore();
  }
}

void ConverterDialog::dragMoveEvent(QDragMoveEvent* event) {
  if (DraggedQvFile(event->mimeData())) {
    event->acceptProposedAction();
  } else {
    event->ignore();
  }
}

void ConverterDialog::dropEvent(QDropEvent* event) {
  const auto file = DraggedQvFile(event->mimeData());
  if (!file) {
    event->ignore();
    return;
  }
  event->acceptProposedAction();
  SetSourcePath(QDir::toNativeSeparators(*file));
  activateWindow();
}

}  // namespace peltarix
