#pragma once

#include <optional>
#include <string>
#include <vector>

#include "conversion/data_kinds.h"
#include "window_model/window_log.h"

namespace peltarix {

// One entry of a file chooser's type list: what the user reads
// ("QVﾌｧｲﾙ(*.QV)") and the pattern it lists ("*.QV").
struct FileFilter {
  std::string caption;
  std::string pattern;
};

// What a file chooser asks for; the browse buttons and the log's save item
// differ in these.
struct FileRequest {
  std::string title;
  std::vector<FileFilter> filters;
  // An open dialog for a file that exists, or a save dialog that takes a new
  // name, adds `default_suffix` to a name typed without an extension and
  // asks before an existing file is replaced.
  bool must_exist = true;
  // The folder the chooser opens in; empty for the chooser's own choice.
  std::string directory;
  // The name proposed in a save dialog.
  std::string proposed_name;
  std::string default_suffix;
};

// The standard icon a notice carries, after what it says.
enum class NoticeIcon { kInformation, kWarning, kCritical };

// What a window toolkit does for the converter window's model: show what
// the model holds, and the blocking exchanges with the user. Texts and
// paths are UTF-8. The Qt window, the Win32 window and the tests each
// implement it.
class WindowView {
 public:
  virtual ~WindowView() = default;

  virtual void ShowSourcePath(const std::string& path) = 0;
  virtual void ShowDestinationPath(const std::string& path) = 0;
  virtual void ShowTicks(const DataKindSet& kinds) = 0;
  // Whether the last run left a plan picture to open.
  virtual void ShowPreviewReady(bool ready) = 0;

  virtual void AppendLogLine(const LogLine& line) = 0;
  // Paints the log now: the run holds the window's thread, and the user
  // must see each line as it comes.
  virtual void ShowLogNow() = 0;
  virtual void ClearLog() = 0;

  // Shows `text` with the caption "PELTARIX", the icon and OK, and waits.
  virtual void Notice(const std::string& text, NoticeIcon icon) = 0;
  // The chosen full path, or nothing when cancelled.
  virtual std::optional<std::string> ChooseFile(const FileRequest& request) = 0;
  // Asks はい/いいえ with いいえ as the default answer; true for はい.
  virtual bool AskYesNo(const std::string& question) = 0;
};

}  // namespace peltarix
