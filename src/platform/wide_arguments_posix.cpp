#include "platform/wide_arguments.h"

namespace peltarix {

std::vector<std::string> Utf8Arguments(int argc, char** argv) {
  return std::vector<std::string>(argv, argv + argc);
}

}  // namespace peltarix
