#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace peltarix {

// Core paths are UTF-8 texts; the file-access edge turns them into the
// system's own form (wide on Windows) and back.
inline std::filesystem::path NativePath(std::string_view utf8) {
  return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

inline std::string Utf8Path(const std::filesystem::path& path) {
  const std::u8string text = path.u8string();
  return std::string(text.begin(), text.end());
}

}  // namespace peltarix
