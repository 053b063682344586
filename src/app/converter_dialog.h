#pragma once

#include <QDialog>
#include <array>

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
// browse buttons, the six data kinds, the execute button, the progress log
// and the close button. It only gathers the run's inputs and hands them to
// the core; everything the run says goes to the log list.
class ConverterDialog : public QDialog {
  Q_OBJECT

 public:
  explicit ConverterDialog(DialogSeams seams = InteractiveSeams(), QWidget* parent = nullptr);

  // The data kinds in the order the run converts them: basic information,
  // building outline, columns, perimeter, rooms, roofs.
  static constexpr int kKindCount = 6;

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

  // The handlers behind the buttons and the About item.
  void OnBrowseSource();
  void OnBrowseDestination();
  void OnExecute();
  // Opens the plan picture of the last successful run in its own window.
  void OnPreview();
  void OnAbout();

 private:
  void BuildControls();
  void OnInitDialog();

  DialogSeams seams_;

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

  // The last successful run's picture, for the preview button.
  std::string preview_svg_;
  PlanModel preview_model_;
  QString preview_base_path_;
};

}  // namespace peltarix
