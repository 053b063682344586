#include "cli/standard_streams.h"

#include <fstream>
#include <random>
#include <vector>

#include "platform/native_path.h"

namespace peltarix::cli {
namespace {

constexpr std::size_t kChunkBytes = 1 << 16;

}  // namespace

ScratchFolder::ScratchFolder() {
  std::error_code error;
  const std::filesystem::path temp = std::filesystem::temp_directory_path(error);
  if (error) return;
  std::random_device seed;
  for (int attempt = 0; attempt < 16; ++attempt) {
    const std::filesystem::path candidate =
        temp / ("peltarix-convert-" + std::to_string(seed()) + std::to_string(seed()));
    // create_directory is false when the name is taken: try another.
    if (std::filesystem::create_directory(candidate, error) && !error) {
      path_ = candidate;
      return;
    }
  }
}

ScratchFolder::~ScratchFolder() {
  if (path_.empty()) return;
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

std::string ScratchFolder::File(const char* name) const { return Utf8Path(path_ / name); }

bool CopyStreamToFile(std::istream& in, const std::string& path, std::uintmax_t limit) {
  std::ofstream file(NativePath(path), std::ios::binary);
  std::vector<char> chunk(kChunkBytes);
  std::uintmax_t copied = 0;
  while (file && in && copied <= limit) {
    const std::uintmax_t wanted = std::min<std::uintmax_t>(chunk.size(), limit + 1 - copied);
    in.read(chunk.data(), static_cast<std::streamsize>(wanted));
    const std::streamsize got = in.gcount();
    if (got <= 0) break;
    file.write(chunk.data(), got);
    copied += static_cast<std::uintmax_t>(got);
  }
  file.close();
  return static_cast<bool>(file);
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
