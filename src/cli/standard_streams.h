#pragma once

#include <cstdint>
#include <filesystem>
#include <istream>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "platform/temp_file_cleanup.h"

namespace peltarix::cli {

// Sources larger than this are refused by the run; standard input is read
// only one byte beyond it, so that an endless stream cannot fill memory.
inline constexpr std::uintmax_t kSourceLimitBytes = std::uintmax_t{256} << 20;

// Files of unguessable names in the system's temporary folder, where
// standard input is kept for the run and the CSV for standard output is
// written. They go when the object goes, or when a signal ends the process.
class ScratchFiles {
 public:
  ScratchFiles();
  ~ScratchFiles();
  ScratchFiles(const ScratchFiles&) = delete;
  ScratchFiles& operator=(const ScratchFiles&) = delete;

  bool ok() const { return !prefix_.empty(); }
  // The path of the scratch file `name` (UTF-8), registered for removal.
  std::string File(const char* name);

 private:
  std::filesystem::path prefix_;
  std::vector<std::filesystem::path> files_;
  std::vector<std::unique_ptr<TempFileRegistration>> registrations_;
};

// Copies at most `limit` + 1 bytes of `in` to the file `path`. False when the
// file cannot be written.
bool CopyStreamToFile(std::istream& in, const std::string& path, std::uintmax_t limit);

// Copies the file `path` to `out`. False when it cannot be read or `out`
// refuses the bytes (a closed pipe).
bool CopyFileToStream(const std::string& path, std::ostream& out);

}  // namespace peltarix::cli
