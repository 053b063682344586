#include <iostream>

#include "platform/console_output.h"

namespace peltarix {

std::ostream& ConsoleStream(StandardStream which) {
  return which == StandardStream::kOutput ? std::cout : std::cerr;
}

}  // namespace peltarix
