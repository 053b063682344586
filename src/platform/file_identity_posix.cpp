#if !defined(_WIN32)

#include <sys/stat.h>

#include <filesystem>

#include "platform/file_identity.h"
#include "platform/file_replace.h"
#include "platform/native_path.h"

namespace peltarix {

std::string FileIdentity(const std::string& path) {
  const std::filesystem::path target = NativePath(ReplaceTarget(path));
  struct stat status {};
  if (stat(target.c_str(), &status) == 0) {
    return "file:" + std::to_string(status.st_dev) + ":" + std::to_string(status.st_ino);
  }
  std::error_code error;
  std::filesystem::path absolute = std::filesystem::weakly_canonical(target, error);
  if (error) absolute = std::filesystem::absolute(target, error).lexically_normal();
  return "name:" + absolute.native();
}

}  // namespace peltarix

#endif
