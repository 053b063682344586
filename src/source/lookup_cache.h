#pragma once

#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <utility>

#include "source/group_chain.h"
#include "source/record_window.h"
#include "source/source_index.h"

namespace peltarix {

// What the lookups of one run remember between calls, so that a run's many
// lookups cost little more than the values they return: per (section, group)
// the chain of its numbered records, and the record whose keys are being
// read. Nothing here changes an answer. A cache serves one SourceIndex at a
// time and starts afresh when handed another; it is not safe for concurrent
// lookups (each run has its own).
class LookupCache {
 public:
  // The chain of `group` in `section`, built on first use.
  GroupChain& Chain(const SourceIndex& source, std::string_view section, std::string_view group);

  // The window over the key scan of `node` in `chain`, read on first use.
  const RecordWindow& Window(GroupChain& chain, std::uint32_t node);

  // Forgets everything; needed when the index moves or is replaced at the
  // same address.
  void Clear();

 private:
  const SourceIndex* source_ = nullptr;
  std::map<std::pair<std::string, std::string>, std::unique_ptr<GroupChain>> chains_;
  GroupChain* last_chain_ = nullptr;
  RecordWindow window_;
};

}  // namespace peltarix
