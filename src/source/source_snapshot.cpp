#include "source/source_snapshot.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <limits>
#include <stdexcept>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace peltarix {
namespace {

// The line ends are found a chunk of bytes at a time, as a mask with a group
// of bits per byte that is set where the byte is an LF: 32 bytes in two
// compares where SSE2 is there (every x86-64), otherwise eight in a 64-bit
// word.
#if defined(__SSE2__)
constexpr std::size_t kChunkBytes = 32;
constexpr unsigned kMaskBitsShift = 0;

std::uint64_t LineFeedMask(const char* data) {
  const __m128i line_feed = _mm_set1_epi8('\n');
  const auto half = [line_feed](const char* bytes) {
    const __m128i loaded = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes));
    return static_cast<std::uint64_t>(
        static_cast<std::uint32_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(loaded, line_feed))));
  };
  return half(data) | half(data + 16) << 16;
}

// The number of LF bytes: per-byte sums of the compares, added up at most
// 255 chunks at a time so that no sum overflows.
std::size_t CountLineFeeds(const char* data, std::size_t size) {
  std::size_t count = 0;
  std::size_t pos = 0;
  const __m128i line_feed = _mm_set1_epi8('\n');
  while (pos + 16 <= size) {
    __m128i sums = _mm_setzero_si128();
    for (int chunk = 0; chunk < 255 && pos + 16 <= size; ++chunk, pos += 16) {
      const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + pos));
      sums = _mm_sub_epi8(sums, _mm_cmpeq_epi8(bytes, line_feed));
    }
    const __m128i totals = _mm_sad_epu8(sums, _mm_setzero_si128());
    count += static_cast<std::size_t>(_mm_cvtsi128_si32(totals)) +
             static_cast<std::size_t>(_mm_cvtsi128_si32(_mm_unpackhi_epi64(totals, totals)));
  }
  for (; pos < size; ++pos) count += data[pos] == '\n';
  return count;
}
#else
constexpr std::size_t kChunkBytes = 8;
constexpr unsigned kMaskBitsShift = 3;
constexpr std::uint64_t kOnes = 0x0101010101010101ULL;
constexpr std::uint64_t kLows = 0x7f7f7f7f7f7f7f7fULL;

std::uint64_t LoadWord(const char* data) {
  std::uint64_t word;
  std::memcpy(&word, data, sizeof word);
  return word;
}

// The top bit of each byte that is an LF: exact for every byte, so that all
// line ends of a word are found from one test.
std::uint64_t LineFeedMask(const char* data) {
  if constexpr (std::endian::native != std::endian::little) {
    std::uint64_t mask = 0;
    for (unsigned i = 0; i < 8; ++i) mask |= std::uint64_t{data[i] == '\n'} << (8 * i + 7);
    return mask;
  }
  const std::uint64_t word = LoadWord(data) ^ (kOnes * '\n');  // LF bytes become zero
  // The top bit of a byte is set by the sum where its low bits are not zero.
  return ~(((word & kLows) + kLows) | word | kLows);
}

// The number of LF bytes, eight at a time.
std::size_t CountLineFeeds(const char* data, std::size_t size) {
  std::size_t count = 0;
  std::size_t pos = 0;
  for (; pos + 8 <= size; pos += 8) {
    // One bit per LF byte at the bottom of the byte; their sum in the top byte.
    count += static_cast<std::size_t>(((LineFeedMask(data + pos) >> 7) * kOnes) >> 56);
  }
  for (; pos < size; ++pos) count += data[pos] == '\n';
  return count;
}
#endif

// BeginsName for every byte, looked up in the scan: one load and test
// instead of two compares.
constexpr auto kBeginsName = [] {
  std::array<bool, 256> table{};
  for (int byte = 0; byte < 256; ++byte) {
    table[byte] = SourceSnapshot::BeginsName(static_cast<char>(byte));
  }
  return table;
}();

}  // namespace

// The name lines found by the scan, keyed a batch at a time: hashing them
// inside the scan would leave too few registers for the scan's own state.
class SourceSnapshot::NameBatch {
 public:
  using Name = NameTable::Line;
  // Up to this many names wait; the scan adds at most one per byte of a
  // chunk before it checks for room again.
  static constexpr std::size_t kWaiting = 512;
  static constexpr std::size_t kRoom = kWaiting + kChunkBytes;

  NameBatch(const char* data, std::size_t size, NameLines& names)
      : data_(data),
        size_(size),
        texts_(names.texts),
        text_number_(names.text_numbers.get()),
        waiting_(kRoom) {}

  Name* first() { return waiting_.data(); }
  Name* last() { return waiting_.data() + kWaiting; }

