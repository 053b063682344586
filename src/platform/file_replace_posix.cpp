#if !defined(_WIN32)

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <random>

#include "platform/file_replace.h"
#include "platform/native_path.h"
#include "platform/temp_file_cleanup.h"

namespace peltarix {
namespace {

namespace fs = std::filesystem;

// Links may point at links; more hops than the system itself follows means
// a loop.
constexpr int kMaxLinkHops = 40;

fs::path FollowLinks(fs::path path) {
  std::error_code error;
  for (int hop = 0; hop < kMaxLinkHops && fs::is_symlink(fs::symlink_status(path, error)); ++hop) {
    const fs::path link = fs::read_symlink(path, error);
    if (error) break;
    path = link.is_absolute() ? link : path.parent_path() / link;
  }
  return path;
}

fs::path FolderOf(const fs::path& file) {
  return file.has_parent_path() ? file.parent_path() : fs::path(".");
}

// A new, empty file in `folder` under an unused name, registered for removal
// on a signal before it exists. -1 with errno set when none can be created.
int CreateTempFile(const fs::path& folder, std::string& temp_path,
                   std::optional<TempFileRegistration>& registration) {
  std::random_device random;
  for (int attempt = 0; attempt < 100; ++attempt) {
    const unsigned suffix = random();
    static constexpr char kHex[] = "0123456789abcdef";
    std::string name = ".peltarix-";
    for (int shift = 28; shift >= 0; shift -= 4) name += kHex[(suffix >> shift) & 0xfu];
    name += ".tmp";
    temp_path = (folder / name).native();
    registration.emplace(temp_path);
    const int fd = open(temp_path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0) return fd;
    const int error = errno;
    registration.reset();
    errno = error;
    if (error != EEXIST) return -1;
  }
  return -1;
}

// What stat says of an existing destination that rules it out; nothing for
// a writable regular file or a name that does not exist yet.
std::optional<FailureReason> ExistingFileProblem(const fs::path& target) {
  struct stat status {};
  if (stat(target.c_str(), &status) != 0) {
    return errno == ENOENT ? std::nullopt : std::optional(ReasonFromErrno(errno));
  }
  if (S_ISDIR(status.st_mode)) return FailureReason::kIsFolder;
  if (!S_ISREG(status.st_mode)) return FailureReason::kNotRegularFile;
  // A read-only file is kept, as opening it for writing would refuse.
  if (access(target.c_str(), W_OK) != 0) return ReasonFromErrno(errno);
  return std::nullopt;
}

std::optional<FailureReason> FolderProblem(const fs::path& folder) {
  struct stat status {};
  if (stat(folder.c_str(), &status) != 0) {
    return errno == ENOENT ? FailureReason::kFolderNotFound : ReasonFromErrno(errno);
  }
  if (!S_ISDIR(status.st_mode)) return FailureReason::kNotAFolderOnPath;
  return std::nullopt;
}

}  // namespace

struct FileReplacer::Temp {
  int fd = -1;
  std::string path;
  std::optional<TempFileRegistration> registration;

  ~Temp() {
    if (fd >= 0) close(fd);
    if (!path.empty()) unlink(path.c_str());
  }
};

std::string ReplaceTarget(const std::string& destination) {
  return Utf8Path(FollowLinks(NativePath(destination)));
}

std::optional<FileFailure> CheckReplaceable(const std::string& destination) {
  const fs::path target = FollowLinks(NativePath(destination));
  std::optional<FailureReason> problem = ExistingFileProblem(target);
  if (!problem) problem = FolderProblem(FolderOf(target));
  if (!problem) {
    // Only creating a file shows that the folder takes one.
    FileReplacer::Temp probe;
    probe.fd = CreateTempFile(FolderOf(target), probe.path, probe.registration);
    if (probe.fd < 0) {
      problem = ReasonFromErrno(errno);
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
  const fs::path target = FollowLinks(NativePath(destination_));
  if (const auto problem = ExistingFileProblem(target)) return Fail(*problem);
  struct stat existing {};
  const bool replaces = stat(target.c_str(), &existing) == 0;
  temp_ = std::make_unique<Temp>();
  temp_->fd = CreateTempFile(FolderOf(target), temp_->path, temp_->registration);
  if (temp_->fd < 0) {
    const int error = errno;
    temp_->path.clear();
    if (const auto problem = FolderProblem(FolderOf(target))) return Fail(*problem);
    return Fail(ReasonFromErrno(error));
  }
  if (replaces) {
    // The new version keeps the old one's owner and group where the system
    // allows it: both for a privileged process, else the group when the
    // user belongs to it; failing that it stays the user's. A change of
    // owner clears the set-ID bits, so the permission bits come last.
    if (fchown(temp_->fd, existing.st_uid, existing.st_gid) != 0 &&
        fchown(temp_->fd, static_cast<uid_t>(-1), existing.st_gid) != 0) {
      // Kept as created.
    }
    if (fchmod(temp_->fd, existing.st_mode & 07777) != 0) return Fail(ReasonFromErrno(errno));
  }
  return std::nullopt;
}

std::optional<FileFailure> FileReplacer::Write(std::string_view bytes) {
  if (!temp_) return FileFailure{destination_, FailureReason::kUnknown};
  while (!bytes.empty()) {
    const ssize_t written = write(temp_->fd, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return Fail(ReasonFromErrno(errno));
    }
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return std::nullopt;
}

std::optional<FileFailure> FileReplacer::Commit() {
  if (!temp_) return FileFailure{destination_, FailureReason::kUnknown};
  // On the disk before the rename: a crash must not leave an empty file
  // under the destination's name.
  if (fsync(temp_->fd) != 0) return Fail(ReasonFromErrno(errno));
  const int fd = temp_->fd;
  temp_->fd = -1;
  if (close(fd) != 0) return Fail(ReasonFromErrno(errno));
  const fs::path target = FollowLinks(NativePath(destination_));
  if (rename(temp_->path.c_str(), target.c_str()) != 0) return Fail(ReasonFromErrno(errno));
  temp_->path.clear();
  temp_.reset();
  return std::nullopt;
}

}  // namespace peltarix

#endif
