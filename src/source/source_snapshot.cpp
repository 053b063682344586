#include "source/source_snapshot.h"

#include <bit>
#include <cstring>
#include <limits>
#include <stdexcept>

namespace peltarix {
namespace {

// The position of the next LF at or after `from`, or `size`. Lines are short,
// so eight bytes are tested at a time in a word rather than through a call.
std::size_t NextLineFeed(const char* data, std::size_t from, std::size_t size) {
  std::size_t pos = from;
  if constexpr (std::endian::native == std::endian::little) {
    constexpr std::uint64_t kOnes = 0x0101010101010101ULL;
    constexpr std::uint64_t kHighs = 0x8080808080808080ULL;
    for (; pos + 8 <= size; pos += 8) {
      std::uint64_t word;
      std::memcpy(&word, data + pos, 8);
      word ^= kOnes * '\n';  // LF bytes become zero
      // The lowest flagged byte is the first zero byte.
      const std::uint64_t zeros = (word - kOnes) & ~word & kHighs;
      if (zeros != 0) return pos + static_cast<std::size_t>(std::countr_zero(zeros) / 8);
    }
  }
  while (pos < size && data[pos] != '\n') ++pos;
  return pos;
}

// The number of LF bytes, eight at a time.
std::size_t CountLineFeeds(const char* data, std::size_t size) {
  std::size_t count = 0;
  std::size_t pos = 0;
  constexpr std::uint64_t kLows = 0x7f7f7f7f7f7f7f7fULL;
  for (; pos + 8 <= size; pos += 8) {
    std::uint64_t word;
    std::memcpy(&word, data + pos, 8);
    word ^= 0x0101010101010101ULL * '\n';
    // The high bit of each byte is set where the byte is not zero.
    const std::uint64_t nonzero = ((word & kLows) + kLows) | word;
    // One bit per LF byte, at the bottom of the byte; their sum in the top byte.
    const std::uint64_t line_feeds = (~nonzero & ~kLows) >> 7;
    count += static_cast<std::size_t>((line_feeds * 0x0101010101010101ULL) >> 56);
  }
  for (; pos < size; ++pos) count += data[pos] == '\n';
  return count;
}

}  // namespace

SourceSnapshot::SourceSnapshot(std::string bytes) : bytes_(std::move(bytes)) {
  // A text-mode read stops at byte 1A: nothing after it is ever read.
  if (const void* eof_mark = std::memchr(bytes_.data(), '\x1a', bytes_.size())) {
    bytes_.resize(static_cast<std::size_t>(static_cast<const char*>(eof_mark) - bytes_.data()));
  }
  if (bytes_.size() >= std::numeric_limits<std::uint32_t>::max()) {
    throw std::length_error("source file too large");
  }
  const char* const data = bytes_.data();
  const std::size_t size = bytes_.size();
  // Every line end starts a line, and a long line adds a piece per 255
  // bytes: reserving that many keeps the bounds at the size they need.
  const std::size_t most_bounds = CountLineFeeds(data, size) + size / kMaxLineBytes + 2;
  // Written through plain pointers: stores into the vectors themselves
  // would make the compiler reload their ends after every byte store.
  offsets_.resize(most_bounds);
  block_starts_.resize(most_bounds / kBlockLines + 1);
  std::uint16_t* offset = offsets_.data();
  std::uint32_t* block_start = block_starts_.data();
  std::size_t bound_count = 0;
  const auto add_bound = [&](std::size_t at) {
    if (bound_count++ % kBlockLines == 0) *block_start++ = static_cast<std::uint32_t>(at);
    *offset++ = static_cast<std::uint16_t>(at - block_start[-1]);
  };
  std::size_t pos = 0;
  bool last_piece_full = false;
  while (pos < size) {
    const std::size_t line_end = NextLineFeed(data, pos, size);
    const bool found = line_end < size;
    // The bytes a read sees before the line end: a CR before the LF is part
    // of the line end.
    std::size_t length = line_end - pos;
    if (found && length > 0 && data[line_end - 1] == '\r') --length;
    // One read takes up to 255 bytes; a line of n * 255 bytes ends with an
    // empty read of its line end.
    for (; length >= kMaxLineBytes; length -= kMaxLineBytes, pos += kMaxLineBytes) {
      add_bound(pos);
    }
    last_piece_full = !found && length == 0 && pos > 0 && pos == size;
    if (found || length > 0) add_bound(pos);
    pos = found ? line_end + 1 : size;
  }
  add_bound(size);
  offsets_.resize(bound_count);
  block_starts_.resize((bound_count + kBlockLines - 1) / kBlockLines);
  // A read that stops at the end of the data before its buffer is full meets
  // the end of the file; one that stopped at LF or a full buffer does not.
  last_line_reaches_eof_ =
      line_count() > 0 && size > 0 && data[size - 1] != '\n' && !last_piece_full;
}

}  // namespace peltarix
