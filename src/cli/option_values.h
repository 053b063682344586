#pragma once

#include <optional>
#include <string>
#include <vector>

namespace peltarix::cli {

// The command line made ready for CLI11, so that an option never takes a
// SOURCE for its value:
// - `--kinds LIST` takes the next argument only when it is a list of kinds
//   (`--kinds house.QV` would otherwise leave no source); `--kinds=LIST`
//   always. A bare `--kinds` without a list is `kinds_without_list`.
// - `--preview` is read here and taken out: it takes a file name after "=",
//   or the next argument when it ends in ".svg"; alone (or with "=" and no
//   name) it draws each picture beside its CSV. The last one counts.
// Everything after "--" is a SOURCE and stays as it is.
struct ReadyArguments {
  std::vector<std::string> arguments;
  bool kinds_without_list = false;
  bool preview = false;
  std::optional<std::string> preview_name;
};

ReadyArguments AttachOptionValues(int argc, const char* const* argv);

}  // namespace peltarix::cli
