#include "preview/record_fields.h"

namespace peltarix {

std::vector<std::string_view> SplitRecordFields(std::string_view line) {
  while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.remove_suffix(1);
  std::vector<std::string_view> fields;
  std::size_t at = 0;
  while (true) {
    if (at < line.size() && line[at] == '"') {
      std::size_t close = line.find("\",", at + 1);
      if (close == std::string_view::npos) {
        // The last field: its closing quote ends the line.
        close = line.size() > at + 1 && line.back() == '"' ? line.size() - 1 : line.size();
      }
      fields.push_back(line.substr(at + 1, close - at - 1));
      at = close + 2;
      if (at > line.size()) break;
      continue;
    }
    const std::size_t comma = line.find(',', at);
    if (comma == std::string_view::npos) {
      fields.push_back(line.substr(at));
      break;
    }
    fields.push_back(line.substr(at, comma - at));
    at = comma + 1;
  }
  return fields;
}

}  // namespace peltarix
