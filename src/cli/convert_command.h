#pragma once

#include <ostream>

namespace peltarix::cli {

// Exit statuses of peltarix-convert.
enum ExitStatus : int {
  kExitSuccess = 0,     // the CSV file was written
  kExitRunFailed = 1,   // the run stopped; its log says why
  kExitUsageError = 2,  // bad arguments, an empty file name, or a refused overwrite
};

// The whole command: parses `argv`, runs one conversion, prints the log on
// `out` and problems on `err`; returns the exit status.
int RunConvertCommand(int argc, const char* const* argv, std::ostream& out, std::ostream& err);

}  // namespace peltarix::cli
