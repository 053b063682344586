#pragma once

#include <QListWidget>
#include <string>

#include "run/progress_log.h"

namespace peltarix {

// The progress log's list in the main window. Lines stay in the order they
// came, the vertical scroll bar is always there (greyed while everything
// fits), and a new line is neither selected nor scrolled to: the reader
// scrolls when they want to.
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
};

}  // namespace peltarix
