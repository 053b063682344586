#include <windows.h>

#include <filesystem>
#include <random>

#include "platform/file_replace.h"
#include "platform/native_path.h"
#include "platform/temp_file_cleanup.h"
#include "platform/win32_failure_reason.h"

namespace peltarix {
namespace {

namespace fs = std::filesystem;

fs::path FolderOf(const fs::path& file) {
  return file.has_parent_path() ? file.parent_path() : fs::path(L".");
}

// What an existing destination's attributes rule out; nothing for a
// writable file or a name that does not exist yet.
std::optional<FailureReason> ExistingFileProblem(const fs::path& target) {
  const DWORD attributes = GetFileAttributesW(target.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) {
    const DWORD error = GetLastError();
    return error == ERROR_FILE_NOT_FOUND ? std::nullopt
                                         : std::optional(ReasonFromWin32Error(error));
  }
  if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) return FailureReason::kIsFolder;
  if ((attributes & FILE_ATTRIBUTE_READONLY) != 0) return FailureReason::kNoPermission;
  return std::nullopt;
}

std::optional<FailureReason> FolderProblem(const fs::path& folder) {
  const DWORD attributes = GetFileAttributesW(folder.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) {
    const DWORD error = GetLastError();
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND
               ? FailureReason::kFolderNotFound
               : ReasonFromWin32Error(error);
  }
  if ((attributes & FILE_ATTRIBUTE_DIRECTORY) == 0) return FailureReason::kNotAFolderOnPath;
  return std::nullopt;
}

// A new, empty file in `folder` under an unused name, registered for removal
// on Ctrl+C before it exists. INVALID_HANDLE_VALUE with the last error set
// when none can be created.
HANDLE CreateTempFile(const fs::path& folder, fs::path& temp_path,
                      std::optional<TempFileRegistration>& registration) {
  std::random_device random;
  for (int attempt = 0; attempt < 100; ++attempt) {
    const unsigned suffix = random();
    static constexpr char kHex[] = "0123456789abcdef";
    std::string name = ".peltarix-";
    for (int shift = 28; shift >= 0; shift -= 4) name += kHex[(suffix >> shift) & 0xfu];
    name += ".tmp";
    temp_path = folder / name;
    registration.emplace(Utf8Path(temp_path));
    const HANDLE file = CreateFileW(temp_path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) return file;
    const DWORD error = GetLastError();
    registration.reset();
    SetLastError(error);
    if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS) break;
  }
  return INVALID_HANDLE_VALUE;
}

}  // namespace

struct FileReplacer::Temp {
  HANDLE file = INVALID_HANDLE_VALUE;
  fs::path path;
  std::optional<TempFileRegistration> registration;

  ~Temp() {
    if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
    if (!path.empty()) DeleteFileW(path.c_str());
  }
};

// Links are left to the system: replacing a linked file's name replaces it.
std::string ReplaceTarget(const std::string& destination) { return destination; }

std::optional<FileFailure> CheckReplaceable(const std::string& destination) {
  const fs::path target = NativePath(destination);
  std::optional<FailureReason> problem = ExistingFileProblem(target);
  if (!problem) problem = FolderProblem(FolderOf(target));
  if (!problem) {
    // Only creating a file shows that the folder takes one.
    FileReplacer::Temp probe;
    probe.file = CreateTempFile(FolderOf(target), probe.path, probe.registration);
    if (probe.file == INVALID_HANDLE_VALUE) {
      problem = ReasonFromWin32Error(GetLastError());
      probe.path.clear();
    }
  }
  if (!problem) return std::nullopt;
  return FileFailure{destination, *problem};
}

FileReplacer::FileReplacer(std::string destination) : destination_(std::move(destination)) {}

FileReplacer::~FileReplacer() = default;

std::optional<FileFailure> FileReplacer::Fail(FailureReason reason) {
  temp_.reset();
  return FileFailure{destination_, reason};
}

std::optional<FileFailure> FileReplacer::Open() {
  const fs::path target = NativePath(destination_);
  if (const auto problem = ExistingFileProblem(target)) return Fail(*problem);
  temp_ = std::make_unique<Temp>();
  temp_->file = CreateTempFile(FolderOf(target), temp_->path, temp_->registration);
  if (temp_->file == INVALID_HANDLE_VALUE) {
    const DWORD error = GetLastError();
    temp_->path.clear();
    if (const auto problem = FolderProblem(FolderOf(target))) return Fail(*problem);
    return Fail(ReasonFromWin32Error(error));
  }
  return std::nullopt;
}

std::optional<FileFailure> FileReplacer::Write(std::string_view bytes) {
  if (!temp_) return FileFailure{destination_, FailureReason::kUnknown};
  while (!bytes.empty()) {
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 30));
    DWORD written = 0;
    if (!WriteFile(temp_->file, bytes.data(), chunk, &written, nullptr)) {
      return Fail(ReasonFromWin32Error(GetLastError()));
    }
    bytes.remove_prefix(written);
  }
  return std::nullopt;
}

std::optional<FileFailure> FileReplacer::Commit() {
  if (!temp_) return FileFailure{destination_, FailureReason::kUnknown};
  // On the disk before the rename: a crash must not leave an empty file
  // under the destination's name.
  if (!FlushFileBuffers(temp_->file)) return Fail(ReasonFromWin32Error(GetLastError()));
  const HANDLE file = temp_->file;
  temp_->file = INVALID_HANDLE_VALUE;
  if (!CloseHandle(file)) return Fail(ReasonFromWin32Error(GetLastError()));
  const fs::path target = NativePath(destination_);
  // ReplaceFileW keeps an existing file's attributes and security; a new
  // name, or a file system without it, takes the plain rename.
  const bool replaced = GetFileAttributesW(target.c_str()) != INVALID_FILE_ATTRIBUTES &&
                        ReplaceFileW(target.c_str(), temp_->path.c_str(), nullptr,
                                     REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr);
  if (!replaced && !MoveFileExW(temp_->path.c_str(), target.c_str(),
                                MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    return Fail(ReasonFromWin32Error(GetLastError()));
  }
  temp_->path.clear();
  temp_.reset();
  return std::nullopt;
}

}  // namespace peltarix
