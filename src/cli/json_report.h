#pragma once

#include <string>
#include <vector>

#include "cli/batch_plan.h"
#include "cli/exit_status.h"
#include "cli/file_outcome.h"

namespace peltarix::cli {

// The --report document: {"files": [one object per file, in argument order],
// "summary": {...}}. Texts that are not valid UTF-8 (a path's odd bytes) are
// written with U+FFFD in their place.
std::string JsonReport(const std::vector<PlannedFile>& files,
                       const std::vector<FileOutcome>& outcomes, const BatchCounts& counts,
                       double seconds);

}  // namespace peltarix::cli
