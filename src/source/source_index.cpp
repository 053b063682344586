#include "source/source_index.h"

#include <algorithm>

#include "source/line_hash.h"

namespace peltarix {

SourceIndex::SourceIndex(SourceSnapshot snapshot)
    : snapshot_(std::move(snapshot)), slots_(1024, kFree) {
  const std::size_t count = snapshot_.line_count();
  // Each line's entry (kFree when not indexed), so that every entry's
  // positions then get one place in a single array. Sized once: a growing
  // array would hold one and a half times its size at its last growth, the
  // peak of the whole read.
  std::vector<std::uint32_t> entry_of_line(count, kFree);
  for (std::size_t position = 0; position < count; ++position) {
    const std::string_view text = snapshot_.line(position);
    if (!IsIndexed(text)) continue;
    const std::uint32_t hash = LineHash(text);
    std::size_t slot = Slot(text, hash);
    if (slots_[slot] == kFree) {
      if (2 * (entries_.size() + 1) > slots_.size()) {
        Grow();
        slot = Slot(text, hash);
      }
      slots_[slot] = static_cast<std::uint32_t>(entries_.size());
      entries_.push_back({hash, static_cast<std::uint32_t>(position), 0, 0});
    }
    const std::uint32_t entry = slots_[slot];
    ++entries_[entry].end;
    entry_of_line[position] = entry;
  }
  std::uint32_t total = 0;
  for (Entry& entry : entries_) {
    entry.begin = total;
    total += entry.end;
    entry.end = entry.begin;
  }
  positions_.resize(total);
  for (std::size_t position = 0; position < count; ++position) {
    const std::uint32_t entry = entry_of_line[position];
    if (entry != kFree) positions_[entries_[entry].end++] = static_cast<std::uint32_t>(position);
  }
}

std::size_t SourceIndex::Slot(std::string_view text, std::uint32_t hash) const {
  const std::size_t mask = slots_.size() - 1;
  for (std::size_t slot = hash & mask;; slot = (slot + 1) & mask) {
    const std::uint32_t entry = slots_[slot];
    if (entry == kFree) return slot;
    if (entries_[entry].hash == hash && SameText(snapshot_.line(entries_[entry].line), text))
      return slot;
  }
}

void SourceIndex::Grow() {
  std::vector<std::uint32_t> grown(slots_.size() * 2, kFree);
  const std::size_t mask = grown.size() - 1;
  for (std::uint32_t entry = 0; entry < entries_.size(); ++entry) {
    std::size_t slot = entries_[entry].hash & mask;
    while (grown[slot] != kFree) slot = (slot + 1) & mask;
    grown[slot] = entry;
  }
  slots_ = std::move(grown);
}

std::span<const std::uint32_t> SourceIndex::IndexedPositions(std::string_view text) const {
  if (slots_.empty()) return {};
  const std::uint32_t entry = slots_[Slot(text, LineHash(text))];
  if (entry == kFree) return {};
  return {positions_.data() + entries_[entry].begin, positions_.data() + entries_[entry].end};
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
