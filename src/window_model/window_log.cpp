#include "window_model/window_log.h"

#include <algorithm>
#include <utility>

#include "window_model/window_view.h"

namespace peltarix {

LineSeverity SeverityOfLine(std::string_view line) {
  if (line.starts_with(kErrorPrefix)) return LineSeverity::kError;
  if (line.starts_with(kWarningPrefix)) return LineSeverity::kWarning;
  return LineSeverity::kPlain;
}

void WindowLog::AppendLine(std::string line) {
  const LineSeverity severity = SeverityOfLine(line);
  lines_.push_back({std::move(line), severity});
  view_.AppendLogLine(lines_.back());
}

void WindowLog::ShowNow() { view_.ShowLogNow(); }

void WindowLog::Clear() {
  lines_.clear();
  view_.ClearLog();
  if (!heading_.empty()) AppendLine(heading_);
}

std::string WindowLog::CopyText(std::vector<std::size_t> rows) const {
  // A selection keeps the order in which lines were picked.
  std::sort(rows.begin(), rows.end());
  rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
  std::string text;
  bool first = true;
  auto add = [&text, &first](const LogLine& line) {
    if (!first) text += '\n';
    first = false;
    text += line.text;
  };
  if (rows.empty()) {
    for (const LogLine& line : lines_) add(line);
  } else {
    for (const std::size_t row : rows) {
      if (row < lines_.size()) add(lines_[row]);
    }
  }
  return text;
}

std::string WindowLog::FileText() const {
  std::string text;
  for (const LogLine& line : lines_) text += line.text + "\r\n";
  return text;
}

}  // namespace peltarix
