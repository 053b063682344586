#include "source/source_index.h"

#include <algorithm>
#include <bit>

#include "source/line_hash.h"

namespace peltarix {

SourceIndex::SourceIndex(SourceSnapshot snapshot) : snapshot_(std::move(snapshot)) {
  SourceSnapshot::NameLines names = snapshot_.TakeNameLines();
  texts_ = std::move(names.texts);
  const std::uint32_t name_line_count = texts_.AssignStarts();
  if (name_line_count == 0) return;
  positions_ = std::make_unique_for_overwrite<std::uint32_t[]>(name_line_count);
  // Each text's next free place, in the order the name lines were read.
  std::vector<std::uint32_t> next(texts_.size());
  for (std::uint32_t text = 0; text < next.size(); ++text) next[text] = texts_.start(text);
  const std::uint32_t* text_number = names.text_numbers.get();
  std::uint32_t* const positions = positions_.get();
  for (std::size_t word = 0; word < names.marks.size(); ++word) {
    for (std::uint64_t marks = names.marks[word]; marks != 0; marks &= marks - 1) {
      const auto position = static_cast<std::uint32_t>(64 * word + std::countr_zero(marks));
      positions[next[*text_number++]++] = position;
    }
  }
}

std::span<const std::uint32_t> SourceIndex::IndexedPositions(std::string_view text) const {
  const std::uint32_t found = texts_.Find(snapshot_.bytes(), text);
  if (found == NameTable::kNone) return {};
  const std::uint32_t* const start = positions_.get() + texts_.start(found);
  return {start, start + texts_.lines(found)};
}

std::size_t SourceIndex::Find(std::string_view text, std::size_t from) const {
  const std::size_t count = line_count();
  if (IsIndexed(text)) {
    const auto positions = IndexedPositions(text);
    const auto found = std::lower_bound(positions.begin(), positions.end(), from);
    return found == positions.end() ? count : *found;
  }
  for (std::size_t position = from; position < count; ++position) {
    if (SameText(snapshot_.line(position), text)) return position;
  }
  return count;
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
