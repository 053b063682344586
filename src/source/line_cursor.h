#pragma once

#include <cstddef>
#include <initializer_list>
#include <string_view>

#include "source/source_index.h"

namespace peltarix {

// The reading position of one scan over a snapshot: the next line to read
// and whether the end of the file has been met. Reading at the end yields
// an empty line and sets the end-of-file condition, as a text stream does.
struct LineCursor {
  std::size_t next = 0;
  bool at_eof = false;

  // The cursor just after reading the line at `position`.
  static LineCursor After(const SourceIndex& source, std::size_t position);
};

// Reads one line.
std::string_view ReadLine(const SourceIndex& source, LineCursor& cursor);

// Reads lines until one equals one of `targets` and returns that target's
// place in the list (the first listed wins when two are equal), or -1 once
// the end of the file has been met without a match. The end-of-file test
// comes before each read, so the line that meets the end is still compared.
// Jumps straight to the next matching line instead of reading the lines
// between: the skipped lines could only have been compared and dropped.
// `matched_position`, when given, receives the position of the matching
// line, or kPastEnd when the match is the empty line read at the end.
inline constexpr std::size_t kPastEnd = static_cast<std::size_t>(-1);
int ReadUntil(const SourceIndex& source, LineCursor& cursor,
              std::initializer_list<std::string_view> targets,
              std::size_t* matched_position = nullptr);

}  // namespace peltarix
