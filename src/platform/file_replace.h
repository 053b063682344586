#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "platform/failure_reason.h"

namespace peltarix {

// The file that replacing `destination` writes: the destination itself, or
// for a symbolic link the file it finally points at (the link is kept).
std::string ReplaceTarget(const std::string& destination);

// Whether `destination` could be replaced, without touching it: its folder
// exists and takes a new file (checked by creating and removing one), and
// the destination, when it exists, is a writable regular file. The failure
// names `destination`.
std::optional<FileFailure> CheckReplaceable(const std::string& destination);

// Writes a new version of a file beside it and puts it in place in one step,
// so the file holds either its old bytes or all of the new ones. Until
// Commit succeeds the destination is not touched; a replacer destroyed
// without Commit removes its temporary file, and so does SIGINT, SIGTERM or
// SIGHUP meanwhile (see temp_file_cleanup.h). The new file replaces an
// existing one with its permission bits, and its owner and group where the
// system permits (POSIX: owner and group as root, else the group when the
// user belongs to it); other hard links to the old file keep its old bytes.
class FileReplacer {
 public:
  explicit FileReplacer(std::string destination);
  ~FileReplacer();
  FileReplacer(const FileReplacer&) = delete;
  FileReplacer& operator=(const FileReplacer&) = delete;

  // Each returns the failure, naming the destination, or nothing. After a
  // failure the replacer only cleans up.
  std::optional<FileFailure> Open();
  std::optional<FileFailure> Write(std::string_view bytes);
  // Flushes the data to the disk, closes the file and renames it over the
  // destination.
  std::optional<FileFailure> Commit();

  struct Temp;  // the platform's open temporary file

 private:
  std::optional<FileFailure> Fail(FailureReason reason);

  std::string destination_;
  std::unique_ptr<Temp> temp_;
};

}  // namespace peltarix
