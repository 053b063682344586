#include "source/lookup_cache.h"

#include <algorithm>

namespace peltarix {
namespace {

// The place of the first of `positions` at or after `from`, searched from
// `guess`: the positions ascend, so a search forward doubles its steps until
// it passes `from`, and one backward looks only before the guess.
std::size_t FirstPlaceFrom(std::span<const std::uint32_t> positions, std::size_t guess,
                           std::size_t from) {
  const auto place_of = [&](auto found) {
    return static_cast<std::size_t>(found - positions.begin());
  };
  if (guess < positions.size() && positions[guess] < from) {
    // Every place before `low` holds a position before `from`.
    std::size_t low = guess + 1;
    std::size_t step = 1;
    while (low + step <= positions.size() && positions[low + step - 1] < from) {
      low += step;
      step *= 2;
    }
    const std::size_t high = std::min(low + step, positions.size());
    return place_of(std::lower_bound(positions.begin() + low, positions.begin() + high, from));
  }
  if (guess == 0 || positions[guess - 1] < from) return guess;
  return place_of(std::lower_bound(positions.begin(), positions.begin() + guess, from));
}

}  // namespace

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

LookupCache::RecordExtent LookupCache::Record(const GroupChain& chain, std::uint32_t node) {
  const SourceIndex& source = chain.source();
  // Past the index line; a record whose index line is the last starts at
  // the end of the file.
  RecordExtent record;
  record.start = std::min(chain.position(node) + 2, source.line_count());
  record.stop = source.line_count();
  // The indexed terminators first: they bound the reading for a section
  // end outside the index.
  for (const std::string_view terminator :
       {std::string_view("ENDSEC"), std::string_view("QVDTDTLEND"),
        std::string_view(chain.section_end_line())}) {
    record.stop = FindKey(source, terminator, record.start, record.stop);
  }
  return record;
}

std::size_t LookupCache::FindKey(const SourceIndex& source, std::string_view text, std::size_t from,
                                 std::size_t stop) {
  if (!SourceIndex::IsIndexed(text)) return source.Find(text, from, stop);
  auto found = texts_.find(text);
  if (found == texts_.end()) {
    // A text without lines is not kept: converters ask for many numbered
    // keys that a record lacks, each once.
    const auto positions = source.IndexedPositions(text);
    if (positions.empty()) return stop;
    found = texts_.emplace(std::string(text), TextLines{positions, 0}).first;
  }
  TextLines& lines = found->second;
  lines.last_answer = FirstPlaceFrom(lines.positions, lines.last_answer, from);
  if (lines.last_answer == lines.positions.size()) return stop;
  return std::min<std::size_t>(lines.positions[lines.last_answer], stop);
}

void LookupCache::Clear() {
  source_ = nullptr;
  chains_.clear();
  last_chain_ = nullptr;
  texts_.clear();
}

}  // namespace peltarix
