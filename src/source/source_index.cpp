#include "source/source_index.h"

#include "source/group_chain.h"

namespace peltarix {

SourceIndex::SourceIndex() : SourceIndex(SourceSnapshot()) {}

SourceIndex::SourceIndex(SourceSnapshot snapshot)
    : snapshot_(std::make_unique<SourceSnapshot>(std::move(snapshot))) {
  const std::size_t count = snapshot_->line_count();
  positions_.reserve(count / 2 + 1);
  for (std::size_t position = 0; position < count; ++position) {
    positions_[snapshot_->line(position)].push_back(static_cast<std::uint32_t>(position));
  }
}

SourceIndex::SourceIndex(SourceIndex&& other) noexcept
    : snapshot_(std::move(other.snapshot_)), positions_(std::move(other.positions_)) {}

SourceIndex& SourceIndex::operator=(SourceIndex&& other) noexcept {
  snapshot_ = std::move(other.snapshot_);
  positions_ = std::move(other.positions_);
  chains_.clear();
  last_chain_ = nullptr;
  return *this;
}

SourceIndex::~SourceIndex() = default;

const std::vector<std::uint32_t>& SourceIndex::Positions(std::string_view text) const {
  static const std::vector<std::uint32_t> kNoPositions;
  const auto found = positions_.find(text);
  return found == positions_.end() ? kNoPositions : found->second;
}

const SourceIndex::GroupChain& SourceIndex::Chain(std::string_view section,
                                                  std::string_view group) const {
  // A converter asks for one group many times in a row.
  if (last_chain_ != nullptr && last_chain_->section_name() == section &&
      last_chain_->group_name() == group) {
    return *last_chain_;
  }
  auto key = std::make_pair(std::string(section), std::string(group));
  auto found = chains_.find(key);
  if (found == chains_.end()) {
    auto chain = std::make_unique<GroupChain>(*this, key.first, key.second);
    found = chains_.emplace(std::move(key), std::move(chain)).first;
  }
  last_chain_ = found->second.get();
  return *last_chain_;
}

}  // namespace peltarix
