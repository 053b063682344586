#include <string>

#include "platform/file_open.h"
#include "platform/utf8_path.h"

namespace peltarix::platform {

std::FILE* OpenFile(std::string_view utf8_path, const char* mode) {
  const std::wstring wide_mode(mode, mode + std::char_traits<char>::length(mode));
  return _wfopen(PathFromUtf8(utf8_path).c_str(), wide_mode.c_str());
}

}  // namespace peltarix::platform
