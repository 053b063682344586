#include <string>

#include "platform/file_open.h"

namespace peltarix::platform {

std::FILE* OpenFile(std::string_view utf8_path, const char* mode) {
  return std::fopen(std::string(utf8_path).c_str(), mode);
}

}  // namespace peltarix::platform
