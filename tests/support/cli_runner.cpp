#include "support/cli_runner.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <sstream>

#ifdef _WIN32
#include <windows.h>

#include "platform/utf16_windows.h"
#else
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

#include "cli/convert_command.h"
#include "support/temp_dir.h"

namespace peltarix::testing {
namespace {

#ifdef _WIN32

// One argument as the C runtime splits a command line: in quotes, with the
// backslashes before a quote doubled and the quote escaped.
std::wstring Quoted(const std::wstring& argument) {
  std::wstring quoted = L"\"";
  std::size_t backslashes = 0;
  for (const wchar_t c : argument) {
    if (c == L'\\') {
      ++backslashes;
      continue;
    }
    quoted.append(c == L'"' ? 2 * backslashes + 1 : backslashes, L'\\');
    backslashes = 0;
    quoted += c;
  }
  quoted.append(2 * backslashes, L'\\');
  return quoted + L"\"";
}

HANDLE InheritableFile(const std::string& path, DWORD access, DWORD disposition) {
  SECURITY_ATTRIBUTES inherit{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
  return CreateFileW(Utf16FromUtf8(path).c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE,
                     &inherit, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
}

// Runs the binary with its output in files; the exit status, or -1.
int RunBinary(const std::vector<std::string>& arguments, UserLanguage, const std::string& out_path,
              const std::string& err_path) {
  std::wstring program = Utf16FromUtf8(PELTARIX_CONVERT_BINARY);
  std::replace(program.begin(), program.end(), L'/', L'\\');
  std::wstring command_line = Quoted(program);
  for (const std::string& argument : arguments) {
    command_line += L" " + Quoted(Utf16FromUtf8(argument));
  }
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = InheritableFile("NUL", GENERIC_READ, OPEN_EXISTING);
  startup.hStdOutput = InheritableFile(out_path, GENERIC_WRITE, CREATE_ALWAYS);
  startup.hStdError = InheritableFile(err_path, GENERIC_WRITE, CREATE_ALWAYS);
  PROCESS_INFORMATION process{};
  const bool started = CreateProcessW(program.c_str(), command_line.data(), nullptr, nullptr, TRUE,
                                      0, nullptr, nullptr, &startup, &process);
  DWORD status = static_cast<DWORD>(-1);
  if (started) {
    WaitForSingleObject(process.hProcess, INFINITE);
    GetExitCodeProcess(process.hProcess, &status);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
  }
  for (const HANDLE handle : {startup.hStdInput, startup.hStdOutput, startup.hStdError}) {
    CloseHandle(handle);
  }
  return started ? static_cast<int>(status) : -1;
}

#else

std::string ShellQuoted(const std::string& text) {
  std::string quoted = "'";
  for (const char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

int RunBinary(const std::vector<std::string>& arguments, UserLanguage language,
              const std::string& out_path, const std::string& err_path) {
  std::string command = language == UserLanguage::kJapanese ? "LC_ALL=ja_JP.UTF-8 " : "LC_ALL=C ";
  command += ShellQuoted(PELTARIX_CONVERT_BINARY);
  for (const std::string& argument : arguments) command += " " + ShellQuoted(argument);
  command += " >" + ShellQuoted(out_path) + " 2>" + ShellQuoted(err_path) + " </dev/null";
  const int status = std::system(command.c_str());
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

#endif

}  // namespace

CliResult RunConvertBinary(const std::vector<std::string>& arguments, UserLanguage language) {
  const TempDir capture;
  const std::string out_path = capture.File("out.txt");
  const std::string err_path = capture.File("err.txt");
  CliResult result;
  result.exit_status = RunBinary(arguments, language, out_path, err_path);
  result.out = ReadBytes(out_path);
  result.err = ReadBytes(err_path);
  return result;
}

#ifndef _WIN32

CliResult RunConvertBinaryIntoClosedPipe(const std::vector<std::string>& arguments) {
  const TempDir capture;
  const std::string err_path = capture.File("err.txt");
  std::vector<std::string> argv_text{PELTARIX_CONVERT_BINARY};
  argv_text.insert(argv_text.end(), arguments.begin(), arguments.end());
  std::vector<char*> argv;
  for (std::string& argument : argv_text) argv.push_back(argument.data());
  argv.push_back(nullptr);

  int pipe_ends[2];
  if (pipe(pipe_ends) != 0) return {};
  close(pipe_ends[0]);  // the reader is gone before the first byte
  const pid_t child = fork();
  if (child == 0) {
    const int err = open(err_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    dup2(pipe_ends[1], STDOUT_FILENO);
    dup2(err, STDERR_FILENO);
    execv(argv[0], argv.data());
    _exit(127);
  }
  close(pipe_ends[1]);
  int status = 0;
  waitpid(child, &status, 0);
  CliResult result;
  result.exit_status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  result.err = ReadBytes(err_path);
  return result;
}
#else
// Windows sends no signal for a closed pipe: the write merely fails, as in
// any other run whose output goes nowhere.
CliResult RunConvertBinaryIntoClosedPipe(const std::vector<std::string>& arguments) {
  return RunConvertBinary(arguments);
}
#endif

CliResult RunConvertInProcess(const std::vector<std::string>& arguments,
                              const std::string& stdin_bytes, bool err_is_terminal,
                              UserLanguage language) {
  std::vector<const char*> argv{"peltarix-convert"};
  for (const std::string& argument : arguments) argv.push_back(argument.c_str());
  std::istringstream in(stdin_bytes);
  std::ostringstream out;
  std::ostringstream err;
  CliResult result;
  result.exit_status = cli::RunConvertCommand(static_cast<int>(argv.size()), argv.data(),
                                              {in, out, err, err_is_terminal}, language);
  result.out = out.str();
  result.err = err.str();
  return result;
}

std::string SamplePath() { return std::string(PELTARIX_SOURCE_DIR) + "/examples/sample.QV"; }

std::vector<std::string> CrLfLines(const std::string& bytes) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < bytes.size()) {
    const std::size_t lf = bytes.find('\n', start);
    if (lf == std::string::npos) {
      ADD_FAILURE() << "last line has no line end";
      lines.push_back(bytes.substr(start));
      break;
    }
    const bool crlf = lf > start && bytes[lf - 1] == '\r';
    EXPECT_TRUE(crlf) << "line " << lines.size() << " ends in LF only";
    lines.push_back(bytes.substr(start, (crlf ? lf - 1 : lf) - start));
    start = lf + 1;
  }
  return lines;
}

std::vector<std::string> LfLines(const std::string& text) {
  std::vector<std::string> lines;
  for (std::size_t start = 0; start < text.size();) {
    const std::size_t end = std::min(text.find('\n', start), text.size());
    lines.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return lines;
}

std::vector<std::string> Fields(std::string_view line) {
  if (!line.empty() && line.back() == '\n') line.remove_suffix(1);
  std::vector<std::string> fields(1);
  for (const char c : line) {
    if (c == ',') {
      fields.emplace_back();
    } else {
      fields.back() += c;
    }
  }
  return fields;
}

}  // namespace peltarix::testing
