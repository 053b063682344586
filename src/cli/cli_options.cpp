#include "cli/cli_options.h"

#include <filesystem>

#include "platform/utf8_path.h"

namespace peltarix::cli {

std::optional<DataKinds> ParseKinds(std::string_view list) {
  DataKinds kinds = DataKinds::None();
  bool* const flags[] = {&kinds.basic_info, &kinds.building_outline,
                         &kinds.columns,    &kinds.perimeter,
                         &kinds.rooms,      &kinds.roofs};
  if (list.empty()) return kinds;
  while (true) {
    const std::size_t comma = list.find(',');
    const std::string_view word = list.substr(0, comma);
    bool known = false;
    for (std::size_t i = 0; i < std::size(kKindWords); ++i) {
      if (word == kKindWords[i]) {
        *flags[i] = true;
        known = true;
      }
    }
    if (!known) return std::nullopt;
    if (comma == std::string_view::npos) return kinds;
    list.remove_prefix(comma + 1);
  }
}

std::string DefaultDestination(const std::string& source) {
  std::filesystem::path path = platform::PathFromUtf8(source);
  path.replace_extension(".csv");
  return platform::Utf8FromPath(path);
}

}  // namespace peltarix::cli
