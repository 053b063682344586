#include <windows.h>
// after windows.h, which it needs
#include <shellapi.h>

#include <memory>

#include "platform/utf16_windows.h"
#include "platform/wide_arguments.h"

namespace peltarix {
namespace {

struct LocalFreer {
  void operator()(LPWSTR* arguments) const { LocalFree(arguments); }
};

}  // namespace

std::vector<std::string> Utf8Arguments(int argc, char** argv) {
  int count = 0;
  const std::unique_ptr<LPWSTR, LocalFreer> wide(CommandLineToArgvW(GetCommandLineW(), &count));
  // Without a wide command line, the narrow one is all there is.
  if (!wide) return std::vector<std::string>(argv, argv + argc);
  std::vector<std::string> arguments;
  arguments.reserve(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) arguments.push_back(Utf8FromUtf16(wide.get()[i]));
  return arguments;
}

}  // namespace peltarix
