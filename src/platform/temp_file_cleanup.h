#pragma once

#include <memory>
#include <string>

namespace peltarix {

// Temporary files that an interrupting signal must not leave behind. While a
// registration lives, SIGINT, SIGTERM or SIGHUP (once a front end has called
// InstallTempFileCleanup) removes its file before the process ends with the
// signal's usual result. Any number of runs on any threads may hold one.
class TempFileRegistration {
 public:
  // `native_path` is the path as the operating system spells it.
  explicit TempFileRegistration(std::string native_path);
  ~TempFileRegistration();
  TempFileRegistration(const TempFileRegistration&) = delete;
  TempFileRegistration& operator=(const TempFileRegistration&) = delete;

 private:
  // What the system's cleanup handler finds the file by; each system's unit
  // defines it.
  struct Registered;
  std::unique_ptr<Registered> registered_;
};

// Installs the signal handlers, once per process; signals that the process
// ignores (as under nohup) stay ignored. A file-size limit is made to fail
// the write (which the run reports) instead of killing the process.
// Call it from a front end's main before the first run.
void InstallTempFileCleanup();

}  // namespace peltarix
