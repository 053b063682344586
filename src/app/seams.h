#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class QWidget;

namespace peltarix {

// How the file chooser behaves; the two browse buttons differ in these.
struct FileRequest {
  QString title;
  // Each entry is a description with its patterns in parentheses.
  QStringList filters;
  // The destination is asked for with an open dialog that still takes a name
  // that does not exist yet, adds no extension and asks nothing about
  // overwriting.
  bool must_exist = true;
};

// The window's two blocking exchanges with the user, kept behind functions
// so that tests can answer them without a person.
struct DialogSeams {
  // Shows `text` with the caption "PELTARIX" and an OK button, and waits.
  std::function<void(QWidget* parent, const QString& text)> notice;
  // Asks for one file; the chosen full path, or nothing when cancelled.
  std::function<std::optional<QString>(QWidget* parent, const FileRequest& request)> choose_file;
};

// The seams that talk to a person: a message box and a file dialog.
DialogSeams InteractiveSeams();

}  // namespace peltarix
