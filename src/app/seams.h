#pragma once

#include <QString>
#include <functional>
#include <optional>

#include "window_model/window_view.h"

class QWidget;

namespace peltarix {

// The window's blocking exchanges with the user, kept behind functions so
// that tests can answer them without a person.
struct DialogSeams {
  // Shows `text` with the caption "PELTARIX", the icon and an OK button, and
  // waits.
  std::function<void(QWidget* parent, const QString& text, NoticeIcon icon)> notice;
  // Asks for one file; the chosen full path, or nothing when cancelled.
  std::function<std::optional<QString>(QWidget* parent, const FileRequest& request)> choose_file;
  // Asks はい/いいえ with いいえ as the default; true for はい.
  std::function<bool(QWidget* parent, const QString& question)> ask_yes_no;
};

// The seams that talk to a person: message boxes and a file dialog.
DialogSeams InteractiveSeams();

}  // namespace peltarix
