#include <windows.h>

#include "platform/win32_failure_reason.h"

namespace peltarix {

FailureReason ReasonFromWin32Error(unsigned long error) {
  switch (error) {
    case ERROR_FILE_NOT_FOUND:
      return FailureReason::kNotFound;
    case ERROR_PATH_NOT_FOUND:
      return FailureReason::kFolderNotFound;
    case ERROR_ACCESS_DENIED:
      return FailureReason::kNoPermission;
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_USER_MAPPED_FILE:
      return FailureReason::kBusy;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
      return FailureReason::kDiskFull;
    case ERROR_FILENAME_EXCED_RANGE:
      return FailureReason::kNameTooLong;
    case ERROR_INVALID_NAME:
    case ERROR_BAD_PATHNAME:
    case ERROR_DIRECTORY:
      return FailureReason::kInvalidName;
    case ERROR_WRITE_PROTECT:
      return FailureReason::kReadOnlyPlace;
    case ERROR_TOO_MANY_OPEN_FILES:
      return FailureReason::kTooManyOpenFiles;
    case ERROR_NOT_ENOUGH_MEMORY:
    case ERROR_OUTOFMEMORY:
      return FailureReason::kOutOfMemory;
    case ERROR_CRC:
    case ERROR_READ_FAULT:
    case ERROR_WRITE_FAULT:
    case ERROR_IO_DEVICE:
      return FailureReason::kDeviceError;
    default:
      return FailureReason::kUnknown;
  }
}

}  // namespace peltarix
