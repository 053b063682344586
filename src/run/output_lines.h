#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace peltarix {

// The CSV lines of one run, held until they are written. Line 0 is the
// header, written last because it counts the records; lines 1 ..
// last_line_index() are the records in file order, each one CSV line ending
// in "\n".
//
// Record lines stand back to back in blocks of at least 64 KiB, a line never
// split between two blocks, so a line costs its bytes and four bytes of
// bookkeeping instead of a string of its own with its slack. The line
// started last is written in place at the end of the last block.
class OutputLines {
 public:
  int line_count() const { return static_cast<int>(starts_.size()) + 1; }
  int last_line_index() const { return line_count() - 1; }

  // Line `index` (0 .. last_line_index()); valid until the next write.
  std::string_view line(int index) const;

  // Line 0.
  std::string& header() { return header_; }
  const std::string& header() const { return header_; }

  // The record lines back to back in piece_count() pieces, for writing
  // them out without looking each one up.
  std::size_t piece_count() const { return blocks_.size(); }
  std::string_view piece(std::size_t index) const {
    return std::string_view(blocks_[index].bytes.get(), BlockSize(index));
  }

  // Starts the next record line with `text`; the line before is complete.
  void StartLine(std::string_view text = {});

  // Appends to the line started last (there must be one).
  void Append(std::string_view bytes) {
    if (bytes.empty()) return;
    std::memcpy(Reserve(bytes.size()), bytes.data(), bytes.size());
    tail_ += bytes.size();
  }
  void Append(char byte) {
    *Reserve(1) = byte;
    ++tail_;
  }
  // Room for `bytes` more bytes of the line started last: write at most that
  // many from the position returned, then Commit the end of what was written.
  char* Reserve(std::size_t bytes) {
    if (static_cast<std::size_t>(end_ - tail_) < bytes) NewBlock(bytes, true);
    return tail_;
  }
  void Commit(char* end) { tail_ = end; }

  // Forgets every line, the header too, and gives the memory back.
  void Clear() noexcept;

 private:
  struct Block {
    std::unique_ptr<char[]> bytes;
    std::size_t size = 0;  // bytes in use, kept for every block but the last
  };

  // Opens a block with room for `bytes` more; `carry_line` moves the line
  // started last into it, so that the line stays in one piece.
  void NewBlock(std::size_t bytes, bool carry_line);
  // The bytes in use of block `index`.
  std::size_t BlockSize(std::size_t index) const;

  std::string header_;
  std::vector<Block> blocks_;
  std::vector<std::uint32_t> starts_;       // each record line's offset in its block
  std::vector<std::uint32_t> first_lines_;  // for each block, its first line's index in starts_
  char* tail_ = nullptr;                    // the end of the line started last
  char* end_ = nullptr;                     // the end of the last block
};

}  // namespace peltarix
