#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "platform/failure_reason.h"

namespace peltarix {

// Reads the regular file at `path` (UTF-8) whole into `bytes`. Anything else
// (a folder, FIFO, device or socket) is refused from its type, before it is
// opened for reading, so a FIFO without writer never blocks and a device
// that never ends is never read. A file of more than `max_bytes` is refused
// as kTooLarge without being read, and so is one that grows past it while
// being read. The failure names `path`.
std::optional<FileFailure> ReadRegularFile(const std::string& path, std::uint64_t max_bytes,
                                           std::string& bytes);

}  // namespace peltarix
