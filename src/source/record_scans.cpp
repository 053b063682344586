#include <algorithm>

#include "source/group_chain.h"

namespace peltarix {

bool SourceIndex::GroupChain::ListNextRecordScan() const {
  if (scans_complete_) return false;
  std::uint32_t match = kNone;
  if (scans_.empty()) {
    match = FirstMatchFromStart(scans_index_);
  } else if (const std::uint32_t first = FirstNodeFrom(scans_cursor_); first != kNone) {
    match = FirstMatch(first, scans_index_);
  }
  if (match == kNone) {
    scans_complete_ = true;
    return false;
  }
  LineCursor cursor = LineCursor::After(source, node_positions[match] + 1);  // past the index line
  RecordScan scan{cursor.next, source.line_count()};
  std::size_t terminator = kPastEnd;
  if (ReadUntil(source, cursor, {section_end, "ENDSEC", "QVDTDTLEND"}, &terminator) < 0 ||
      terminator == kPastEnd) {
    scans_complete_ = true;  // the scan runs to the end of the file
  } else {
    scan.end = terminator;
  }
  scans_.push_back(scan);
  scans_cursor_ = cursor;
  return true;
}

std::size_t SourceIndex::GroupChain::KeyLineFromStart(std::string_view index,
                                                      std::string_view key) const {
  if (!scans_listed_ || index != scans_index_) {
    scans_listed_ = true;
    scans_index_ = index;
    scans_.clear();
    scans_complete_ = false;
  }
  const std::vector<std::uint32_t>& key_lines = source.Positions(key);
  std::size_t next = 0;  // the first record not yet ruled out
  for (;;) {
    if (next == scans_.size() && !ListNextRecordScan()) return kPastEnd;
    const auto key_line = std::lower_bound(key_lines.begin(), key_lines.end(), scans_[next].start);
    if (key_line == key_lines.end()) return kPastEnd;
    // The key line lies in the scan of the last record that starts at or
    // before it, or in no scan at all; the records before that one end
    // earlier.
    while (scans_.back().start <= *key_line && ListNextRecordScan()) {
    }
    const auto beyond = std::upper_bound(
        scans_.begin() + static_cast<std::ptrdiff_t>(next), scans_.end(), std::size_t{*key_line},
        [](std::size_t line, const RecordScan& scan) { return line < scan.start; });
    const std::size_t holder = static_cast<std::size_t>(beyond - scans_.begin()) - 1;
    if (*key_line < scans_[holder].end) return *key_line;
    next = holder + 1;
  }
}

}  // namespace peltarix
