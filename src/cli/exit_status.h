#pragma once

namespace peltarix::cli {

// Exit statuses of peltarix-convert, documented in --help and the README.
enum ExitStatus : int {
  kExitSuccess = 0,       // every CSV file was written
  kExitRunFailed = 1,     // some file was not converted: its run stopped or it was skipped
  kExitUsageError = 2,    // bad arguments: nothing was converted
  kExitWithWarnings = 3,  // --fail-on-warning: every file written, some with warnings
};

// Counts of one batch, in the order the summary line gives them.
struct BatchCounts {
  int converted = 0;
  int failed = 0;
  int skipped = 0;
  int warnings = 0;
  int converted_with_warnings = 0;
};

// The exit status of a batch that ran: a file not converted outweighs a
// warning.
inline int ExitStatusFor(const BatchCounts& counts, bool fail_on_warning) {
  if (counts.failed > 0 || counts.skipped > 0) return kExitRunFailed;
  if (fail_on_warning && counts.converted_with_warnings > 0) return kExitWithWarnings;
  return kExitSuccess;
}

}  // namespace peltarix::cli
