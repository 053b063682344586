#pragma once

#include "platform/failure_reason.h"

namespace peltarix {

// The reason for a Win32 error code (GetLastError). Windows only.
FailureReason ReasonFromWin32Error(unsigned long error);

}  // namespace peltarix
