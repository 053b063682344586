#include "source/record_window.h"

#include <algorithm>

#include "source/line_hash.h"

namespace peltarix {

void RecordWindow::Open(const SourceIndex& source, std::size_t start, std::string_view section_end,
                        const void* owner, std::uint32_t node) {
  source_ = &source;
  owner_ = owner;
  node_ = node;
  lines_.fill(kFree);
  const std::size_t count = source.line_count();
  const std::size_t limit = std::min(count, start + kMaxLines);
  std::size_t position = start;
  stop_ = Outcome::kBeyond;
  for (; position < limit; ++position) {
    const std::string_view text = source.line(position);
    if (SameText(text, section_end) || SameText(text, "ENDSEC") || SameText(text, "QVDTDTLEND")) {
      stop_ = Outcome::kTerminator;
      break;
    }
    const std::uint32_t hash = LineHash(text);
    for (std::size_t slot = hash & (kSlots - 1);; slot = (slot + 1) & (kSlots - 1)) {
      if (lines_[slot] == kFree) {
        hashes_[slot] = hash;
        lines_[slot] = static_cast<std::uint32_t>(position);
        break;
      }
      // The first line holding a text answers the scan for it.
      if (hashes_[slot] == hash && SameText(source.line(lines_[slot]), text)) break;
    }
  }
  // Past the last line the scan meets the end of the file: whatever it then
  // reads is empty, so no value can follow.
  if (position >= count) stop_ = Outcome::kEndOfFile;
  end_ = position;
}

RecordWindow::Outcome RecordWindow::Find(std::string_view key, std::size_t& key_line) const {
  const std::uint32_t hash = LineHash(key);
  for (std::size_t slot = hash & (kSlots - 1); lines_[slot] != kFree;
       slot = (slot + 1) & (kSlots - 1)) {
    if (hashes_[slot] == hash && SameText(source_->line(lines_[slot]), key)) {
      key_line = lines_[slot];
      return Outcome::kKey;
    }
  }
  return stop_;
}

}  // namespace peltarix
