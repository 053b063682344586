#pragma once

#include <ostream>

#include "cli/batch_plan.h"
#include "cli/cli_messages.h"
#include "cli/cli_options.h"
#include "cli/exit_status.h"
#include "cli/file_outcome.h"

namespace peltarix::cli {

// Where a batch prints: the transcripts on `transcript` (standard output, or
// standard error when the CSV goes to standard output), problems on `err`.
struct PrintTargets {
  std::ostream& transcript;
  std::ostream& err;
  bool transcript_on_err = false;
  Verbosity verbosity = Verbosity::kNormal;
  const CliMessages& messages;
};

// Prints one file's transcript, opened by the line naming its source and
// destination, and copies its errors and warnings to `err` prefixed with the
// source's name (errors only when quiet), so that `> log.txt` hides none.
void PrintOutcome(const PlannedFile& file, const FileOutcome& outcome, const PrintTargets& targets);

}  // namespace peltarix::cli
