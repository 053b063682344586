#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

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
  SourceSnapshot() = default;
  explicit SourceSnapshot(std::string bytes);

  // Lines in reading order.
  std::size_t line_count() const { return line_starts_.size() - 1; }
  std::string_view line(std::size_t index) const {
    const std::size_t begin = line_starts_[index];
    std::size_t end = line_starts_[index + 1];
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

 private:
  std::size_t AddFullPieces(std::size_t begin, std::size_t length);

  std::string bytes_;  // up to the first byte 1A
  // Where each piece starts in `bytes_`, then the end of the bytes: piece i
  // spans line_starts_[i] .. line_starts_[i + 1] with its line end, if it
  // has one.
  std::vector<std::uint32_t> line_starts_{0};
  bool last_line_reaches_eof_ = false;
};

}  // namespace peltarix
