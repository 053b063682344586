#pragma once

#include <filesystem>
#include <string>

namespace peltarix::cli {

// Paths are UTF-8 text everywhere but at the file-access edge; going through
// u8string lets Windows use its wide file APIs.
inline std::filesystem::path FsPath(const std::string& utf8) {
  return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

inline std::string Utf8(const std::filesystem::path& path) {
  const std::u8string text = path.u8string();
  return std::string(text.begin(), text.end());
}

}  // namespace peltarix::cli
