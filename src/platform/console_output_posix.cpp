#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
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

void PrepareStandardStreams() {
  for (const int descriptor : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO}) {
    if (fcntl(descriptor, F_GETFD) != -1 || errno != EBADF) continue;
    // open takes the lowest free descriptor, which is this one: the lower
    // ones are open by now.
    const int null_device = open("/dev/null", descriptor == STDIN_FILENO ? O_RDONLY : O_WRONLY);
    if (null_device != descriptor && null_device >= 0) close(null_device);
  }
  std::signal(SIGPIPE, SIG_IGN);
}

}  // namespace peltarix
