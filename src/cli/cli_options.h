#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "run/data_kinds.h"

namespace peltarix::cli {

// One data kind as the command line names it: the --kinds word and the
// window's caption, in the order of the window's check boxes.
struct KindWord {
  std::string_view word;
  std::string_view caption;
};
inline constexpr KindWord kKindWords[] = {
    {"basic", "基本情報"}, {"outline", "建物概要"}, {"columns", "柱"},
    {"perimeter", "外周"}, {"rooms", "部屋"},       {"roofs", "屋根"},
};

enum class Verbosity { kQuiet, kNormal, kVerbose };

// Everything the command line asked for, checked for form but not yet
// against the file system.
struct CommandOptions {
  std::vector<std::string> sources;
  std::optional<std::string> output;
  DataKinds kinds;
  bool recursive = false;
  bool overwrite = false;
  bool fail_on_warning = false;
  Verbosity verbosity = Verbosity::kNormal;
  int jobs = 1;
  std::optional<std::string> report_path;
};

// What parsing the arguments came to: options to act on, or an exit status
// with the text already printed (help, version, a usage error).
struct ParsedCommand {
  std::optional<CommandOptions> options;
  int exit_status = 0;
};

// Parses `argv` with CLI11; help and version go to `out`, usage errors to `err`.
ParsedCommand ParseCommandLine(int argc, const char* const* argv, std::ostream& out,
                               std::ostream& err);

// A comma-separated list of kind words, compared without regard to ASCII
// case; the empty list ticks none. On an unknown item, `bad_item` names it.
std::optional<DataKinds> ParseKinds(std::string_view list, std::string* bad_item = nullptr);

// SOURCE with its extension replaced by ".csv" (added when it has none).
std::string DefaultDestination(const std::string& source);

}  // namespace peltarix::cli
