#include "run/output_lines.h"

#include <algorithm>
#include <limits>
#include <new>

namespace peltarix {
namespace {

constexpr std::size_t kBlockBytes = std::size_t{1} << 16;
// Offsets within a block are 32 bits wide.
constexpr std::size_t kLargestBlock = std::numeric_limits<std::uint32_t>::max();

}  // namespace

std::string_view OutputLines::line(int index) const {
  if (index == 0) return header_;
  const std::size_t record = static_cast<std::size_t>(index) - 1;
  const std::size_t block =
      static_cast<std::size_t>(std::upper_bound(first_lines_.begin(), first_lines_.end(), record) -
                               first_lines_.begin() - 1);
  const bool last_in_block =
      record + 1 == starts_.size() ||
      (block + 1 < first_lines_.size() && first_lines_[block + 1] == record + 1);
  const std::size_t end = last_in_block ? BlockSize(block) : starts_[record + 1];
  return std::string_view(blocks_[block].bytes.get() + starts_[record], end - starts_[record]);
}

void OutputLines::StartLine(std::string_view text) {
  if (static_cast<std::size_t>(end_ - tail_) < text.size() || blocks_.empty()) {
    NewBlock(text.size(), false);
  }
  starts_.push_back(static_cast<std::uint32_t>(tail_ - blocks_.back().bytes.get()));
  Append(text);
}

void OutputLines::NewBlock(std::size_t bytes, bool carry_line) {
  carry_line = carry_line && !starts_.empty();
  const char* const base = blocks_.empty() ? nullptr : blocks_.back().bytes.get();
  const std::size_t carried =
      carry_line ? static_cast<std::size_t>(tail_ - base) - starts_.back() : 0;
  if (bytes > kLargestBlock - carried) throw std::bad_alloc();
  // Doubling keeps a single line that outgrows its block linear to write.
  const std::size_t capacity =
      std::min(kLargestBlock, std::max(kBlockBytes, 2 * (carried + bytes)));
  std::unique_ptr<char[]> block(new char[capacity]);
  if (carried > 0) std::memcpy(block.get(), tail_ - carried, carried);
  char* const start = block.get();
  const std::size_t line = starts_.size() - (carry_line ? 1 : 0);
  if (carry_line && first_lines_.back() == line) {
    // The line fills the last block alone: the new block takes its place.
    blocks_.back().bytes = std::move(block);
  } else {
    if (!blocks_.empty()) {
      blocks_.back().size = static_cast<std::size_t>(tail_ - base) - carried;
    }
    blocks_.push_back(Block{std::move(block), 0});
    first_lines_.push_back(static_cast<std::uint32_t>(line));
    if (carry_line) starts_.back() = 0;
  }
  tail_ = start + carried;
  end_ = start + capacity;
}

std::size_t OutputLines::BlockSize(std::size_t index) const {
  if (index + 1 == blocks_.size()) {
    return static_cast<std::size_t>(tail_ - blocks_.back().bytes.get());
  }
  return blocks_[index].size;
}

void OutputLines::Clear() noexcept {
  std::string().swap(header_);
  std::vector<Block>().swap(blocks_);
  std::vector<std::uint32_t>().swap(starts_);
  std::vector<std::uint32_t>().swap(first_lines_);
  tail_ = nullptr;
  end_ = nullptr;
}

}  // namespace peltarix
