#pragma once

#include <QDialog>
#include <array>
#include <memory>

#include "app/dialog_layout.h"
#include "app/dialog_settings.h"
#include "app/seams.h"
#include "conversion/data_kinds.h"
#include "preview/plan_model.h"

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
// the close button. It only gathers the run's inputs and hands them to the
// core; everything the run says goes to the log list. It remembers its
// folders, ticks, size and place between starts.
class ConverterDialog : public QDialog {
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

  // Stores the folders, ticks, size and place for the next start.
  void SaveSettings();

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
  void RestoreSettings();
  void ProposeDestination();
  // Keeps the folders of the paths of a run for the choosers of later starts.
  void RememberFolders(const QString& source, const QString& destination);

  DialogSeams seams_;
  DialogSettings settings_;
  std::unique_ptr<DialogLayout> layout_;
  // The CSV path last filled in from the source; while the field still holds
  // it (or nothing), a new source replaces it.
  QString proposed_destination_;
  // The source of the run the log shows, for the saved log's name.
  QString logged_source_;
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
  // The last successful run's picture, for the preview button.
  std::string preview_svg_;
  PlanModel preview_model_;
  QString preview_base_path_;
  LogListView* log_list_ = nullptr;
  QPushButton* close_button_ = nullptr;
  QAction* about_action_ = nullptr;
};

}  // namespace peltarix
