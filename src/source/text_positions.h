#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

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
  std::size_t Find(const SourceIndex& source, std::string_view text, std::size_t from);

  // Forgets every text; needed before the next lookup in another index.
  void Clear() {
    entries_.clear();
    used_ = 0;
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
};

}  // namespace peltarix
