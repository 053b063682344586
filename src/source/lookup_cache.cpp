#include "source/lookup_cache.h"

#include "source/line_hash.h"

namespace peltarix {

GroupChain& LookupCache::Chain(const SourceIndex& source, std::string_view section,
                               std::string_view group) {
  if (&source != source_) {
    Clear();
    source_ = &source;
  }
  // A converter asks for one group many times in a row.
  if (last_chain_ != nullptr && SameText(last_chain_->group_name(), group) &&
      SameText(last_chain_->section_name(), section)) {
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

const RecordWindow& LookupCache::Window(GroupChain& chain, std::uint32_t node) {
  if (!window_.Holds(&chain, node)) {
    const SourceIndex& source = chain.source();
    const LineCursor start =
        LineCursor::After(source, chain.position(node) + 1);  // past the index line
    window_.Open(source, start.next, chain.section_end_line(), &chain, node);
  }
  return window_;
}

void LookupCache::Clear() {
  source_ = nullptr;
  chains_.clear();
  last_chain_ = nullptr;
  window_ = RecordWindow();
}

}  // namespace peltarix
