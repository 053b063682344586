#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "source/group_chain.h"
#include "source/source_index.h"

namespace peltarix {

// What the lookups of one run remember between calls, so that a run's many
// lookups cost little more than the values they return: per (section, group)
// the chain of its numbered records, and per text asked for which of its
// lines answered last. Nothing here changes an answer. A cache serves one
// SourceIndex at a time and starts afresh when handed another; it is not
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
  RecordExtent Record(const GroupChain& chain, std::uint32_t node);

  // The position of the first line in [from, stop) that equals `text`, or
  // `stop`. Lookups ask for the same few texts again and again, each a
  // little further on than the last time, so an indexed text is searched
  // for from the line that answered it last.
  std::size_t FindKey(const SourceIndex& source, std::string_view text, std::size_t from,
                      std::size_t stop);

  // Forgets everything; needed when the index moves or is replaced at the
  // same address.
  void Clear();

 private:
  struct TextLines {
    std::span<const std::uint32_t> positions;  // in the source's index
    std::size_t last_answer = 0;               // a place in `positions`
  };

  // The lines equal to an indexed `text`, or null when there are none.
  TextLines* LinesOf(const SourceIndex& source, std::string_view text);
  // The first of `lines` in [from, stop), or `stop`.
  static std::size_t NextLine(TextLines& lines, std::size_t from, std::size_t stop);
  // The first terminator of a record in [from, stop): "ENDSEC", "QVDTDTLEND"
  // or the section's end line. Every record asks, so their lines are looked
  // up once per source and once per chain.
  std::size_t NextTerminator(const GroupChain& chain, std::size_t from, std::size_t stop);

  const SourceIndex* source_ = nullptr;
  // A run reads a few dozen groups at most: a list searched by name.
  std::vector<std::unique_ptr<GroupChain>> chains_;
  GroupChain* last_chain_ = nullptr;
  TextMap<TextLines> texts_;
  bool block_ends_known_ = false;
  std::pair<TextLines*, TextLines*> block_ends_{};  // "ENDSEC", "QVDTDTLEND"
  const GroupChain* section_end_chain_ = nullptr;
  TextLines* section_end_ = nullptr;
};

}  // namespace peltarix
