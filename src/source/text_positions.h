#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "source/line_hash.h"
#include "source/source_index.h"

namespace peltarix {

// Finds indexed lines the way a run's lookups ask for them: the same few
// texts again and again, each a little further on than the last time. Each
// text keeps its positions and the place of its last answer, from which the
// next answer is found by galloping forward rather than by searching all of
// its positions; a step back is searched among the positions before it.
class TextPositions {
 public:
  // The position of the first line at or after `from` that equals `text`,
  // an indexed text (see SourceIndex::IsIndexed); line_count() when none.
  std::size_t Find(const SourceIndex& source, std::string_view text, std::size_t from) {
    Entry* entry = HintedEntry(text);
    if (entry == nullptr) entry = Lookup(source, text);
    if (entry == nullptr) return source.line_count();
    // Mostly the last answer again, or the one after it.
    const std::uint32_t* const last = entry->last;
    if (last != entry->end) {
      if (*last >= from) {
        if (last == entry->begin || last[-1] < from) return *last;
      } else if (last + 1 != entry->end && last[1] >= from) {
        entry->last = last + 1;
        return last[1];
      }
    }
    return Seek(source, *entry, from);
  }

  // Forgets every text; needed before the next lookup in another index.
  void Clear() {
    entries_.clear();
    used_ = 0;
    hints_.fill(Hint());
  }

 private:
  struct Entry {
    const char* text = nullptr;  // a line holding the text, in the source
    std::uint32_t size = 0;
    std::uint32_t hash = 0;
    const std::uint32_t* begin = nullptr;
    const std::uint32_t* end = nullptr;
    const std::uint32_t* last = nullptr;  // the last answer
  };
  // Open addressing by hash, made on first use. A run asks for a few dozen
  // texts; numbered keys of long outlines are many, each asked for once, so
  // a full table starts afresh rather than grows.
  static constexpr std::size_t kSlots = 1024;
  static constexpr std::size_t kMostUsed = kSlots / 2;
  std::vector<Entry> entries_;
  std::size_t used_ = 0;

  // The entry of `text`, made on first use; null for a text without lines.
  Entry* Lookup(const SourceIndex& source, std::string_view text);
  // Find's answer from anywhere among the entry's positions.
  std::size_t Seek(const SourceIndex& source, Entry& entry, std::size_t from);

  // A caller mostly names a text by the same buffer each time, or counts
  // numbered keys up in one buffer: the slot last found for the buffer, the
  // size and the last byte is tried first, by comparison alone.
  struct Hint {
    const char* text = nullptr;
    std::size_t slot = 0;
  };
  std::array<Hint, 256> hints_{};  // indexed by the top byte of a hash
  Hint& HintFor(std::string_view text) {
    const std::size_t last_byte = text.empty() ? 0 : static_cast<unsigned char>(text.back());
    const std::uint64_t mixed =
        (reinterpret_cast<std::uintptr_t>(text.data()) + (text.size() << 8) + last_byte) *
        0x9e3779b97f4a7c15ULL;
    return hints_[mixed >> 56];
  }
  Entry* HintedEntry(std::string_view text) {
    const Hint& hint = HintFor(text);
    if (hint.text != text.data() || hint.slot >= entries_.size()) return nullptr;
    Entry& entry = entries_[hint.slot];
    if (entry.text == nullptr || !SameText(std::string_view(entry.text, entry.size), text)) {
      return nullptr;
    }
    return &entry;
  }
};

}  // namespace peltarix
