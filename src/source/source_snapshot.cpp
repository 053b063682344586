#include "source/source_snapshot.h"

#include <cstring>
#include <limits>
#include <stdexcept>

namespace peltarix {

SourceSnapshot::SourceSnapshot(std::string bytes) : bytes_(std::move(bytes)) {
  // A text-mode read stops at byte 1A: nothing after it is ever read.
  if (const std::size_t eof_mark = bytes_.find('\x1a'); eof_mark != std::string::npos) {
    bytes_.resize(eof_mark);
  }
  if (bytes_.size() >= std::numeric_limits<std::uint32_t>::max()) {
    throw std::length_error("source file too large");
  }
  const char* const data = bytes_.data();
  const std::size_t size = bytes_.size();
  line_starts_.clear();
  for (std::size_t begin = 0; begin < size;) {
    const auto* line_feed = static_cast<const char*>(std::memchr(data + begin, '\n', size - begin));
    const std::size_t end =
        line_feed == nullptr ? size : static_cast<std::size_t>(line_feed - data);
    if (end - begin >= kMaxLineBytes) [[unlikely]] {
      // A CR before the LF is part of the line end, not of a piece.
      const bool ends_in_cr = line_feed != nullptr && data[end - 1] == '\r';
      begin = AddFullPieces(begin, end - begin - ends_in_cr);
    }
    // The last piece; at the end of the data only if it holds something.
    if (line_feed != nullptr || begin < end)
      line_starts_.push_back(static_cast<std::uint32_t>(begin));
    begin = end + 1;
  }
  line_starts_.push_back(static_cast<std::uint32_t>(size));
  // A read that stops at the end of the data before its buffer is full meets
  // the end of the file; one that stopped at LF or a full buffer does not.
  if (size > 0 && data[size - 1] != '\n') {
    const std::size_t last_length = size - line_starts_[line_count() - 1];
    last_line_reaches_eof_ = last_length < kMaxLineBytes;
  }
}

// One read takes up to 255 bytes: a line of n * 255 bytes ends with an empty
// read of its line end. Adds the full pieces of a line of `length` bytes at
// `begin` and returns where the rest of it begins.
std::size_t SourceSnapshot::AddFullPieces(std::size_t begin, std::size_t length) {
  for (; length >= kMaxLineBytes; length -= kMaxLineBytes, begin += kMaxLineBytes) {
    line_starts_.push_back(static_cast<std::uint32_t>(begin));
  }
  return begin;
}

}  // namespace peltarix
