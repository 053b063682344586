#include <iostream>
#include <string>
#include <vector>

#include "cli/convert_command.h"
#include "platform/console_output.h"
#include "platform/local_time.h"
#include "platform/temp_file_cleanup.h"
#include "platform/user_language.h"
#include "platform/wide_arguments.h"

int main(int argc, char** argv) {
  using peltarix::ConsoleStream;
  using peltarix::StandardStream;
  // First: a closed standard descriptor is given the null device before any
  // file could receive it.
  peltarix::PrepareStandardStreams();
  peltarix::InstallTempFileCleanup();
  // What every run needs is built before runs start, not on first use
  // inside one that may run out of memory.
  peltarix::LoadTimeZone();
  // Arguments as UTF-8 on every system, so that file names in any script
  // reach the core intact.
  const std::vector<std::string> arguments = peltarix::Utf8Arguments(argc, argv);
  std::vector<const char*> pointers;
  for (const std::string& argument : arguments) pointers.push_back(argument.c_str());
  std::ostream& out = ConsoleStream(StandardStream::kOutput);
  std::ostream& err = ConsoleStream(StandardStream::kError);
  const peltarix::cli::CommandStreams streams{std::cin, out, err,
                                              peltarix::IsTerminal(StandardStream::kError)};
  const int status =
      peltarix::cli::RunConvertCommand(static_cast<int>(pointers.size()), pointers.data(), streams,
                                       peltarix::UserLanguageOfSystem());
  out.flush();
  err.flush();
  return status;
}
