#pragma once

#include <QListWidget>
#include <string>

#include "run/progress_log.h"

class QAction;

namespace peltarix {

// The progress log's list in the main window. Lines stay in the order they
// came; each new line is scrolled into view unless the reader has scrolled
// away from the end. Errors and warnings carry the standard icons and a
// colour that suits the palette. Lines can be selected, copied and saved.
class LogListView : public QListWidget, public LogView {
 public:
  explicit LogListView(QWidget* parent = nullptr);

  void AppendLine(const std::string& line) override;
  // Paints the list now, without going back to the event loop: the run
  // holds the window's thread, and the user must see each line as it comes.
  void ShowNow() override;
  void Clear() override;

  // The lines as shown, oldest first.
  QStringList Lines() const;

  // The selected lines in list order, or every line when none is selected,
  // one per line.
  QString SelectedText() const;
  // Puts SelectedText() on the clipboard.
  void CopySelection() const;

  // Writes every line as UTF-8, each ending in CR LF, replacing `path` only
  // once everything is written. On failure returns false and the reason.
  bool SaveTo(const QString& path, QString& reason) const;

  QAction* copy_action() const { return copy_action_; }
  // "ログを保存…": the owner asks where and calls SaveTo.
  QAction* save_action() const { return save_action_; }

 protected:
  void changeEvent(QEvent* event) override;

 private:
  void BuildActions();
  void StyleItem(QListWidgetItem& item) const;
  void LoadIcons();

  QAction* copy_action_ = nullptr;
  QAction* select_all_action_ = nullptr;
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
