#include "source/source_index.h"

#include <algorithm>

namespace peltarix {

SourceIndex::SourceIndex(SourceSnapshot snapshot) : snapshot_(std::move(snapshot)) {
  const std::size_t count = snapshot_.line_count();
  for (std::size_t position = 0; position < count; ++position) {
    const std::string_view text = snapshot_.line(position);
    if (!IsIndexed(text)) continue;
    auto found = name_lines_.find(text);
    if (found == name_lines_.end())
      found = name_lines_.emplace(std::string(text), std::vector<std::uint32_t>()).first;
    found->second.push_back(static_cast<std::uint32_t>(position));
  }
}

std::span<const std::uint32_t> SourceIndex::IndexedPositions(std::string_view text) const {
  const auto found = name_lines_.find(text);
  if (found == name_lines_.end()) return {};
  return found->second;
}

std::size_t SourceIndex::Find(std::string_view text, std::size_t from, std::size_t stop) const {
  stop = std::min(stop, line_count());
  if (IsIndexed(text)) {
    const auto positions = IndexedPositions(text);
    const auto found = std::lower_bound(positions.begin(), positions.end(), from);
    return found == positions.end() ? stop : std::min<std::size_t>(*found, stop);
  }
  for (std::size_t position = from; position < stop; ++position) {
    if (snapshot_.line(position) == text) return position;
  }
  return stop;
}

std::vector<std::uint32_t> SourceIndex::FindAll(std::string_view text) const {
  if (IsIndexed(text)) {
    const auto positions = IndexedPositions(text);
    return {positions.begin(), positions.end()};
  }
  std::vector<std::uint32_t> positions;
  for (std::size_t position = Find(text, 0); position < line_count();
       position = Find(text, position + 1)) {
    positions.push_back(static_cast<std::uint32_t>(position));
  }
  return positions;
}

}  // namespace peltarix
