#include "window_model/window_file_names.h"

#include <filesystem>
#include <system_error>

#include "platform/native_path.h"

namespace peltarix {

std::string LogFileName(std::string_view source_path) {
  const std::filesystem::path name = NativePath(source_path).filename();
  // A leading dot starts a name, not an extension.
  const std::string stem = name.empty() ? "PELTARIX" : Utf8Path(name.stem());
  return stem + "_log.txt";
}

std::string FileNameOf(std::string_view path) { return Utf8Path(NativePath(path).filename()); }

bool IsQvFileName(std::string_view path) {
  const std::string extension = Utf8Path(NativePath(path).extension());
  return extension.size() == 3 && extension[0] == '.' && (extension[1] | 0x20) == 'q' &&
         (extension[2] | 0x20) == 'v';
}

std::string DroppedQvFile(const std::vector<std::string>& files) {
  if (files.size() != 1 || !IsQvFileName(files.front())) return {};
  return files.front();
}

std::string FolderOf(std::string_view path) {
  std::error_code ignored;
  return Utf8Path(std::filesystem::absolute(NativePath(path), ignored).parent_path());
}

std::string ExistingFolderOf(std::string_view path) {
  if (path.empty()) return {};
  std::error_code ignored;
  const std::filesystem::path full = std::filesystem::absolute(NativePath(path), ignored);
  if (ignored) return {};
  const std::filesystem::path folder = full.parent_path();
  if (!std::filesystem::is_directory(folder, ignored)) return {};
  return Utf8Path(folder);
}

std::string StartFolder(std::string_view field_text, const std::string& remembered) {
  if (field_text.find_first_not_of(' ') != std::string_view::npos) {
    std::string folder = ExistingFolderOf(field_text);
    if (!folder.empty()) return folder;
  }
  return remembered;
}

std::string AbsolutePath(std::string_view path) {
  std::error_code ignored;
  const std::filesystem::path full = std::filesystem::absolute(NativePath(path), ignored);
  return ignored ? std::string(path) : Utf8Path(full.lexically_normal());
}

std::string WithoutExtension(std::string_view path) {
  return Utf8Path(NativePath(path).replace_extension());
}

}  // namespace peltarix
