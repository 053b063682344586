#pragma once

#include <algorithm>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <utility>

#include "source/group_chain.h"
#include "source/line_cursor.h"
#include "source/source_index.h"
#include "source/text_positions.h"

namespace peltarix {

// What the lookups of one run remember between calls, so that a run's many
// lookups cost little more than the values they return: per (section, group)
// the chain of its numbered records, where the key scan of the record whose
// keys are being read ends, and where the texts asked for were last found. Nothing here changes an
// answer. A cache serves one SourceIndex at a time and starts afresh when handed another; it is not
// safe for concurrent lookups (each run has its own).
class LookupCache {
 public:
  // The chain of `group` in `section`, built on first use.
  GroupChain& Chain(const SourceIndex& source, std::string_view section, std::string_view group);

  // The lines a key scan of one record reads: from the line after its index
  // line up to its terminator ("ENDSEC", "QVDTDTLEND" or the section's end
  // line), which `stop` holds; the line count when the file ends first.
  struct RecordExtent {
    std::size_t start = 0;
    std::size_t stop = 0;
  };

  // The extent of record `node` of `chain`, found on first use.
  const RecordExtent& Record(const GroupChain& chain, std::uint32_t node);

  // The position of the first line in [from, stop) that equals `text`, or
  // `stop`, for a lookup that has already asked Chain() for `source`.
  std::size_t FindKey(const SourceIndex& source, std::string_view text, std::size_t from,
                      std::size_t stop) {
    if (!SourceIndex::IsIndexed(text)) return source.Find(text, from, stop);
    return std::min(positions_.Find(source, text, from), stop);
  }

  // Forgets everything; needed when the index moves or is replaced at the
  // same address.
  void Clear();

 private:
  const SourceIndex* source_ = nullptr;
  std::map<std::pair<std::string, std::string>, std::unique_ptr<GroupChain>> chains_;
  GroupChain* last_chain_ = nullptr;
  const GroupChain* record_chain_ = nullptr;
  std::uint32_t record_node_ = 0;
  RecordExtent record_;
  TextPositions positions_;
};

}  // namespace peltarix
