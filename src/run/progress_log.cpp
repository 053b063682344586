#include "run/progress_log.h"

#include <utility>

namespace peltarix {

void ProgressLog::LogMessage(Severity severity, std::string_view text) {
  std::string line;
  if (severity == kError) {
    line = kErrorPrefix;
    ++error_count_;
  } else if (severity == kWarning) {
    line = kWarningPrefix;
    ++warning_count_;
  }
  line += text;
  view_.AppendLine(std::move(line));
  view_.ShowNow();
}

}  // namespace peltarix
