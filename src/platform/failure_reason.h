#pragma once

#include <string>
#include <string_view>
#include <system_error>

namespace peltarix {

// Why a file could not be opened, read, written or replaced, in words a user
// can act on. The texts are Japanese, for the log and for front ends.
enum class FailureReason {
  kNotFound,
  kFolderNotFound,
  kNoPermission,
  kIsFolder,
  kNotRegularFile,
  kTooLarge,
  kDiskFull,
  kQuotaExceeded,
  kFileSizeLimit,
  kNameTooLong,
  kNotAFolderOnPath,
  kReadOnlyPlace,
  kTooManyOpenFiles,
  kBusy,
  kLinkLoop,
  kDeviceError,
  kInvalidName,
  kOutOfMemory,
  kUnknown,
};

// A fixed text; never allocates, so it can be used after memory ran out.
std::string_view ReasonText(FailureReason reason);

FailureReason ReasonFromErrno(int error_number);

// One failed file operation: the file the user named (UTF-8) and why.
struct FileFailure {
  std::string path;
  FailureReason reason = FailureReason::kUnknown;

  std::string_view reason_text() const { return ReasonText(reason); }
};

}  // namespace peltarix
