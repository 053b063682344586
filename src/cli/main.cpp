#include <iostream>

#include "cli/convert_command.h"
#include "platform/temp_file_cleanup.h"

int main(int argc, char** argv) {
  peltarix::InstallTempFileCleanup();
  return peltarix::cli::RunConvertCommand(argc, argv, std::cout, std::cerr);
}
