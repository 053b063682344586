#pragma once

#include <string>
#include <vector>

#include "cli/batch_plan.h"
#include "cli/exit_status.h"
#include "cli/file_outcome.h"

namespace peltarix::cli {

// The --report document: {"files": [one object per file, in argument order],
// "summary": {...}}. A path is given twice: "source" as a person reads it
// (a name that is not UTF-8 decoded from CP932, see DecodedPath) and
// "source_hex" as the system spells it, its bytes in hexadecimal, for a
// script to open the file; the same for "destination".
std::string JsonReport(const std::vector<PlannedFile>& files,
                       const std::vector<FileOutcome>& outcomes, const BatchCounts& counts,
                       double seconds);

}  // namespace peltarix::cli
