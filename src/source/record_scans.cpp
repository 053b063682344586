#include "source/record_scans.h"

#include <algorithm>

#include "source/group_chain.h"

namespace peltarix {

bool RecordScans::ListNext(const GroupChain& chain) {
  if (complete_) return false;
  std::uint32_t match = GroupChain::kNone;
  if (scans_.empty()) {
    match = chain.FirstMatchFromStart(index_);
  } else if (const std::uint32_t first = chain.FirstNodeFrom(cursor_); first != GroupChain::kNone) {
    match = chain.FirstMatch(first, index_);
  }
  if (match == GroupChain::kNone) {
    complete_ = true;
    return false;
  }
  const SourceIndex& source = chain.source();
  LineCursor cursor = LineCursor::After(source, chain.position(match) + 1);  // past the index line
  Scan scan{cursor.next, source.line_count()};
  std::size_t terminator = kPastEnd;
  if (ReadUntil(source, cursor, {chain.section_end_line(), "ENDSEC", "QVDTDTLEND"}, &terminator) <
          0 ||
      terminator == kPastEnd) {
    complete_ = true;  // the scan runs to the end of the file
  } else {
    scan.end = terminator;
  }
  scans_.push_back(scan);
  cursor_ = cursor;
  return true;
}

std::size_t RecordScans::KeyLine(const GroupChain& chain, std::string_view index,
                                 std::string_view key) {
  if (!listed_ || index != index_) {
    listed_ = true;
    index_ = index;
    scans_.clear();
    complete_ = false;
  }
  const SourceIndex& source = chain.source();
  std::size_t next = 0;  // the first record not yet ruled out
  for (;;) {
    if (next == scans_.size() && !ListNext(chain)) return kPastEnd;
    const std::size_t key_line = source.Find(key, scans_[next].start);
    if (key_line == source.line_count()) return kPastEnd;
    // The key line lies in the scan of the last record that starts at or
    // before it, or in no scan at all; the records before that one end
    // earlier.
    while (scans_.back().start <= key_line && ListNext(chain)) {
    }
    const auto beyond =
        std::upper_bound(scans_.begin() + static_cast<std::ptrdiff_t>(next), scans_.end(), key_line,
                         [](std::size_t line, const Scan& scan) { return line < scan.start; });
    const std::size_t holder = static_cast<std::size_t>(beyond - scans_.begin()) - 1;
    if (key_line < scans_[holder].end) return key_line;
    next = holder + 1;
  }
}

}  // namespace peltarix
