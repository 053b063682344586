#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

#include "source/source_index.h"

namespace peltarix {

// Finds indexed lines the way a run's lookups ask for them: the same few
// texts again and again, each a little further on than the last time. Each
// text remembers which of its lines answered last; the next answer is
// searched for from there, in steps that double (forward) or among the lines
// before it (backward), rather than among all of its lines.
class TextPositions {
 public:
  // The position of the first line at or after `from` that equals `text`,
  // an indexed text (see SourceIndex::IsIndexed); line_count() when none.
  std::size_t Find(const SourceIndex& source, std::string_view text, std::size_t from);

  // Forgets every text; needed before the next lookup in another index.
  void Clear() { texts_.clear(); }

 private:
  struct Lines {
    std::span<const std::uint32_t> positions;  // in the source's index
    std::size_t last_answer = 0;               // a place in `positions`
  };
  TextMap<Lines> texts_;
};

}  // namespace peltarix
