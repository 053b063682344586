#pragma once

#include <string>
#include <string_view>

namespace peltarix {

// Where the progress log's lines go: the window's list, the terminal, or a
// test's vector. Lines are UTF-8.
class LogView {
 public:
  virtual ~LogView() = default;
  // Takes the line: a run may log thousands, each built once.
  virtual void AppendLine(std::string line) = 0;
  // Makes the lines appended so far visible at once: a run blocks the
  // window's thread, so a view that waits for its event loop shows nothing.
  virtual void ShowNow() = 0;
  virtual void Clear() = 0;
};

// kDetail follows a failure with the file and the reason ("詳細：..."): shown
// as it is and counted neither as an error nor as a warning.
enum Severity : int { kInformation = 0, kError = 1, kWarning = 2, kDetail = 3 };

inline constexpr std::string_view kErrorPrefix = "ERROR！ ";
inline constexpr std::string_view kWarningPrefix = "WARNING！ ";

// The run's only reporting channel: prefixes errors and warnings, counts
// them and hands every line to the view at once.
class ProgressLog {
 public:
  explicit ProgressLog(LogView& view) : view_(view) {}

  void LogMessage(Severity severity, std::string_view text);

  void Clear() { view_.Clear(); }
  void ResetCounts() {
    error_count_ = 0;
    warning_count_ = 0;
  }
  int error_count() const { return error_count_; }
  int warning_count() const { return warning_count_; }

 private:
  LogView& view_;
  int error_count_ = 0;
  int warning_count_ = 0;
};

}  // namespace peltarix
