#include "source/text_positions.h"

#include <algorithm>

#include "source/line_hash.h"

namespace peltarix {

std::size_t TextPositions::Find(const SourceIndex& source, std::string_view text,
                                std::size_t from) {
  Entry* const entry = Lookup(source, text);
  if (entry == nullptr) return source.line_count();
  const std::uint32_t* found = entry->last;
  if (found != entry->end && *found >= from) {
    // Mostly the last answer again, or the one after it.
    if (found == entry->begin || found[-1] < from) return *found;
    found = std::lower_bound(entry->begin, found, from);
  } else if (found != entry->end) {
    // Every position before `low` lies before `from`; steps double until one
    // does not, and the answer lies between. The first step looks at the
    // next position alone: mostly the next record's.
    const std::uint32_t* low = found + 1;
    std::size_t step = 0;
    for (;;) {
      const std::uint32_t* high = low + std::min(step, static_cast<std::size_t>(entry->end - low));
      if (high == entry->end || *high >= from) {
        found = std::lower_bound(low, high, from);
        break;
      }
      low = high + 1;
      step = step == 0 ? 1 : step * 2;
    }
  } else if (found != entry->begin && found[-1] >= from) {
    found = std::lower_bound(entry->begin, found, from);
  }
  entry->last = found;
  return found == entry->end ? source.line_count() : *found;
}

TextPositions::Entry* TextPositions::Lookup(const SourceIndex& source, std::string_view text) {
  // A caller mostly names a text by the same buffer each time, or counts
  // numbered keys up in one buffer: the slot last found for the buffer, the
  // size and the last byte is tried first, by comparison alone.
  const std::size_t last_byte = text.empty() ? 0 : static_cast<unsigned char>(text.back());
  const std::uint64_t mixed =
      (reinterpret_cast<std::uintptr_t>(text.data()) + (text.size() << 8) + last_byte) *
      0x9e3779b97f4a7c15ULL;
  Hint& hint = hints_[mixed >> 56];
  if (hint.text == text.data() && hint.slot < entries_.size()) {
    Entry& entry = entries_[hint.slot];
    if (entry.text != nullptr && SameText(std::string_view(entry.text, entry.size), text)) {
      return &entry;
    }
  }
  const std::uint32_t hash = LineHash(text);
  if (entries_.empty() || used_ == kMostUsed) {
    entries_.assign(kSlots, Entry());
    used_ = 0;
  }
  std::size_t slot = hash & (kSlots - 1);
  while (entries_[slot].text != nullptr &&
         (entries_[slot].hash != hash ||
          !SameText(std::string_view(entries_[slot].text, entries_[slot].size), text))) {
    slot = (slot + 1) & (kSlots - 1);
  }
  Entry& entry = entries_[slot];
  if (entry.text == nullptr) {
    // A text without lines is not kept: it has no line to compare with.
    const auto positions = source.IndexedPositions(text);
    if (positions.empty()) return nullptr;
    ++used_;
    const std::string_view line = source.line(positions.front());
    entry = {line.data(),      static_cast<std::uint32_t>(line.size()), hash,
             positions.data(), positions.data() + positions.size(),     positions.data()};
  }
  hint = {text.data(), slot};
  return &entry;
}

}  // namespace peltarix
