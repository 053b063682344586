#pragma once

#include <ostream>

#include "run/progress_log.h"

namespace peltarix::cli {

// The progress log on a terminal: every line on `out`, or, when quiet, only
// the error lines, on `err`.
class TerminalLogView : public LogView {
 public:
  TerminalLogView(std::ostream& out, std::ostream& err, bool quiet)
      : out_(out), err_(err), quiet_(quiet) {}

  void AppendLine(const std::string& line) override;
  void ShowNow() override;
  void Clear() override {}

 private:
  std::ostream& out_;
  std::ostream& err_;
  bool quiet_;
};

}  // namespace peltarix::cli
