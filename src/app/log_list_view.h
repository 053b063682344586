#pragma once

#include <QListWidget>
#include <cstddef>
#include <vector>

#include "window_model/window_log.h"

class QAction;

namespace peltarix {

// The progress log's list in the main window. Lines stay in the order they
// came; each new line is scrolled into view unless the reader has scrolled
// away from the end. Errors and warnings carry the standard icons and a
// colour that suits the palette. Lines can be selected; copying and saving
// are the model's, behind the two actions.
class LogListView : public QListWidget {
 public:
  explicit LogListView(QWidget* parent = nullptr);

  void AppendLogLine(const LogLine& line);
  // Paints the list now, without going back to the event loop: the run
  // holds the window's thread, and the user must see each line as it comes.
  void ShowNow();
  void Clear();

  // The rows of the selected lines, in any order.
  std::vector<std::size_t> SelectedRows() const;

  // "コピー(&C)" (Ctrl+C) and "ログを保存…": the owner connects them.
  QAction* copy_action() const { return copy_action_; }
  QAction* save_action() const { return save_action_; }

 protected:
  void changeEvent(QEvent* event) override;

 private:
  void BuildActions();
  void StyleItem(QListWidgetItem& item, LineSeverity severity) const;
  void LoadIcons();

  QAction* copy_action_ = nullptr;
  QAction* save_action_ = nullptr;
  // Shared by every line of their kind; the blank one keeps plain lines'
  // text in the same column as marked ones.
  QIcon blank_icon_;
  QIcon error_icon_;
  QIcon warning_icon_;
  // Whether the view keeps to the last line: true until the reader scrolls
  // away from the end, true again once they scroll back to it.
  bool follow_end_ = true;
};

}  // namespace peltarix
