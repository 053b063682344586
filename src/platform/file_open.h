#pragma once

#include <cstdio>
#include <string_view>

namespace peltarix::platform {

// fopen for a UTF-8 path: the wide API on Windows, so that any file name
// opens whatever the system code page. `mode` as for fopen ("rb", "wb").
std::FILE* OpenFile(std::string_view utf8_path, const char* mode);

}  // namespace peltarix::platform
