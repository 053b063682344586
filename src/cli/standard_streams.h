#pragma once

#include <cstdint>
#include <filesystem>
#include <istream>
#include <ostream>
#include <string>

namespace peltarix::cli {

// Sources larger than this are refused by the run; standard input is read
// only one byte beyond it, so that an endless stream cannot fill memory.
inline constexpr std::uintmax_t kSourceLimitBytes = std::uintmax_t{256} << 20;

// A folder of its own under the system's temporary folder, where standard
// input is kept as a file for the run and the CSV for standard output is
// written; removed with its content when the object goes.
class ScratchFolder {
 public:
  ScratchFolder();
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  bool ok() const { return !path_.empty(); }
  std::string File(const char* name) const;

 private:
  std::filesystem::path path_;
};

// Copies at most `limit` + 1 bytes of `in` to the file `path`. False when the
// file cannot be written.
bool CopyStreamToFile(std::istream& in, const std::string& path, std::uintmax_t limit);

// Copies the file `path` to `out`. False when it cannot be read or `out`
// refuses the bytes (a closed pipe).
bool CopyFileToStream(const std::string& path, std::ostream& out);

}  // namespace peltarix::cli
