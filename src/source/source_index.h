#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "source/source_snapshot.h"

namespace peltarix {

// A snapshot of the source file with, for every distinct line text, the
// ascending positions where it stands. The lookups replay the line scan by
// jumping from one interesting line to the next instead of reading every
// line between them, so a lookup costs a few binary searches instead of a
// pass over the file.
class SourceIndex {
 public:
  SourceIndex();
  explicit SourceIndex(SourceSnapshot snapshot);
  SourceIndex(SourceIndex&&) noexcept;
  SourceIndex& operator=(SourceIndex&&) noexcept;
  ~SourceIndex();

  const SourceSnapshot& snapshot() const { return *snapshot_; }
  std::size_t line_count() const { return snapshot_->line_count(); }
  std::string_view line(std::size_t position) const { return snapshot_->line(position); }
  bool last_line_reaches_eof() const { return snapshot_->last_line_reaches_eof(); }

  // Ascending positions of the lines equal to `text`; empty when none.
  const std::vector<std::uint32_t>& Positions(std::string_view text) const;

  // Per (section, group) tables for numbered records, built on first use.
  struct GroupChain;
  const GroupChain& Chain(std::string_view section, std::string_view group) const;

 private:
  // On the heap so that the views below stay valid when the index moves.
  std::unique_ptr<SourceSnapshot> snapshot_;
  std::unordered_map<std::string_view, std::vector<std::uint32_t>> positions_;
  // Built on first use by lookups; they refer to this object, so a move
  // drops them and they are built again where the index now lives. Not
  // safe for concurrent lookups on one index (each run has its own).
  mutable std::map<std::pair<std::string, std::string>, std::unique_ptr<GroupChain>> chains_;
  mutable const GroupChain* last_chain_ = nullptr;
};

}  // namespace peltarix
