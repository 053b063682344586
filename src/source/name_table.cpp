#include "source/name_table.h"

#include <stdexcept>

namespace peltarix {

std::uint32_t NameTable::Find(const char* bytes, std::string_view text) const {
  const std::uint64_t head = Head(text.data(), text.size(), text.size());
  const std::size_t mask = slots_.size() - 1;
  for (std::size_t slot = Hash(head, text.data(), text.size()) >> shift_;;
       slot = (slot + 1) & mask) {
    const std::uint32_t entry = slots_[slot];
    if (entry == kNone) return kNone;
    if (Holds(entries_[entry], bytes, text.data(), text.size(), head)) return entry;
  }
}

void NameTable::AddLines(const char* bytes, std::size_t size, std::span<const Line> lines,
                         std::uint32_t* numbers) {
  const auto add = [&](std::uint32_t entry) {
    ++entries_[entry].lines;
    *numbers++ = entry;
    return entry;
  };
  std::uint32_t previous = previous_;
  if (previous == kNone && !lines.empty()) {
    const Line& first = lines.front();
    const std::size_t length = first.end - first.begin;
    previous = add(
        Probe(bytes, first.begin, length, Head(bytes + first.begin, length, size - first.begin)));
    lines = lines.subspan(1);
  }
  // Names come in the same order again and again (the keys of one kind of
  // record after each other), so the text that followed the previous one
  // last time is tried before the hash table.
  for (const Line& line : lines) {
    const char* const text = bytes + line.begin;
    const std::size_t length = line.end - line.begin;
    const std::uint64_t head = Head(text, length, size - line.begin);
    std::uint32_t entry = entries_[previous].link;
    if (!Holds(entries_[entry], bytes, text, length, head)) [[unlikely]] {
      entry = Probe(bytes, line.begin, length, head);
      entries_[previous].link = entry;
    }
    previous = add(entry);
  }
  previous_ = previous;
}

std::uint32_t NameTable::Probe(const char* bytes, std::size_t at, std::size_t size,
                               std::uint64_t head) {
  const char* const text = bytes + at;
  const std::size_t mask = slots_.size() - 1;
  for (std::size_t slot = Hash(head, text, size) >> shift_;; slot = (slot + 1) & mask) {
    const std::uint32_t entry = slots_[slot];
    if (entry == kNone) return Insert(bytes, slot, head, at, size);
    if (Holds(entries_[entry], bytes, text, size, head)) return entry;
  }
}

std::uint32_t NameTable::Insert(const char* bytes, std::size_t slot, std::uint64_t head,
                                std::size_t at, std::size_t size) {
  const auto entry = static_cast<std::uint32_t>(entries_.size());
  if (entry == kNone) throw std::length_error("too many distinct names");
  entries_.push_back(
      {head, static_cast<std::uint32_t>(at), static_cast<std::uint32_t>(size), 0, entry});
  // At most half the slots in use keeps the runs of the open addressing short.
  if (2 * entries_.size() <= slots_.size()) {
    slots_[slot] = entry;
    return entry;
  }
  std::vector<std::uint32_t> grown(slots_.size() * 2, kNone);
  --shift_;
  const std::size_t mask = grown.size() - 1;
  for (std::uint32_t rehashed = 0; rehashed <= entry; ++rehashed) {
    const Entry& moved = entries_[rehashed];
    std::size_t free = Hash(moved.head, bytes + moved.at, moved.size) >> shift_;
    while (grown[free] != kNone) free = (free + 1) & mask;
    grown[free] = rehashed;
  }
  slots_ = std::move(grown);
  return entry;
}

std::uint32_t NameTable::AssignStarts() {
  std::uint32_t total = 0;
  for (Entry& entry : entries_) {
    entry.link = total;
    total += entry.lines;
  }
  return total;
}

}  // namespace peltarix
