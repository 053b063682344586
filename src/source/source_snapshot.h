#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "source/name_table.h"

namespace peltarix {

// The source file as the line reader sees it, held in memory for one run.
//
// The file is read the way a text-mode stream with a 256-byte line buffer
// reads it: CR LF is one line end, a byte 1A ends the file, and a physical
// line of 255 bytes or more is seen as several lines of at most 255 bytes
// (a line whose length is a multiple of 255 is followed by an empty line).
// Each such piece is one "line" here. Lines are views into the file's bytes,
// which are kept as they were read: a CR is only dropped before an LF, so
// every piece is one contiguous run of bytes and nothing is copied.
class SourceSnapshot {
 public:
  SourceSnapshot() : block_starts_{0}, offsets_(new std::uint8_t[kBlockLines]{}) {}
  explicit SourceSnapshot(std::string bytes);

  // Lines in reading order.
  std::size_t line_count() const { return bound_count_ - 1; }
  std::string_view line(std::size_t index) const {
    const std::size_t begin = Bound(index);
    std::size_t end = Bound(index + 1);
    // A piece holds no LF but its line end; a full piece ends at no LF, so
    // a CR is dropped only where it stands before the LF of a line end.
    if (end > begin && bytes_[end - 1] == '\n') {
      --end;
      if (end > begin && bytes_[end - 1] == '\r') --end;
    }
    return std::string_view(bytes_.data() + begin, end - begin);
  }

  // True when reading the last line also reaches the end of the file: the
  // file does not end with a line end and its last piece is shorter than
  // 255 bytes. Otherwise the end of the file is only met by one further
  // read, which yields an empty line.
  bool last_line_reaches_eof() const { return last_line_reaches_eof_; }

  static constexpr std::size_t kMaxLineBytes = 255;

  // The bytes the lines are views into.
  const char* bytes() const { return bytes_.data(); }

  // Whether a line that begins with `first` is a name line: section, group
  // and key names and the terminators all begin with a slash or a capital.
  static constexpr bool BeginsName(char first) {
    return first == '/' || static_cast<unsigned char>(first - 'A') < 26;
  }

  // The name lines met while splitting, grouped by text, so that an index of
  // them is built without reading the text again.
  struct NameLines {
    NameTable texts;
    // Bit i % 64 of word i / 64 is set when line i is a name line.
    std::vector<std::uint64_t> marks;
    // The text number of each name line, in reading order.
    std::unique_ptr<std::uint32_t[]> text_numbers;
  };
  // Leaves the snapshot with none.
  NameLines TakeNameLines() { return std::move(name_lines_); }

 private:
  class NameBatch;
  class LineSplitter;

  std::string bytes_;  // up to the first byte 1A
  // Where each piece starts in `bytes_`, then the end of the bytes: piece i
  // spans Bound(i) .. Bound(i + 1) with its line end, if it has one. Pieces
  // are a few bytes on average, so a bound is kept as a one-byte offset from
  // the start of its block of kBlockLines, which takes a fifth of the memory
  // of 32-bit positions. A block that spans more than 255 bytes is wide: its
  // offsets are 16-bit ones in `wide_offsets_`, and the first bytes of its
  // one-byte offsets say where.
  static constexpr std::size_t kBlockLines = 16;
  static constexpr std::uint32_t kWideBlock = std::uint32_t{1} << 31;
  // A piece spans at most 255 bytes and CR LF.
  static_assert(kBlockLines * (kMaxLineBytes + 2) <= 0xffff);
  std::size_t Bound(std::size_t index) const {
    const std::uint32_t start = block_starts_[index / kBlockLines];
    if (start & kWideBlock) [[unlikely]]
      return WideBound(start, index);
    return start + offsets_[index];
  }
  std::size_t WideBound(std::uint32_t start, std::size_t index) const;
  std::vector<std::uint32_t> block_starts_;
  // Allocated for the most bounds the bytes can hold, in whole blocks, but
  // written, and so touched, only as far as there are bounds.
  std::unique_ptr<std::uint8_t[]> offsets_;
  std::vector<std::uint16_t> wide_offsets_;  // kBlockLines per wide block
  std::size_t bound_count_ = 1;
  bool last_line_reaches_eof_ = false;
  NameLines name_lines_;
};

}  // namespace peltarix
