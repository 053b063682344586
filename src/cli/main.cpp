#include <unistd.h>

#include <csignal>
#include <iostream>

#include "cli/convert_command.h"
#include "platform/temp_file_cleanup.h"

int main(int argc, char** argv) {
  peltarix::InstallTempFileCleanup();
  // A reader that closes standard output early (`| head -1`) must not stop
  // the conversion: printing then fails quietly and the CSV is still written.
  std::signal(SIGPIPE, SIG_IGN);
  const peltarix::cli::CommandStreams streams{std::cin, std::cout, std::cerr,
                                              isatty(STDERR_FILENO) == 1};
  return peltarix::cli::RunConvertCommand(argc, argv, streams);
}
