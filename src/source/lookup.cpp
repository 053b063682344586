#include "source/lookup.h"

#include <algorithm>
#include <string>

#include "source/c_numbers.h"
#include "source/group_chain.h"
#include "source/line_cursor.h"
#include "source/lookup_cache.h"

// Both lookups replay the line scan of a reader that opens the file, walks it
// from the first line with a small state machine and stops at the value. The
// states are kept as they are, quirks included (the key scan running on into
// later records, a section end sending the search to a later copy of the
// section); only the walking is done by jumps between matching lines.

namespace peltarix {
namespace {

constexpr std::string_view kSummaryStart = "QVDTSMR";
constexpr std::string_view kSummaryEnd = "QVDTSMREND";
constexpr std::string_view kDetailEnd = "QVDTDTLEND";
constexpr std::string_view kRecordEnd = "ENDSEC";

// Scans a record for the key: true with the cursor on the value line, false
// at a record terminator (the search for a record goes on after it) or at
// the end of the file (cursor.at_eof). A further group line does not end
// the scan, so a key the record lacks is taken from a later record.
bool ScanRecordForKey(const SourceIndex& source, LineCursor& cursor, std::string_view section_end,
                      std::string_view key) {
  return ReadUntil(source, cursor, {section_end, kRecordEnd, kDetailEnd, key}) == 3;
}

// The record search with an empty index: the first group line starts the key
// scan. Used for the few lookups of the groups without numbered records.
std::string_view LookupUnnumbered(const SourceIndex& source, LineCursor cursor,
                                  std::string_view section, std::string_view section_end,
                                  std::string_view group, std::string_view key) {
  for (;;) {
    const int found = ReadUntil(source, cursor, {section_end, group});
    if (found < 0) return {};
    if (found == 0) {
      // Past the section's end: on to a later line holding the section name.
      if (ReadUntil(source, cursor, {section}) < 0) return {};
      continue;
    }
    if (ScanRecordForKey(source, cursor, section_end, key)) {
      return ReadLine(source, cursor);
    }
    if (cursor.at_eof) return {};
  }
}

}  // namespace

std::string_view LookupValue(const SourceIndex& source, LookupCache& cache,
                             std::string_view section, std::string_view group, std::string_view key,
                             std::string_view index) {
  return RecordValues(source, cache, section, group, index).Value(key);
}

RecordValues::RecordValues(const SourceIndex& source, LookupCache& cache, std::string_view section,
                           std::string_view group, std::string_view index)
    : source_(source), cache_(cache), section_(section), group_(group), index_(index) {
  // Without an index, the first group line starts the key scan; few
  // lookups ask so, and each reads afresh.
  if (index.empty()) return;
  // With an index, the record is answered from the group's chain.
  GroupChain& chain = cache.Chain(source, section, group);
  const std::uint32_t match = chain.FirstMatchFromStart(index_);
  found_ = match != GroupChain::kNone;
  if (found_) extent_ = cache.Record(chain, match);
}

std::string_view RecordValues::Value(std::string_view key) const {
  if (index_.empty()) {
    const std::string section_end = std::string(section_) + "END";
    LineCursor cursor;
    if (!SeekFirstRecords(source_, cursor, section_, section_end)) return {};
    return LookupUnnumbered(source_, cursor, section_, section_end, group_, key);
  }
  if (!found_) return {};
  std::size_t key_line = cache_.FindKey(source_, key, extent_.start, extent_.stop);
  if (key_line == extent_.stop) {
    // The record runs to the end of the file: nothing can follow a key there.
    if (extent_.stop == source_.line_count()) return {};
    // The scan met a record terminator: the search goes on through the later
    // records of the same number.
    key_line = cache_.Chain(source_, section_, group_).KeyLineFromStart(index_, key);
    if (key_line == kPastEnd) return {};
  }
  // The value is the line after the key; reading past the last line gives
  // the empty text.
  return key_line + 1 < source_.line_count() ? source_.line(key_line + 1) : std::string_view();
}

std::string_view LookupValue(const SourceIndex& source, std::string_view section,
                             std::string_view group, std::string_view key, std::string_view index) {
  LookupCache cache;
  return LookupValue(source, cache, section, group, key, index);
}

int LookupCount(const SourceIndex& source, std::string_view section, std::string_view key) {
  const std::string section_end = std::string(section) + "END";
  LineCursor cursor;
  // Section, then its summary block, then the key inside it. A section end
  // inside the summary block only sends the scan back to looking for a
  // summary block, which may then be found after the section's end.
  while (ReadUntil(source, cursor, {section}) >= 0) {
    for (;;) {
      const int block = ReadUntil(source, cursor, {section_end, kSummaryStart});
      if (block < 0) return 0;
      if (block == 0) break;  // on to a later copy of the section
      const int entry = ReadUntil(source, cursor, {section_end, kSummaryEnd, key});
      if (entry < 0) return 0;
      if (entry == 2) return Atoi(ReadLine(source, cursor));
      // Otherwise back to looking for a summary block.
    }
  }
  return 0;
}

}  // namespace peltarix
