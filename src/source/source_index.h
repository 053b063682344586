#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string_view>
#include <vector>

#include "source/name_table.h"
#include "source/source_snapshot.h"

namespace peltarix {

// A snapshot of the source file with the positions of its name lines, so that
// a scan can jump from one interesting line to the next instead of reading
// every line between them.
//
// The lookups search for section, group and key names and the block and
// record terminators, all of which begin with a capital letter or a slash.
// Only lines that begin so are indexed, grouped by a hash of their text: the
// numbers that fill most of a source are never searched for and cost nothing
// but their line bounds. Any other text is found by reading the lines.
class SourceIndex {
 public:
  SourceIndex() = default;
  explicit SourceIndex(SourceSnapshot snapshot);

  std::size_t line_count() const { return snapshot_.line_count(); }
  std::string_view line(std::size_t position) const { return snapshot_.line(position); }
  bool last_line_reaches_eof() const { return snapshot_.last_line_reaches_eof(); }

  // The position of the first line at or after `from` that equals `text`;
  // line_count() when there is none.
  std::size_t Find(std::string_view text, std::size_t from) const;

  // Ascending positions of every line that equals `text`.
  std::vector<std::uint32_t> FindAll(std::string_view text) const;

  // Ascending positions of every line that equals `text`, when `text` is
  // indexed (see IsIndexed); empty otherwise.
  std::span<const std::uint32_t> IndexedPositions(std::string_view text) const;

  // Whether lines equal to `text` are in the index.
  static bool IsIndexed(std::string_view text) {
    return !text.empty() && SourceSnapshot::BeginsName(text.front());
  }

 private:
  SourceSnapshot snapshot_;
  NameTable texts_;
  // The positions of the name lines, grouped by text number, ascending
  // within one.
  std::unique_ptr<std::uint32_t[]> positions_;
};

}  // namespace peltarix
