#pragma once

#include <map>
#include <string>
#include <vector>

#include "run/plan_findings.h"

namespace peltarix::cli {

enum class LineSeverity { kInformation, kError, kWarning, kDetail };

// One line of a file's transcript, as the log shows it (with its prefix).
struct TranscriptLine {
  LineSeverity severity;
  std::string text;
};

enum class FileStatus { kConverted, kFailed, kSkipped };

// What became of one file of a batch.
struct FileOutcome {
  FileStatus status = FileStatus::kSkipped;
  std::vector<TranscriptLine> transcript;
  int errors = 0;
  int warnings = 0;
  // Records written, by record code; empty unless the CSV was written.
  std::map<std::string, int> records;
  double seconds = 0;
  // The run's last failure to open, read, write or replace a file, or to get
  // memory: the file's path and the reason, for "peltarix-convert: PATH: reason".
  std::string failure_path;
  std::string failure_reason;
  // What the run left out or found wrong, located, and the column support.
  PlanFindings findings;
};

}  // namespace peltarix::cli
