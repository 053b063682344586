#include "app/converter_dialog.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QStyle>
#include <QUrl>
#include <algorithm>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/about_dialog.h"
#include "app/app_icon.h"
#include "app/dialog_font.h"
#include "app/log_list_view.h"
#include "preview_window/preview_window.h"

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

// A static text of the template: left-aligned from the top, wrapping at the
// control's edge.
QLabel* StaticText(const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setTextFormat(Qt::PlainText);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label->setWordWrap(true);
  return label;
}

// The local files of a drag, as the model takes them.
std::vector<std::string> DraggedFiles(const QMimeData* data) {
  std::vector<std::string> files;
  if (data == nullptr || !data->hasUrls()) return files;
  for (const QUrl& url : data->urls()) {
    // Anything that is not a local file makes the drop one to refuse.
    files.push_back(url.isLocalFile() ? QDir::toNativeSeparators(url.toLocalFile()).toStdString()
                                      : std::string());
  }
  return files;
}

QString Text(const std::string& utf8) { return QString::fromStdString(utf8); }

}  // namespace

ConverterDialog::ConverterDialog(DialogSeams seams, QWidget* parent)
    : QDialog(parent), seams_(std::move(seams)), model_(*this, settings_store_) {
  setWindowTitle(QStringLiteral("PELTARIX"));
  // A caption only: no close, minimise or window-menu buttons (a maximise
  // button would bring the window menu and its close item with it). The
  // window is left with "終了" or Escape; it is resized at its edges.
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  setAcceptDrops(true);
  BuildControls();
  OnInitDialog();
  model_.set_preview_wanted(true);
  const std::string placement = model_.Start();
  if (!placement.empty()) restoreGeometry(QByteArray::fromStdString(placement));
  ConnectControls();
}

void ConverterDialog::ConnectControls() {
  connect(source_edit_, &QLineEdit::textChanged, this,
          [this](const QString& text) { model_.EditSourcePath(text.toStdString()); });
  connect(destination_edit_, &QLineEdit::textChanged, this,
          [this](const QString& text) { model_.EditDestinationPath(text.toStdString()); });
  for (std::size_t kind = 0; kind < kind_boxes_.size(); ++kind) {
    connect(kind_boxes_[kind], &QCheckBox::toggled, this,
            [this, kind](bool ticked) { model_.SetTicked(kDataKindRows[kind].kind, ticked); });
  }
  connect(browse_source_button_, &QPushButton::clicked, this, &ConverterDialog::OnBrowseSource);
  connect(browse_destination_button_, &QPushButton::clicked, this,
          &ConverterDialog::OnBrowseDestination);
  connect(execute_button_, &QPushButton::clicked, this, &ConverterDialog::OnExecute);
  connect(preview_button_, &QPushButton::clicked, this, &ConverterDialog::OnPreview);
  connect(log_list_->copy_action(), &QAction::triggered, this, &ConverterDialog::OnCopyLog);
  connect(log_list_->save_action(), &QAction::triggered, this, &ConverterDialog::OnSaveLog);
  connect(close_button_, &QPushButton::clicked, this, &QDialog::accept);
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
  source_edit_->setFocus();
}

void ConverterDialog::done(int result) {
  model_.Close(saveGeometry().toStdString());
  QDialog::done(result);
}

DataKindSet ConverterDialog::CheckedKinds() const { return model_.ticked_kinds(); }

void ConverterDialog::SetSourcePath(const QString& path) {
  model_.EditSourcePath(path.toStdString());
}

void ConverterDialog::OpenSource(const QString& path) { model_.OpenSource(path.toStdString()); }

void ConverterDialog::OnBrowseSource() { model_.BrowseSource(); }

void ConverterDialog::OnBrowseDestination() { model_.BrowseDestination(); }

void ConverterDialog::OnExecute() { model_.Execute(); }

void ConverterDialog::OnPreview() {
  const std::optional<RunPreview>& preview = model_.preview();
  if (!preview) return;
  auto* window = new PreviewWindow(QByteArray::fromStdString(preview->svg), preview->model,
                                   Text(preview->base_path), InteractiveSavePathChooser(), this);
  window->show();
}

void ConverterDialog::OnCopyLog() {
  QApplication::clipboard()->setText(Text(model_.CopyText(log_list_->SelectedRows())));
}

void ConverterDialog::OnSaveLog() { model_.SaveLog(); }

void ConverterDialog::OnAbout() {
  AboutDialog about(this);
  about.exec();
}

void ConverterDialog::ShowSourcePath(const std::string& path) {
  const QSignalBlocker quiet(source_edit_);
  source_edit_->setText(Text(path));
}

void ConverterDialog::ShowDestinationPath(const std::string& path) {
  const QSignalBlocker quiet(destination_edit_);
  destination_edit_->setText(Text(path));
}

void ConverterDialog::ShowTicks(const DataKindSet& kinds) {
  for (std::size_t kind = 0; kind < kind_boxes_.size(); ++kind) {
    kind_boxes_[kind]->setChecked(kinds.Contains(kDataKindRows[kind].kind));
  }
}

void ConverterDialog::ShowPreviewReady(bool ready) { preview_button_->setEnabled(ready); }

void ConverterDialog::AppendLogLine(const LogLine& line) { log_list_->AppendLogLine(line); }

void ConverterDialog::ShowLogNow() { log_list_->ShowNow(); }

void ConverterDialog::ClearLog() { log_list_->Clear(); }

void ConverterDialog::Notice(const std::string& text, NoticeIcon icon) {
  seams_.notice(this, Text(text), icon);
}

std::optional<std::string> ConverterDialog::ChooseFile(const FileRequest& request) {
  const std::optional<QString> chosen = seams_.choose_file(this, request);
  if (!chosen) return std::nullopt;
  return QDir::toNativeSeparators(*chosen).toStdString();
}

bool ConverterDialog::AskYesNo(const std::string& question) {
  return seams_.ask_yes_no(this, Text(question));
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
  if (model_.AcceptsDrop(DraggedFiles(event->mimeData()))) {
    event->acceptProposedAction();
  } else {
    event->ignore();
  }
}

void ConverterDialog::dragMoveEvent(QDragMoveEvent* event) {
  if (model_.AcceptsDrop(DraggedFiles(event->mimeData()))) {
    event->acceptProposedAction();
  } else {
    event->ignore();
  }
}

void ConverterDialog::dropEvent(QDropEvent* event) {
  if (!model_.Drop(DraggedFiles(event->mimeData()))) {
    event->ignore();
    return;
  }
  event->acceptProposedAction();
  activateWindow();
}

}  // namespace peltarix