  // Each waiting name's text number, in reading order.
  [[gnu::noinline]] void Key(const Name* end) {
    const std::span<const Name> names(waiting_.data(), end);
    texts_.AddLines(data_, size_, names, text_number_);
    text_number_ += names.size();
  }

 private:
  const char* const data_;
  const std::size_t size_;
  NameTable& texts_;
  std::uint32_t* text_number_;
  std::vector<Name> waiting_;
};

// Writes the bounds of the pieces, one line end at a time, and notes the name
// lines on the way. All of it is inlined into the loop over the line ends, so
// that its state stays in registers.
class SourceSnapshot::LineSplitter {
 public:
  LineSplitter(const char* data, std::size_t size, std::uint8_t* offsets,
               std::uint32_t* block_starts, std::vector<std::uint16_t>& wide_offsets,
               std::uint64_t* name_marks, NameBatch& names)
      : data_(data),
        size_(size),
        offset_(offsets),
        wide_offsets_(wide_offsets),
        block_start_(block_starts),
        marks_(name_marks),
        names_(names),
        name_(names.first()),
        first_offset_(offsets) {}

  std::size_t bound_count() const { return static_cast<std::size_t>(offset_ - first_offset_); }

  // Keys the waiting names when a word's line ends might not fit.
  [[gnu::always_inline]] void MakeRoom() {
    if (name_ >= names_.last()) [[unlikely]]
      KeyNames();
  }

  // The line that ends with the LF at `line_feed`.
  [[gnu::always_inline]] void EndLine(std::size_t line_feed) {
    // With a CR before the LF it may still be shorter than a full piece.
    if (line_feed - line_begin_ >= kMaxLineBytes) [[unlikely]] {
      return EndLongLine(line_begin_, line_feed);
    }
    EndShortLine(line_feed);
  }

