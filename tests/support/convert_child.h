#pragma once

#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <optional>
#include <string>
#include <vector>

namespace peltarix::testing {

// The built peltarix-convert running as a child process, with standard
// output and error in `log_path`, optionally under an address-space limit.
class ConvertChild {
 public:
  ConvertChild(std::vector<std::string> arguments, const std::string& log_path,
               std::optional<rlim_t> address_space_limit = std::nullopt,
               std::optional<rlim_t> file_size_limit = std::nullopt) {
    arguments.insert(arguments.begin(), PELTARIX_CONVERT_BINARY);
    std::vector<char*> argv;
    for (std::string& argument : arguments) argv.push_back(argument.data());
    argv.push_back(nullptr);
    pid_ = fork();
    if (pid_ != 0) return;
    const int log = open(log_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    dup2(log, STDOUT_FILENO);
    dup2(log, STDERR_FILENO);
    if (address_space_limit) {
      // One malloc arena keeps the address space the process needs steady.
      setenv("MALLOC_ARENA_MAX", "1", 1);
      const rlimit limit{*address_space_limit, *address_space_limit};
      setrlimit(RLIMIT_AS, &limit);
    }
    if (file_size_limit) {
      const rlimit limit{*file_size_limit, *file_size_limit};
      setrlimit(RLIMIT_FSIZE, &limit);
    }
    execv(argv[0], argv.data());
    _exit(127);
  }
  ~ConvertChild() {
    if (pid_ > 0 && !status_) {
      kill(pid_, SIGKILL);
      Wait();
    }
  }
  ConvertChild(const ConvertChild&) = delete;
  ConvertChild& operator=(const ConvertChild&) = delete;

  void Signal(int signal_number) { kill(pid_, signal_number); }
  bool Exited() {
    int status = 0;
    if (!status_ && waitpid(pid_, &status, WNOHANG) == pid_) status_ = status;
    return status_.has_value();
  }
  // The wait status, as waitpid gives it.
  int Wait() {
    if (!status_) {
      int status = 0;
      waitpid(pid_, &status, 0);
      status_ = status;
    }
    return *status_;
  }

 private:
  pid_t pid_ = -1;
  std::optional<int> status_;
};

// A source of a sound two-storey building with `count` columns: about 130
// bytes of source and of CSV each.
inline std::string ManyColumnsSource(const std::string& info_section, int count) {
  std::string source = info_section + "HEIMENZU\nQVDTSMR\n/HASIRA\n" + std::to_string(count) +
                       "\nQVDTSMREND\nQVDTDTL\n";
  for (int number = 1; number <= count; ++number) {
    source += "/HASIRA\n" + std::to_string(number) +
              "\n//KIND\n0\n//KAI\n1F\n//WDTX\n105\n//WDTY\n105\n//POSX\n" +
              std::to_string(number * 10) + "\n//POSY\n0\nENDSEC\n";
  }
  return source + "QVDTDTLEND\nHEIMENZUEND\n";
}

}  // namespace peltarix::testing
