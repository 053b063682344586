#include <windows.h>

#include <memory>
#include <mutex>
#include <set>

#include "platform/native_path.h"
#include "platform/temp_file_cleanup.h"

namespace peltarix {
namespace {

// The console's control handler runs on a thread of its own, so a plain
// lock guards the registry.
std::mutex registry_mutex;
std::set<const std::wstring*>& Registry() {
  static auto* registry = new std::set<const std::wstring*>;
  return *registry;
}

BOOL WINAPI RemoveTempFiles(DWORD) {
  const std::lock_guard lock(registry_mutex);
  for (const std::wstring* path : Registry()) DeleteFileW(path->c_str());
  // Not handled: the process ends as it would have without the handler.
  return FALSE;
}

}  // namespace

struct TempFileRegistration::Registered {
  std::wstring path;  // in the registry while registered
};

// `native_path` is UTF-8 here: Windows spells paths in UTF-16.
TempFileRegistration::TempFileRegistration(std::string native_path)
    : registered_(std::make_unique<Registered>(NativePath(native_path).wstring())) {
  const std::lock_guard lock(registry_mutex);
  Registry().insert(&registered_->path);
}

TempFileRegistration::~TempFileRegistration() {
  const std::lock_guard lock(registry_mutex);
  Registry().erase(&registered_->path);
}

// Ctrl+C, Ctrl+Break and closing the console window end the process: the
// temporary files go first.
void InstallTempFileCleanup() {
  static const bool installed = SetConsoleCtrlHandler(RemoveTempFiles, TRUE);
  static_cast<void>(installed);
}

}  // namespace peltarix
