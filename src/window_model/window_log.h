#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "run/progress_log.h"

namespace peltarix {

class WindowView;

// How a log line is marked on screen.
enum class LineSeverity { kPlain, kError, kWarning };

// Errors and warnings by their fixed prefixes; detail lines ("詳細：") and
// every other line are plain.
LineSeverity SeverityOfLine(std::string_view line);

struct LogLine {
  std::string text;
  LineSeverity severity;
};

// The window's progress log: keeps every line with its severity, for
// copying and saving, and hands each to the view as it comes. A transcript
// heading, once set, opens the log again whenever the run clears it.
class WindowLog final : public LogView {
 public:
  explicit WindowLog(WindowView& view) : view_(view) {}

  void AppendLine(std::string line) override;
  void ShowNow() override;
  void Clear() override;

  // The line that the next Clear puts back at once: the transcript on
  // screen and in a saved log opens with it, as the command line's does.
  void set_heading(std::string heading) { heading_ = std::move(heading); }

  const std::vector<LogLine>& lines() const { return lines_; }

  // The lines of `rows` (indices into lines(), in any order) in list order,
  // or every line when `rows` is empty, joined by LF.
  std::string CopyText(std::vector<std::size_t> rows) const;

  // The whole log as a saved file holds it: UTF-8, each line ending in CR LF.
  std::string FileText() const;

 private:
  WindowView& view_;
  std::vector<LogLine> lines_;
  std::string heading_;
};

}  // namespace peltarix
