#include "source/text_positions.h"

#include <algorithm>

#include "source/line_hash.h"

namespace peltarix {

std::size_t TextPositions::Seek(const SourceIndex& source, Entry& entry, std::size_t from) {
  const std::uint32_t* found = entry.last;
  if (found != entry.end && *found < from) {
    // Every position before `low` lies before `from`; steps double until one
    // does not, and the answer lies between.
    const std::uint32_t* low = found + 1;
    std::size_t step = 0;
    for (;;) {
      const std::uint32_t* high = low + std::min(step, static_cast<std::size_t>(entry.end - low));
      if (high == entry.end || *high >= from) {
        found = std::lower_bound(low, high, from);
        break;
      }
      low = high + 1;
      step = step == 0 ? 1 : step * 2;
    }
  } else if (found != entry.begin && found[-1] >= from) {
    found = std::lower_bound(entry.begin, found, from);
  }
  entry.last = found;
  return found == entry.end ? source.line_count() : *found;
}

TextPositions::Entry* TextPositions::Lookup(const SourceIndex& source, std::string_view text) {
  Hint& hint = HintFor(text);
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
