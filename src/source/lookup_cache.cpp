#include "source/lookup_cache.h"

#include <algorithm>

namespace peltarix {

GroupChain& LookupCache::Chain(const SourceIndex& source, std::string_view section,
                               std::string_view group) {
  if (&source != source_) {
    Clear();
    source_ = &source;
  }
  // A converter asks for one group many times in a row.
  if (last_chain_ != nullptr && last_chain_->group_name() == group &&
      last_chain_->section_name() == section) {
    return *last_chain_;
  }
  auto key = std::make_pair(std::string(section), std::string(group));
  auto found = chains_.find(key);
  if (found == chains_.end()) {
    auto chain = std::make_unique<GroupChain>(source, key.first, key.second);
    found = chains_.emplace(std::move(key), std::move(chain)).first;
  }
  last_chain_ = found->second.get();
  return *last_chain_;
}

const LookupCache::RecordExtent& LookupCache::Record(const GroupChain& chain, std::uint32_t node) {
  if (record_chain_ != &chain || record_node_ != node) {
    const SourceIndex& source = chain.source();
    record_chain_ = &chain;
    record_node_ = node;
    // Past the index line; a record whose index line is the last starts at
    // the end of the file.
    record_.start = std::min(chain.position(node) + 2, source.line_count());
    record_.stop = source.line_count();
    // The indexed terminators first: they bound the reading for a section
    // end outside the index.
    for (const std::string_view terminator :
         {std::string_view("ENDSEC"), std::string_view("QVDTDTLEND"),
          std::string_view(chain.section_end_line())}) {
      record_.stop = FindKey(source, terminator, record_.start, record_.stop);
    }
  }
  return record_;
}

void LookupCache::Clear() {
  source_ = nullptr;
  chains_.clear();
  last_chain_ = nullptr;
  record_chain_ = nullptr;
  positions_.Clear();
}

}  // namespace peltarix
