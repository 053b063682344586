#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "source/source_snapshot.h"

namespace peltarix {

// Hashes std::string and std::string_view alike, so that a map keyed by
// strings is searched with a view and no copy. The texts are names of a few
// to a few dozen bytes, hashed once per name line and once per lookup:
// taken eight bytes a step and inline, they cost a third of what the
// library's out-of-line hash does (see README, Performance).
struct TextHash {
  using is_transparent = void;
  std::size_t operator()(std::string_view text) const {
    constexpr std::uint64_t kMultiplier = 0x9e3779b97f4a7c15u;
    const auto word_at = [&text](std::size_t k) {
      std::uint64_t word = 0;
      std::memcpy(&word, text.data() + k, sizeof word);
      return word;
    };
    const auto mix = [](std::uint64_t hash, std::uint64_t word) {
      hash = (hash ^ word) * kMultiplier;
      return hash ^ (hash >> 32);
    };
    std::uint64_t hash = text.size() * kMultiplier;
    if (text.size() < 8) {
      std::uint64_t word = 0;
      for (const char byte : text) word = (word << 8) | static_cast<unsigned char>(byte);
      return static_cast<std::size_t>(mix(hash, word));
    }
    std::size_t k = 0;
    for (; k + 8 <= text.size(); k += 8) hash = mix(hash, word_at(k));
    // The last bytes as the word that ends the text, overlapping the one before.
    if (k < text.size()) hash = mix(hash, word_at(text.size() - 8));
    return static_cast<std::size_t>(hash);
  }
};

// A map from texts to anything, searched by std::string_view.
template <typename Value>
using TextMap = std::unordered_map<std::string, Value, TextHash, std::equal_to<>>;

// A snapshot of the source file with the positions of its name lines, so that
// a scan can jump from one interesting line to the next instead of reading
// every line between them.
//
// The lookups search for section, group and key names and the block and
// record terminators, all of which begin with a capital letter or a slash.
// Only lines that begin so are indexed, by their text: the numbers that fill
// most of a source are never searched for and cost nothing but their line
// bounds. Any other text is found by reading the lines.
class SourceIndex {
 public:
  SourceIndex() = default;
  explicit SourceIndex(SourceSnapshot snapshot);

  std::size_t line_count() const { return snapshot_.line_count(); }
  std::string_view line(std::size_t position) const { return snapshot_.line(position); }
  bool last_line_reaches_eof() const { return snapshot_.last_line_reaches_eof(); }

  // The position of the first line in [from, stop) that equals `text`;
  // `stop` when there is none, or line_count() when `stop` is past it.
  std::size_t Find(std::string_view text, std::size_t from,
                   std::size_t stop = static_cast<std::size_t>(-1)) const;

  // Ascending positions of every line that equals `text`.
  std::vector<std::uint32_t> FindAll(std::string_view text) const;

  // Ascending positions of every line that equals `text`, when `text` is
  // indexed (see IsIndexed); empty otherwise.
  std::span<const std::uint32_t> IndexedPositions(std::string_view text) const;

  // Whether lines equal to `text` are in the index: section, group and key
  // names and the terminators all begin with a slash or a capital.
  static bool IsIndexed(std::string_view text) {
    return !text.empty() && (text.front() == '/' || (text.front() >= 'A' && text.front() <= 'Z'));
  }

 private:
  SourceSnapshot snapshot_;
  TextMap<std::vector<std::uint32_t>> name_lines_;  // ascending positions per text
};

}  // namespace peltarix
