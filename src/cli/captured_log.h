#pragma once

#include <vector>

#include "cli/file_outcome.h"
#include "run/progress_log.h"

namespace peltarix::cli {

// Keeps a run's log lines, so that a batch can print each file's transcript
// whole while other files are still converting.
class CapturedLog : public LogView {
 public:
  void AppendLine(std::string line) override;
  void ShowNow() override {}
  void Clear() override { lines_.clear(); }

  std::vector<TranscriptLine>& lines() { return lines_; }

 private:
  std::vector<TranscriptLine> lines_;
};

}  // namespace peltarix::cli
