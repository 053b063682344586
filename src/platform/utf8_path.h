#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace peltarix::platform {

// Paths are UTF-8 texts everywhere in the program; only where a file is
// accessed do they become filesystem paths, through these two. On Windows a
// narrow std::filesystem::path would be read in the system's ANSI code page
// and lose every character outside it; via char8_t it becomes UTF-16.
std::filesystem::path PathFromUtf8(std::string_view utf8);
std::string Utf8FromPath(const std::filesystem::path& path);

}  // namespace peltarix::platform
