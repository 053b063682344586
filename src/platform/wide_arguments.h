#pragma once

#include <string>
#include <vector>

namespace peltarix {

// The program's command-line arguments, program name first, as UTF-8 texts.
// On Windows they are read as UTF-16 from the command line: the narrow argv
// holds them in the ANSI code page, which cannot spell every file name.
std::vector<std::string> Utf8Arguments(int argc, char** argv);

}  // namespace peltarix
