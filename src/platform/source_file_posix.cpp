#if !defined(_WIN32)

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include "platform/native_path.h"
#include "platform/source_file.h"

namespace peltarix {
namespace {

std::optional<FailureReason> TypeProblem(const struct stat& status, std::uint64_t max_bytes) {
  if (S_ISDIR(status.st_mode)) return FailureReason::kIsFolder;
  if (!S_ISREG(status.st_mode)) return FailureReason::kNotRegularFile;
  if (static_cast<std::uint64_t>(status.st_size) > max_bytes) return FailureReason::kTooLarge;
  return std::nullopt;
}

class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  ~Descriptor() {
    if (fd_ >= 0) close(fd_);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int get() const { return fd_; }

 private:
  int fd_;
};

}  // namespace

std::optional<FileFailure> ReadRegularFile(const std::string& path, std::uint64_t max_bytes,
                                           std::string& bytes) {
  const auto fail = [&](FailureReason reason) { return FileFailure{path, reason}; };
  const std::string native = NativePath(path).native();
  struct stat status {};
  if (stat(native.c_str(), &status) != 0) return fail(ReasonFromErrno(errno));
  if (const auto problem = TypeProblem(status, max_bytes)) return fail(*problem);
  // Non-blocking, in case the name was swapped for a FIFO since the check;
  // the descriptor's own type is checked again below.
  const Descriptor file(open(native.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
  if (file.get() < 0) return fail(ReasonFromErrno(errno));
  if (fstat(file.get(), &status) != 0) return fail(ReasonFromErrno(errno));
  if (const auto problem = TypeProblem(status, max_bytes)) return fail(*problem);

  bytes.clear();
  // One byte more than the size shows whether the file grew meanwhile.
  const std::uint64_t expected = static_cast<std::uint64_t>(status.st_size);
  std::uint64_t capacity = std::min(expected, max_bytes) + 1;
  bytes.resize(capacity);
  std::uint64_t filled = 0;
  for (;;) {
    if (filled == capacity) {
      if (capacity > max_bytes) return fail(FailureReason::kTooLarge);
      capacity = std::min(capacity * 2, max_bytes + 1);
      bytes.resize(capacity);
    }
    const ssize_t count = read(file.get(), bytes.data() + filled, capacity - filled);
    if (count < 0) {
      if (errno == EINTR) continue;
      return fail(ReasonFromErrno(errno));
    }
    if (count == 0) break;
    filled += static_cast<std::uint64_t>(count);
  }
  bytes.resize(filled);
  return std::nullopt;
}

}  // namespace peltarix

#endif
