#include "source/text_positions.h"

#include <algorithm>

namespace peltarix {
namespace {

// The place of the first of `positions` at or after `from`, searched from
// `guess`: the positions are ascending, so a search forward doubles its steps
// until it passes `from` and one backward looks only before the guess.
std::size_t FirstPlaceFrom(std::span<const std::uint32_t> positions, std::size_t guess,
                           std::size_t from) {
  const auto place_of = [&](auto found) {
    return static_cast<std::size_t>(found - positions.begin());
  };
  if (guess < positions.size() && positions[guess] < from) {
    // Every place before `low` holds a position before `from`.
    std::size_t low = guess + 1;
    std::size_t step = 1;
    while (low + step <= positions.size() && positions[low + step - 1] < from) {
      low += step;
      step *= 2;
    }
    const std::size_t high = std::min(low + step, positions.size());
    return place_of(std::lower_bound(positions.begin() + low, positions.begin() + high, from));
  }
  if (guess == 0 || positions[guess - 1] < from) return guess;
  return place_of(std::lower_bound(positions.begin(), positions.begin() + guess, from));
}

}  // namespace

std::size_t TextPositions::Find(const SourceIndex& source, std::string_view text,
                                std::size_t from) {
  auto found = texts_.find(text);
  if (found == texts_.end()) {
    // A text without lines is not kept: converters ask for many numbered
    // keys that a record lacks, each once.
    const auto positions = source.IndexedPositions(text);
    if (positions.empty()) return source.line_count();
    found = texts_.emplace(std::string(text), Lines{positions, 0}).first;
  }
  Lines& lines = found->second;
  lines.last_answer = FirstPlaceFrom(lines.positions, lines.last_answer, from);
  return lines.last_answer == lines.positions.size() ? source.line_count()
                                                     : lines.positions[lines.last_answer];
}

}  // namespace peltarix
