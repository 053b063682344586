#pragma once

#include <cstdint>
#include <cstring>
#include <string_view>

namespace peltarix {

// Line texts are mostly a few bytes long (names, numbers), so the library's
// calls for hashing and comparing would cost more than the work itself.
// Both read a short text in at most two overlapping loads.

namespace line_text {

template <typename Word>
Word Load(const char* data) {
  Word word;
  std::memcpy(&word, data, sizeof word);
  return word;
}

// The last up to eight bytes of `text` in one word (all of it when shorter).
inline std::uint64_t TailWord(const char* data, std::size_t size) {
  if (size >= 8) return Load<std::uint64_t>(data + size - 8);
  if (size >= 4) {
    return Load<std::uint32_t>(data) | std::uint64_t{Load<std::uint32_t>(data + size - 4)} << 32;
  }
  if (size == 0) return 0;
  const auto byte = [data](std::size_t i) {
    return std::uint64_t{static_cast<unsigned char>(data[i])};
  };
  return byte(0) << 16 | byte(size / 2) << 8 | byte(size - 1);
}

}  // namespace line_text

// A hash of a line text.
inline std::uint32_t LineHash(std::string_view text) {
  constexpr std::uint64_t kMultiplier = 0x9e3779b97f4a7c15ULL;
  std::uint64_t hash = text.size() * kMultiplier;
  const char* data = text.data();
  std::size_t size = text.size();
  for (; size > 8; size -= 8, data += 8) {
    hash = (hash ^ line_text::Load<std::uint64_t>(data)) * kMultiplier;
    hash ^= hash >> 29;
  }
  hash = (hash ^ line_text::TailWord(data, size)) * kMultiplier;
  hash ^= hash >> 32;
  return static_cast<std::uint32_t>(hash);
}

// Whether two line texts are equal, byte for byte.
inline bool SameText(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  if (a.size() > 16) return std::memcmp(a.data(), b.data(), a.size()) == 0;
  if (a.size() > 8 &&
      line_text::Load<std::uint64_t>(a.data()) != line_text::Load<std::uint64_t>(b.data())) {
    return false;
  }
  return line_text::TailWord(a.data(), a.size()) == line_text::TailWord(b.data(), b.size());
}

}  // namespace peltarix
