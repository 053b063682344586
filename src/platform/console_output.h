#pragma once

#include <ostream>

namespace peltarix {

enum class StandardStream { kOutput, kError };

// Standard output or standard error for the program's UTF-8 texts. On a
// Windows console they are written as UTF-16 (WriteConsoleW), which shows
// Japanese whatever the console's code page; redirected, and on other
// systems, the UTF-8 bytes go out unchanged (no CR added before LF).
std::ostream& ConsoleStream(StandardStream which);

}  // namespace peltarix
