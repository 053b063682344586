#pragma once

#include <QDialog>
#include <array>
#include <memory>

#include "app/dialog_layout.h"
#include "app/qt_settings_store.h"
#include "app/seams.h"
#include "conversion/data_kinds.h"
#include "window_model/converter_window_model.h"
#include "window_model/window_view.h"

class QAction;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace peltarix {

class LogListView;

// The converter's one window: the source and destination fields with their
// browse buttons, a check box per data kind, the execute button, the progress log and
// the close button. A view over ConverterWindowModel, which holds what the
// window does: this class places the controls, forwards what the user does
// and shows what the model tells it.
class ConverterDialog : public QDialog, private WindowView {
  Q_OBJECT

 public:
  explicit ConverterDialog(DialogSeams seams = InteractiveSeams(), QWidget* parent = nullptr);

  // One check box per data kind, in the run's order.
  static constexpr int kKindCount = static_cast<int>(kDataKindCount);

  QLineEdit* source_edit() const { return source_edit_; }
  QLineEdit* destination_edit() const { return destination_edit_; }
  QPushButton* browse_source_button() const { return browse_source_button_; }
  QPushButton* browse_destination_button() const { return browse_destination_button_; }
  QGroupBox* kinds_group() const { return kinds_group_; }
  QCheckBox* kind_box(int index) const { return kind_boxes_.at(static_cast<std::size_t>(index)); }
  QPushButton* execute_button() const { return execute_button_; }
  QPushButton* preview_button() const { return preview_button_; }
  LogListView* log_list() const { return log_list_; }
  QPushButton* close_button() const { return close_button_; }
  QAction* about_action() const { return about_action_; }

  // The ticked data kinds as the run takes them.
  DataKindSet CheckedKinds() const;

  // Fills the source field, as choosing the file would (a file named on the
  // command line, a dropped file).
  void SetSourcePath(const QString& path);
  // A source named on the command line: the field gets its full path, so
  // that the log and a saved log say which file it was.
  void OpenSource(const QString& path);

  // Shrinks and moves the window so that its frame lies inside `available`,
  // a screen's area without task bars; never below the smallest usable size.
  void FitInto(const QRect& available);

  // The handlers behind the buttons and the About item.
  void OnBrowseSource();
  void OnBrowseDestination();
  void OnExecute();
  // Opens the plan picture of the last successful run in its own window.
  void OnPreview();
  void OnSaveLog();
  void OnAbout();

  const ConverterWindowModel& model() const { return model_; }

  // Closing the window in any way stores the settings.
  void done(int result) override;

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void BuildControls();
  void OnInitDialog();
  void ConnectControls();
  void OnCopyLog();

  // WindowView: what the model shows and asks.
  void ShowSourcePath(const std::string& path) override;
  void ShowDestinationPath(const std::string& path) override;
  void ShowTicks(const DataKindSet& kinds) override;
  void ShowPreviewReady(bool ready) override;
  void AppendLogLine(const LogLine& line) override;
  void ShowLogNow() override;
  void ClearLog() override;
  void Notice(const std::string& text, NoticeIcon icon) override;
  std::optional<std::string> ChooseFile(const FileRequest& request) override;
  bool AskYesNo(const std::string& question) override;

  DialogSeams seams_;
  QtSettingsStore settings_store_;
  ConverterWindowModel model_;
  std::unique_ptr<DialogLayout> layout_;
  bool fitted_to_screen_ = false;

  QLabel* source_label_ = nullptr;
  QLineEdit* source_edit_ = nullptr;
  QPushButton* browse_source_button_ = nullptr;
  QLabel* destination_label_ = nullptr;
  QLineEdit* destination_edit_ = nullptr;
  QPushButton* browse_destination_button_ = nullptr;
  QGroupBox* kinds_group_ = nullptr;
  std::array<QCheckBox*, kKindCount> kind_boxes_{};
  QPushButton* execute_button_ = nullptr;
  QPushButton* preview_button_ = nullptr;
  LogListView* log_list_ = nullptr;
  QPushButton* close_button_ = nullptr;
  QAction* about_action_ = nullptr;
};

}  // namespace peltarix
