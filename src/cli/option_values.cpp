#include "cli/option_values.h"

#include <string_view>

#include "cli/cli_options.h"

namespace peltarix::cli {
namespace {

constexpr std::string_view kKindsEq = "--kinds=";
constexpr std::string_view kPreviewEq = "--preview=";

bool EndsWithSvg(std::string_view argument) {
  if (argument.size() < 4) return false;
  std::string extension(argument.substr(argument.size() - 4));
  for (char& c : extension) c = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
  return extension == ".svg";
}

// CLI11 reads "--kinds=" as "--kinds" waiting for a value and would take the
// next argument for it: the empty list goes as an argument of its own.
void AppendKinds(std::vector<std::string>& arguments, std::string_view list) {
  if (list.empty()) {
    arguments.emplace_back("--kinds");
    arguments.emplace_back();
  } else {
    arguments.push_back("--kinds=" + std::string(list));
  }
}

}  // namespace

ReadyArguments AttachOptionValues(int argc, const char* const* argv) {
  ReadyArguments ready;
  std::vector<std::string>& arguments = ready.arguments;
  bool options_ended = false;
  for (int i = 0; i < argc; ++i) {
    const std::string_view argument = argv[i];
    const bool has_next = i + 1 < argc;
    if (options_ended || i == 0) {
      arguments.emplace_back(argument);
    } else if (argument == "--") {
      options_ended = true;
      arguments.emplace_back(argument);
    } else if (argument.starts_with(kKindsEq)) {
      AppendKinds(arguments, argument.substr(kKindsEq.size()));
    } else if (argument == "--kinds") {
      if (has_next && ParseKinds(argv[i + 1])) {
        AppendKinds(arguments, argv[++i]);
      } else {
        ready.kinds_without_list = true;
      }
    } else if (argument.starts_with(kPreviewEq) || argument == "--preview") {
      ready.preview = true;
      ready.preview_name.reset();
      if (argument.size() > kPreviewEq.size()) {
        ready.preview_name = std::string(argument.substr(kPreviewEq.size()));
      } else if (argument == "--preview" && has_next && EndsWithSvg(argv[i + 1])) {
        ready.preview_name = std::string(argv[++i]);
      }
    } else {
      arguments.emplace_back(argument);
    }
  }
  return ready;
}

}  // namespace peltarix::cli
