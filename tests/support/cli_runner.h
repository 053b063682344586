#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/user_language.h"

namespace peltarix::testing {

// The outcome of one run of the peltarix-convert binary.
struct CliResult {
  int exit_status = -1;  // -1 when the process did not exit normally
  std::string out;
  std::string err;
};

// Runs the built peltarix-convert with `arguments` (each passed as one
// argument, quoted for the shell), capturing standard output and error. On
// POSIX systems LC_ALL asks for the messages in `language`; Windows takes the
// user's UI language whatever is asked.
CliResult RunConvertBinary(const std::vector<std::string>& arguments,
                           UserLanguage language = UserLanguage::kEnglish);

// Runs the built peltarix-convert with a standard output whose reader has
// already gone; `out` stays empty. The exit status is -1 when a signal ended
// the process.
CliResult RunConvertBinaryIntoClosedPipe(const std::vector<std::string>& arguments);

// The command in-process: RunConvertCommand with `stdin_bytes` as standard
// input and string streams for standard output and error.
CliResult RunConvertInProcess(const std::vector<std::string>& arguments,
                              const std::string& stdin_bytes = "", bool err_is_terminal = false,
                              UserLanguage language = UserLanguage::kEnglish);

// The path of examples/sample.QV in the source tree.
std::string SamplePath();

// The lines of a CSV file without their CR LF; a line end of any other form
// fails the calling test.
std::vector<std::string> CrLfLines(const std::string& bytes);

// The lines of a text without their LF.
std::vector<std::string> LfLines(const std::string& text);

// The comma-separated fields of a CSV line, without its line end (no quoting
// rules: the records write texts between quotes without escaping).
std::vector<std::string> Fields(std::string_view line);

}  // namespace peltarix::testing
