#include "source/line_cursor.h"

namespace peltarix {

LineCursor LineCursor::After(const SourceIndex& source, std::size_t position) {
  const std::size_t count = source.line_count();
  if (position >= count) return {count, true};
  return {position + 1, position + 1 == count && source.last_line_reaches_eof()};
}

std::string_view ReadLine(const SourceIndex& source, LineCursor& cursor) {
  if (cursor.next >= source.line_count()) {
    cursor.at_eof = true;
    return {};
  }
  const std::string_view line = source.line(cursor.next);
  cursor = LineCursor::After(source, cursor.next);
  return line;
}

int ReadUntil(const SourceIndex& source, LineCursor& cursor,
              std::initializer_list<std::string_view> targets, std::size_t* matched_position) {
  if (cursor.at_eof) return -1;
  std::size_t best_position = source.line_count();
  int best = -1;
  int place = 0;
  for (const std::string_view target : targets) {
    const std::size_t found = source.Find(target, cursor.next);
    if (found < best_position) {
      best_position = found;
      best = place;
    }
    ++place;
  }
  if (best >= 0) {
    if (matched_position != nullptr) *matched_position = best_position;
    cursor = LineCursor::After(source, best_position);
    return best;
  }
  // No line left matches. Reading them all either meets the end of the file
  // with the last line, or one more read yields the empty line at the end.
  const std::size_t count = source.line_count();
  const bool last_line_met_eof = count > 0 && cursor.next < count && source.last_line_reaches_eof();
  cursor = {count, true};
  if (last_line_met_eof) return -1;
  place = 0;
  for (const std::string_view target : targets) {
    if (target.empty()) {
      if (matched_position != nullptr) *matched_position = kPastEnd;
      return place;
    }
    ++place;
  }
  return -1;
}

}  // namespace peltarix
