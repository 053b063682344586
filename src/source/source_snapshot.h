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
// Each such piece is one "line" here.
class SourceSnapshot {
 public:
  SourceSnapshot() = default;
  explicit SourceSnapshot(std::string bytes);

  // Lines in reading order.
  std::size_t line_count() const { return line_starts_.size(); }
  std::string_view line(std::size_t index) const {
    return std::string_view(text_.data() + line_starts_[index], line_lengths_[index]);
  }

  // True when reading the last line also reaches the end of the file: the
  // file does not end with a line end and its last piece is shorter than
  // 255 bytes. Otherwise the end of the file is only met by one further
  // read, which yields an empty line.
  bool last_line_reaches_eof() const { return last_line_reaches_eof_; }

  // The text after CR LF folding and the cut at byte 1A.
  const std::string& text() const { return text_; }

  static constexpr std::size_t kMaxLineBytes = 255;

 private:
  std::string text_;
  std::vector<std::uint32_t> line_starts_;
  std::vector<std::uint32_t> line_lengths_;
  bool last_line_reaches_eof_ = false;
};

}  // namespace peltarix
