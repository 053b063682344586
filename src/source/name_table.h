#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <string_view>
#include <vector>

namespace peltarix {

// The distinct texts of a source's name lines, each with a number in order of
// first appearance. Built while the lines are split, so it is fed texts by
// their place in the source's bytes and keeps no pointer to them: the bytes
// are passed again on every call.
//
// Names are a few bytes long, so a text is keyed by its first eight bytes
// (its head, kept in the entry) and a hash of the whole: most probes end in
// one comparison of words without reading the entry's text.
class NameTable {
 public:
  static constexpr std::uint32_t kNone = UINT32_MAX;

  NameTable() : slots_(kInitialSlots, kNone), shift_(64 - kInitialBits) {}

  // The first up to eight bytes of a text in one word, the rest zero.
  // `readable` bytes from `data` on may be read, at least `size`.
  static std::uint64_t Head(const char* data, std::size_t size, std::size_t readable) {
    if (std::endian::native == std::endian::little && readable >= 8) {
      const std::uint64_t word = Load(data);
      return size >= 8 ? word : word & ((std::uint64_t{1} << (8 * size)) - 1);
    }
    std::uint64_t word = 0;
    for (std::size_t i = 0; i < size && i < 8; ++i) {
      word |= std::uint64_t{static_cast<unsigned char>(data[i])} << (8 * i);
    }
    return word;
  }

  // Where the text of a name line lies in the bytes.
  struct Line {
    std::uint32_t begin;
    std::uint32_t end;
  };

  // Adds the texts of `lines` that are new, counts one more line of each,
  // and writes each one's number to `numbers`. `bytes` holds `size` bytes.
  void AddLines(const char* bytes, std::size_t size, std::span<const Line> lines,
                std::uint32_t* numbers);

  // The number of `text`, or kNone.
  std::uint32_t Find(const char* bytes, std::string_view text) const;

  std::size_t size() const { return entries_.size(); }
  // How many lines hold text `entry`.
  std::uint32_t lines(std::uint32_t entry) const { return entries_[entry].lines; }
  // Where the lines of text `entry` start in a list grouped by text, in
  // order of number; set by AssignStarts, which returns the list's length.
  std::uint32_t start(std::uint32_t entry) const { return entries_[entry].link; }
  std::uint32_t AssignStarts();

 private:
  struct Entry {
    std::uint64_t head;
    std::uint32_t at;  // where the text first appears in the bytes
    std::uint32_t size;
    std::uint32_t lines;
    // While lines are added, the text that followed this one last (first
    // itself); after AssignStarts, where its lines start.
    std::uint32_t link;
  };
  static constexpr int kInitialBits = 6;
  static constexpr std::size_t kInitialSlots = std::size_t{1} << kInitialBits;

  static std::uint64_t Load(const char* data) {
    std::uint64_t word;
    std::memcpy(&word, data, sizeof word);
    return word;
  }
  // Texts of up to eight bytes are hashed by their head alone; the top bits
  // of the product pick the slot.
  static std::uint64_t Hash(std::uint64_t head, const char* text, std::size_t size) {
    constexpr std::uint64_t kMultiplier = 0x9e3779b97f4a7c15ULL;
    std::uint64_t hash = head * kMultiplier;
    if (size > 8) {
      for (std::size_t at = 8; at + 8 < size; at += 8)
        hash = (hash ^ Load(text + at)) * kMultiplier;
      hash = (hash ^ Load(text + size - 8) ^ size) * kMultiplier;
    }
    return hash;
  }
  static bool Holds(const Entry& entry, const char* bytes, const char* text, std::size_t size,
                    std::uint64_t head) {
    return entry.head == head && entry.size == size &&
           (size <= 8 || SameTail(bytes + entry.at, text, size));
  }
  // Bytes 8 .. size of two texts of more than eight bytes.
  static bool SameTail(const char* a, const char* b, std::size_t size) {
    if (size <= 16) return Load(a + size - 8) == Load(b + size - 8);
    return std::memcmp(a + 8, b + 8, size - 8) == 0;
  }
  // The number of the text, added when it is new.
  std::uint32_t Probe(const char* bytes, std::size_t at, std::size_t size, std::uint64_t head);
  std::uint32_t Insert(const char* bytes, std::size_t slot, std::uint64_t head, std::size_t at,
                       std::size_t size);

  std::vector<Entry> entries_;
  std::vector<std::uint32_t> slots_;  // entry numbers by hash, open addressing
  int shift_;                         // 64 minus the bits of a slot number
  std::uint32_t previous_ = kNone;    // the text of the last line added
};

}  // namespace peltarix
