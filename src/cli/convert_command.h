#pragma once

#include <istream>
#include <ostream>

#include "cli/exit_status.h"
#include "platform/user_language.h"

namespace peltarix::cli {

// The streams of the process, or string streams in tests.
struct CommandStreams {
  std::istream& in;   // the source when SOURCE is "-"
  std::ostream& out;  // the transcripts, or the CSV bytes with "-o -"
  std::ostream& err;  // problems; the transcripts with "-o -"
  // Standard error is a terminal: a batch shows its progress there.
  bool err_is_terminal = false;
};

// The whole command: parses `argv`, plans and runs the conversions, prints
// their transcripts and returns the exit status (see ExitStatus). The
// command's own messages are in `language`; the runs' logs are Japanese.
int RunConvertCommand(int argc, const char* const* argv, const CommandStreams& streams,
                      UserLanguage language);

}  // namespace peltarix::cli
