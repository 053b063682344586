#pragma once

#include <string>
#include <string_view>

#include "platform/failure_reason.h"
#include "run/run_context.h"

namespace peltarix {

// "詳細：PATH：reason", the line that follows a failed file operation; PATH
// as ShownPath gives it.
std::string DetailLine(const FileFailure& failure);

// Logs `error` (severity error), then the detail line (severity detail), and
// keeps `failure` as the run's last file failure. Returns -1.
int LogFileFailure(RunContext& context, std::string_view error, FileFailure failure);

}  // namespace peltarix
