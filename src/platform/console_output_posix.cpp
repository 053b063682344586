#include <unistd.h>

#include <csignal>
#include <iostream>

#include "platform/console_output.h"

namespace peltarix {

std::ostream& ConsoleStream(StandardStream which) {
  return which == StandardStream::kOutput ? std::cout : std::cerr;
}

bool IsTerminal(StandardStream which) {
  return isatty(which == StandardStream::kOutput ? STDOUT_FILENO : STDERR_FILENO) == 1;
}

void PrepareStandardStreams() { std::signal(SIGPIPE, SIG_IGN); }

}  // namespace peltarix
