#include "cli/standard_streams.h"

#include <fstream>
#include <random>
#include <vector>

#include "platform/native_path.h"
#include "run/output_policy.h"

namespace peltarix::cli {
namespace {

constexpr std::size_t kChunkBytes = 1 << 16;

}  // namespace

ScratchFiles::ScratchFiles() {
  std::error_code error;
  const std::filesystem::path temp = std::filesystem::temp_directory_path(error);
  if (error) return;
  std::random_device seed;
  prefix_ = temp / ("peltarix-convert-" + std::to_string(seed()) + std::to_string(seed()) + "-");
}

ScratchFiles::~ScratchFiles() {
  for (const std::filesystem::path& file : files_) {
    std::error_code ignored;
    std::filesystem::remove(file, ignored);
  }
}

std::string ScratchFiles::File(const char* name) {
  std::filesystem::path file = prefix_;
  file += name;
  files_.push_back(file);
  registrations_.push_back(std::make_unique<TempFileRegistration>(file.string()));
  return Utf8Path(file);
}

bool CopyStreamToFile(std::istream& in, const std::string& path, std::uintmax_t limit) {
  // Read whole first, then written as every output is: the run that reads
  // the file holds all its bytes anyway.
  std::string bytes;
  std::vector<char> chunk(kChunkBytes);
  while (in && bytes.size() <= limit) {
    const std::uintmax_t wanted = std::min<std::uintmax_t>(chunk.size(), limit + 1 - bytes.size());
    in.read(chunk.data(), static_cast<std::streamsize>(wanted));
    const std::streamsize got = in.gcount();
    if (got <= 0) break;
    bytes.append(chunk.data(), static_cast<std::size_t>(got));
  }
  return !WriteOutputFile(path, bytes).has_value();
}

bool CopyFileToStream(const std::string& path, std::ostream& out) {
  std::ifstream file(NativePath(path), std::ios::binary);
  if (!file) return false;
  std::vector<char> chunk(kChunkBytes);
  while (file) {
    file.read(chunk.data(), static_cast<std::streamsize>(chunk.size()));
    if (file.gcount() > 0) out.write(chunk.data(), file.gcount());
    if (!out) return false;
  }
  out.flush();
  return !file.bad() && static_cast<bool>(out);
}

}  // namespace peltarix::cli