  // The line that ends with the LF at `line_feed`, less than a full piece
  // after the previous line end.
  [[gnu::always_inline]] void EndShortLine(std::size_t line_feed) {
    const std::size_t begin = line_begin_;
    line_begin_ = line_feed + 1;
    const std::size_t line = bound_count();
    AddBound(begin);
    // A name line is not empty, so the byte before the LF is its own; a CR
    // there is part of the line end.
    if (kBeginsName[static_cast<unsigned char>(data_[begin])]) {
      MarkName(line);
      *name_++ = {static_cast<std::uint32_t>(begin),
                  static_cast<std::uint32_t>(line_feed - (data_[line_feed - 1] == '\r'))};
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

  // The bound after the last piece; keys the names still waiting.
  [[gnu::always_inline]] void Finish() {
    AddBound(size_);
    KeyNames();
  }

 private:
  [[gnu::always_inline]] void EndLongLine(std::size_t begin, std::size_t line_feed) {
    line_begin_ = begin;
    std::size_t length = line_feed - begin;
    if (data_[line_feed - 1] == '\r') --length;
    // The full pieces move line_begin_ on to where the last piece begins,
    // so they are added first.
    const std::size_t last_length = AddFullPieces(length);
    AddPiece(line_begin_, last_length);
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
    const std::size_t line = bound_count();
    AddBound(begin);
    // An empty piece begins with its line end, which begins no name.
    if (!BeginsName(data_[begin])) return;
    MarkName(line);
    *name_++ = {static_cast<std::uint32_t>(begin), static_cast<std::uint32_t>(begin + length)};
    MakeRoom();
  }

  [[gnu::always_inline]] void KeyNames() {
    names_.Key(name_);
    name_ = names_.first();
  }

  [[gnu::always_inline]] void MarkName(std::size_t line) {
    marks_[line / 64] |= std::uint64_t{1} << (line % 64);
  }

  [[gnu::always_inline]] void AddBound(std::size_t at) {
    if (--block_room_ == 0) [[unlikely]] {
      block_room_ = kBlockLines;
      block_base_ = at;
      *block_start_++ = static_cast<std::uint32_t>(at);
    }
    const std::size_t offset = at - block_base_;
    // Offsets grow within a block: once one is wide, the rest are too.
    if (offset > 0xff) [[unlikely]] {
      AddWideBound(offset);
      return;
    }
    *offset_++ = static_cast<std::uint8_t>(offset);
  }

  // Moves the block to 16-bit offsets when its first wide offset comes, and
  // adds the offset there.
  [[gnu::noinline]] void AddWideBound(std::size_t offset) {
    const std::size_t in_block = kBlockLines - block_room_;
    std::uint8_t* const block_offsets = offset_ - in_block;
    std::uint32_t& start = block_start_[-1];
    if (!(start & kWideBlock)) {
      const auto wide_block = static_cast<std::uint32_t>(wide_offsets_.size() / kBlockLines);
      wide_offsets_.resize(wide_offsets_.size() + kBlockLines);
      std::copy(block_offsets, offset_, wide_offsets_.end() - kBlockLines);
      std::memcpy(block_offsets, &wide_block, sizeof wide_block);
      start |= kWideBlock;
    }
    std::uint32_t wide_block;
    std::memcpy(&wide_block, block_offsets, sizeof wide_block);
    wide_offsets_[wide_block * kBlockLines + in_block] = static_cast<std::uint16_t>(offset);
    ++offset_;
  }

  const char* const data_;
  const std::size_t size_;
  // Written through plain pointers: stores into the vectors themselves
  // would make the compiler reload their ends after every store.
  std::uint8_t* offset_;
  std::vector<std::uint16_t>& wide_offsets_;
  std::uint32_t* block_start_;
  std::uint64_t* const marks_;
  NameBatch& names_;
  NameBatch::Name* name_;
  std::uint8_t* const first_offset_;
  std::size_t line_begin_ = 0;
  std::size_t block_room_ = 1;  // bounds until the next block starts
  std::size_t block_base_ = 0;
};

SourceSnapshot::SourceSnapshot(std::string bytes) : bytes_(std::move(bytes)) {
  // A text-mode read stops at byte 1A: nothing after it is ever read.
  if (const void* eof_mark = std::memchr(bytes_.data(), '\x1a', bytes_.size())) {
    bytes_.resize(static_cast<std::size_t>(static_cast<const char*>(eof_mark) - bytes_.data()));
  }
  // Block starts keep their top bit for marking wide blocks.
  if (bytes_.size() >= kWideBlock) {
    throw std::length_error("source file too large");
  }
  const char* const data = bytes_.data();
  const std::size_t size = bytes_.size();
  // Every line end starts a line, and a long line adds a piece per 255
  // bytes: reserving that many keeps the bounds at the size they need.
  const std::size_t most_bounds = CountLineFeeds(data, size) + size / kMaxLineBytes + 2;
  // Whole blocks, so that a wide block always has room for its mark.
  offsets_ = std::make_unique_for_overwrite<std::uint8_t[]>(most_bounds + kBlockLines);
  block_starts_.resize(most_bounds / kBlockLines + 1);
  name_lines_.marks.resize(most_bounds / 64 + 1);
  // Only as much as the name lines take is ever written, and so touched.
  name_lines_.text_numbers = std::make_unique_for_overwrite<std::uint32_t[]>(most_bounds);
  NameBatch names(data, size, name_lines_);
  LineSplitter splitter(data, size, offsets_.get(), block_starts_.data(), wide_offsets_,
                        name_lines_.marks.data(), names);
  std::size_t pos = 0;
  for (; pos + kChunkBytes <= size; pos += kChunkBytes) {
    splitter.MakeRoom();
    const auto byte = [pos](std::uint64_t mask) {
      return pos + (static_cast<unsigned>(std::countr_zero(mask)) >> kMaskBitsShift);
    };
    // The lowest set bit marks the first LF of the chunk; only the line it
    // ends can be long.
    std::uint64_t line_feeds = LineFeedMask(data + pos);
    if (line_feeds == 0) continue;
    splitter.EndLine(byte(line_feeds));
    for (line_feeds &= line_feeds - 1; line_feeds != 0; line_feeds &= line_feeds - 1) {
      splitter.EndShortLine(byte(line_feeds));
    }
  }
  for (; pos < size; ++pos) {
    splitter.MakeRoom();
    if (data[pos] == '\n') splitter.EndLine(pos);
  }
  // A read that stops at the end of the data before its buffer is full meets
  // the end of the file; one that stopped at LF or a full buffer does not.
  const bool last_piece_full = splitter.EndData();
  splitter.Finish();
  bound_count_ = splitter.bound_count();
  block_starts_.resize((bound_count_ + kBlockLines - 1) / kBlockLines);
  last_line_reaches_eof_ =
      line_count() > 0 && size > 0 && data[size - 1] != '\n' && !last_piece_full;
}

std::size_t SourceSnapshot::WideBound(std::uint32_t start, std::size_t index) const {
  std::uint32_t wide_block;
  std::memcpy(&wide_block, offsets_.get() + index / kBlockLines * kBlockLines, sizeof wide_block);
  return (start & ~kWideBlock) + wide_offsets_[wide_block * kBlockLines + index % kBlockLines];
}

}  // namespace peltarix
