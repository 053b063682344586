#include "cli/terminal_log_view.h"

namespace peltarix::cli {

void TerminalLogView::AppendLine(const std::string& line) {
  if (!quiet_) {
    out_ << line << '\n';
  } else if (line.starts_with(kErrorPrefix)) {
    err_ << line << '\n';
  }
}

void TerminalLogView::ShowNow() {
  out_.flush();
  err_.flush();
}

}  // namespace peltarix::cli
