#include <windows.h>

#include <algorithm>

#include "platform/native_path.h"
#include "platform/source_file.h"
#include "platform/win32_failure_reason.h"

namespace peltarix {
namespace {

class Handle {
 public:
  explicit Handle(HANDLE handle) : handle_(handle) {}
  ~Handle() {
    if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
  }
  Handle(const Handle&) = delete;
  Handle& operator=(const Handle&) = delete;
  HANDLE get() const { return handle_; }

 private:
  HANDLE handle_;
};

}  // namespace

std::optional<FileFailure> ReadRegularFile(const std::string& path, std::uint64_t max_bytes,
                                           std::string& bytes) {
  const auto fail = [&](FailureReason reason) { return FileFailure{path, reason}; };
  const std::wstring native = NativePath(path).wstring();
  const DWORD attributes = GetFileAttributesW(native.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
    return fail(FailureReason::kIsFolder);
  }
  const Handle file(CreateFileW(native.c_str(), GENERIC_READ,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (file.get() == INVALID_HANDLE_VALUE) return fail(ReasonFromWin32Error(GetLastError()));
  // Devices (CON, NUL, COM1) and pipes are no source files.
  if (GetFileType(file.get()) != FILE_TYPE_DISK) return fail(FailureReason::kNotRegularFile);
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(file.get(), &size)) return fail(ReasonFromWin32Error(GetLastError()));
  const auto expected = static_cast<std::uint64_t>(size.QuadPart);
  if (expected > max_bytes) return fail(FailureReason::kTooLarge);

  bytes.clear();
  // One byte more than the size shows whether the file grew meanwhile.
  std::uint64_t capacity = std::min(expected, max_bytes) + 1;
  bytes.resize(capacity);
  std::uint64_t filled = 0;
  for (;;) {
    if (filled == capacity) {
      if (capacity > max_bytes) return fail(FailureReason::kTooLarge);
      capacity = std::min(capacity * 2, max_bytes + 1);
      bytes.resize(capacity);
    }
    const DWORD chunk = static_cast<DWORD>(std::min<std::uint64_t>(capacity - filled, 1u << 30));
    DWORD count = 0;
    if (!ReadFile(file.get(), bytes.data() + filled, chunk, &count, nullptr)) {
      return fail(ReasonFromWin32Error(GetLastError()));
    }
    if (count == 0) break;
    filled += count;
  }
  bytes.resize(filled);
  return std::nullopt;
}

}  // namespace peltarix
