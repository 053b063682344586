#include "source/source_snapshot.h"

#include <bit>
#include <cstring>
#include <limits>
#include <stdexcept>

namespace peltarix {
namespace {

constexpr std::uint64_t kOnes = 0x0101010101010101ULL;
constexpr std::uint64_t kLows = 0x7f7f7f7f7f7f7f7fULL;

std::uint64_t LoadWord(const char* data) {
  std::uint64_t word;
  std::memcpy(&word, data, sizeof word);
  return word;
}

// The top bit of each byte of `word` that is an LF: exact for every byte,
// so that all line ends in a word are found from one test.
std::uint64_t LineFeedBits(std::uint64_t word) {
  word ^= kOnes * '\n';  // LF bytes become zero
  // The top bit of a byte is set by the sum where its low bits are not zero.
  return ~(((word & kLows) + kLows) | word | kLows);
}

// The number of LF bytes, eight at a time.
std::size_t CountLineFeeds(const char* data, std::size_t size) {
  std::size_t count = 0;
  std::size_t pos = 0;
  for (; pos + 8 <= size; pos += 8) {
    // One bit per LF byte at the bottom of the byte; their sum in the top byte.
    count += static_cast<std::size_t>(((LineFeedBits(LoadWord(data + pos)) >> 7) * kOnes) >> 56);
  }
  for (; pos < size; ++pos) count += data[pos] == '\n';
  return count;
}

}  // namespace

// Where the name lines go: each one's text number, in reading order, and a
// mark for its position.
struct SourceSnapshot::NameSink {
  NameTable& texts;
  std::uint64_t* marks;
  std::uint32_t* text_number;

  [[gnu::always_inline]] void Add(const char* data, std::size_t size, std::size_t line,
                                  std::size_t begin, std::size_t length) {
    const std::uint64_t head = NameTable::Head(data + begin, length, size - begin);
    *text_number++ = texts.Add(data, begin, length, head);
    marks[line / 64] |= std::uint64_t{1} << (line % 64);
  }
};

namespace {

// The name lines of long lines and of the end of the data, kept out of the
// loop over the line ends.
[[gnu::noinline]] void AddRareName(SourceSnapshot::NameSink& sink, const char* data,
                                   std::size_t size, std::size_t line, std::size_t begin,
                                   std::size_t length) {
  sink.Add(data, size, line, begin, length);
}

}  // namespace

// Writes the bounds of the pieces, one line end at a time, and passes the
// name lines on while their bytes are at hand. All of it is inlined into the
// loop, so that its state stays in registers.
class SourceSnapshot::LineSplitter {
 public:
  LineSplitter(const char* data, std::size_t size, std::uint16_t* offsets,
               std::uint32_t* block_starts, NameSink& names)
      : data_(data), size_(size), offset_(offsets), block_start_(block_starts), names_(names) {}

  std::size_t bound_count() const { return bound_count_; }

  // The line that ends with the LF at `line_feed`.
  [[gnu::always_inline]] void EndLine(std::size_t line_feed) {
    const std::size_t begin = line_begin_;
    line_begin_ = line_feed + 1;
    // With a CR before the LF it may still be shorter than a full piece.
    if (line_feed - begin >= kMaxLineBytes) [[unlikely]] return EndLongLine(begin, line_feed);
    const std::size_t line = bound_count_;
    AddBound(begin);
    // A name line is not empty, so the byte before the LF is its own; a CR
    // there is part of the line end.
    if (BeginsName(data_[begin])) {
      names_.Add(data_, size_, line, begin, line_feed - begin - (data_[line_feed - 1] == '\r'));
    }
  }

  // The bytes after the last line end. Returns whether its last piece is a
  // full one, read without meeting the end of the data.
  [[gnu::always_inline]] bool EndData() {
    std::size_t length = size_ - line_begin_;
    if (length == 0) return false;
    length = AddFullPieces(length);
    if (length > 0) AddPiece(line_begin_, length);
    return length == 0;
  }

  // The bound after the last piece.
  [[gnu::always_inline]] void Finish() { AddBound(size_); }

 private:
  [[gnu::always_inline]] void EndLongLine(std::size_t begin, std::size_t line_feed) {
    line_begin_ = begin;
    std::size_t length = line_feed - begin;
    if (data_[line_feed - 1] == '\r') --length;
    AddPiece(line_begin_, AddFullPieces(length));
    line_begin_ = line_feed + 1;
  }

  // One read takes up to 255 bytes: a line of n * 255 bytes ends with an
  // empty read of its line end. Returns the length of the last piece.
  [[gnu::always_inline]] std::size_t AddFullPieces(std::size_t length) {
    for (; length >= kMaxLineBytes; length -= kMaxLineBytes, line_begin_ += kMaxLineBytes) {
      AddPiece(line_begin_, kMaxLineBytes);
    }
    return length;
  }

  // A piece of `length` bytes at `begin`, followed by at least its line end
  // when it is shorter than a full piece.
  [[gnu::always_inline]] void AddPiece(std::size_t begin, std::size_t length) {
    const std::size_t line = bound_count_;
    AddBound(begin);
    // An empty piece begins with its line end, which begins no name.
    if (BeginsName(data_[begin])) AddRareName(names_, data_, size_, line, begin, length);
  }

  [[gnu::always_inline]] void AddBound(std::size_t at) {
    if (bound_count_++ % kBlockLines == 0) {
      block_base_ = at;
      *block_start_++ = static_cast<std::uint32_t>(at);
    }
    *offset_++ = static_cast<std::uint16_t>(at - block_base_);
  }

  const char* const data_;
  const std::size_t size_;
  // Written through plain pointers: stores into the vectors themselves
  // would make the compiler reload their ends after every store.
  std::uint16_t* offset_;
  std::uint32_t* block_start_;
  NameSink& names_;
  std::size_t line_begin_ = 0;
  std::size_t bound_count_ = 0;
  std::size_t block_base_ = 0;
};

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
  offsets_.resize(most_bounds);
  block_starts_.resize(most_bounds / kBlockLines + 1);
  name_lines_.marks.resize(most_bounds / 64 + 1);
  // Only as much as the name lines take is ever written, and so touched.
  name_lines_.text_numbers = std::make_unique_for_overwrite<std::uint32_t[]>(most_bounds);
  NameSink names{name_lines_.texts, name_lines_.marks.data(), name_lines_.text_numbers.get()};
  LineSplitter splitter(data, size, offsets_.data(), block_starts_.data(), names);
  std::size_t pos = 0;
  if constexpr (std::endian::native == std::endian::little) {
    for (; pos + 8 <= size; pos += 8) {
      // The lowest flagged byte is the first LF of the word.
      for (std::uint64_t line_feeds = LineFeedBits(LoadWord(data + pos)); line_feeds != 0;
           line_feeds &= line_feeds - 1) {
        splitter.EndLine(pos + static_cast<std::size_t>(std::countr_zero(line_feeds) / 8));
      }
    }
  }
  for (; pos < size; ++pos) {
    if (data[pos] == '\n') splitter.EndLine(pos);
  }
  // A read that stops at the end of the data before its buffer is full meets
  // the end of the file; one that stopped at LF or a full buffer does not.
  const bool last_piece_full = splitter.EndData();
  splitter.Finish();
  const std::size_t bound_count = splitter.bound_count();
  offsets_.resize(bound_count);
  block_starts_.resize((bound_count + kBlockLines - 1) / kBlockLines);
  last_line_reaches_eof_ =
      line_count() > 0 && size > 0 && data[size - 1] != '\n' && !last_piece_full;
}

}  // namespace peltarix
