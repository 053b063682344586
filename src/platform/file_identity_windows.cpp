#include <windows.h>

#include <filesystem>

#include "platform/file_identity.h"
#include "platform/native_path.h"

namespace peltarix {

std::string FileIdentity(const std::string& path) {
  const std::filesystem::path target = NativePath(path);
  // Opening for no access at all still follows links and reads the identity.
  const HANDLE file =
      CreateFileW(target.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                  nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (file != INVALID_HANDLE_VALUE) {
    BY_HANDLE_FILE_INFORMATION information{};
    const bool known = GetFileInformationByHandle(file, &information);
    CloseHandle(file);
    if (known) {
      return "file:" + std::to_string(information.dwVolumeSerialNumber) + ":" +
             std::to_string(information.nFileIndexHigh) + ":" +
             std::to_string(information.nFileIndexLow);
    }
  }
  std::error_code error;
  std::filesystem::path absolute = std::filesystem::weakly_canonical(target, error);
  if (error) absolute = std::filesystem::absolute(target, error).lexically_normal();
  // NTFS compares names by their upper-case forms.
  const std::wstring name = absolute.wstring();
  std::wstring folded(name.size(), L'\0');
  if (!name.empty() && LCMapStringEx(LOCALE_NAME_INVARIANT, LCMAP_UPPERCASE, name.data(),
                                     static_cast<int>(name.size()), folded.data(),
                                     static_cast<int>(folded.size()), nullptr, nullptr, 0) == 0) {
    folded = name;
  }
  return "name:" + Utf8Path(std::filesystem::path(folded));
}

}  // namespace peltarix
