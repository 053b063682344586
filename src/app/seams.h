#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class QWidget;

namespace peltarix {

// How the file chooser behaves; the browse buttons and the log's save item
// differ in these.
struct FileRequest {
  QString title;
  // Each entry is a description with its patterns in parentheses.
  QStringList filters;
  // An open dialog for a file that exists, or a save dialog that takes a new
  // name, adds `default_suffix` to a name typed without an extension and
  // asks before an existing file is replaced.
  bool must_exist = true;
  // The folder the chooser opens in; empty for the chooser's own choice.
  QString directory;
  // The name proposed in a save dialog.
  QString proposed_name;
  QString default_suffix;
};

// The standard icon a notice carries, after what it says.
enum class NoticeIcon { kInformation, kWarning, kCritical };

// The window's blocking exchanges with the user, kept behind functions so
// that tests can answer them without a person.
struct DialogSeams {
  // Shows `text` with the caption "PELTARIX", the icon and an OK button, and
  // waits.
  std::function<void(QWidget* parent, const QString& text, NoticeIcon icon)> notice;
  // Asks for one file; the chosen full path, or nothing when cancelled.
  std::function<std::optional<QString>(QWidget* parent, const FileRequest& request)> choose_file;
};

// The seams that talk to a person: a message box and a file dialog.
DialogSeams InteractiveSeams();

}  // namespace peltarix
