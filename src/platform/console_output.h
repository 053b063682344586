#pragma once

#include <ostream>

namespace peltarix {

enum class StandardStream { kOutput, kError };

// Standard output or standard error for the program's UTF-8 texts. On a
// Windows console they are written as UTF-16 (WriteConsoleW), which shows
// Japanese whatever the console's code page; redirected, and on other
// systems, the UTF-8 bytes go out unchanged (no CR added before LF).
std::ostream& ConsoleStream(StandardStream which);

// Whether the stream is a terminal (a console on Windows).
bool IsTerminal(StandardStream which);

// Sets up the standard streams for a converter that streams bytes; call it
// first, before any file is opened. A standard stream the process was
// started without (`>&- 2>&-`, as cron jobs and some launchers do) reads
// and writes nothing: on POSIX the null device takes its descriptor, so
// that no file opened later receives descriptor 0, 1 or 2 and with it the
// log (on Windows a missing handle prints nothing). Standard input is read
// in binary mode (Windows), and a reader closing standard output early
// (`| head -1`) makes printing fail quietly instead of ending the process
// (POSIX's SIGPIPE).
void PrepareStandardStreams();

}  // namespace peltarix
