#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/cli_messages.h"
#include "conversion/data_kinds.h"

namespace peltarix::cli {

enum class Verbosity { kQuiet, kNormal, kVerbose };

// Everything the command line asked for, checked for form but not yet
// against the file system.
struct CommandOptions {
  std::vector<std::string> sources;
  std::optional<std::string> output;
  DataKindSet kinds = DataKindSet::All();
  bool recursive = false;
  bool overwrite = false;
  bool fail_on_warning = false;
  Verbosity verbosity = Verbosity::kNormal;
  int jobs = 1;
  std::optional<std::string> report_path;
  // --preview: a plan picture as SVG, beside each CSV unless --preview=FILE
  // names it (one source only).
  bool preview = false;
  std::optional<std::string> preview_path;
};

// What parsing the arguments came to: options to act on, or an exit status
// with the text already printed (help, version, a usage error).
struct ParsedCommand {
  std::optional<CommandOptions> options;
  int exit_status = 0;
};

// Parses `argv` with CLI11; help and version go to `out`, usage errors to
// `err`, all in the language of `messages`.
ParsedCommand ParseCommandLine(int argc, const char* const* argv, const CliMessages& messages,
                               std::ostream& out, std::ostream& err);

// A comma-separated list of the data-kind table's words, compared without regard to ASCII
// case; the empty list ticks none. On an unknown item, `bad_item` names it.
std::optional<DataKindSet> ParseKinds(std::string_view list, std::string* bad_item = nullptr);

// SOURCE with its extension replaced by ".csv" (added when it has none).
std::string DefaultDestination(const std::string& source);

}  // namespace peltarix::cli
