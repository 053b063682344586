#include "cli/cli_options.h"

#include <filesystem>

namespace peltarix::cli {

std::optional<DataKindSet> ParseKinds(std::string_view list) {
  DataKindSet kinds = DataKindSet::None();
  if (list.empty()) return kinds;
  while (true) {
    const std::size_t comma = list.find(',');
    const std::optional<DataKind> kind = DataKindFromWord(list.substr(0, comma));
    if (!kind) return std::nullopt;
    kinds.Set(*kind);
    if (comma == std::string_view::npos) return kinds;
    list.remove_prefix(comma + 1);
  }
}

std::string DefaultDestination(const std::string& source) {
  std::filesystem::path path(source);
  path.replace_extension(".csv");
  return path.string();
}

}  // namespace peltarix::cli
