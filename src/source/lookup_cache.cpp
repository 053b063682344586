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
    // Most often the answer is the next place: a record's keys are asked
    // for in the order they stand.
    if (guess + 1 == positions.size() || positions[guess + 1] >= from) return guess + 1;
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
  const auto found = std::find_if(chains_.begin(), chains_.end(), [&](const auto& chain) {
    return chain->group_name() == group && chain->section_name() == section;
  });
  if (found != chains_.end()) {
    last_chain_ = found->get();
  } else {
    last_chain_ = chains_
                      .emplace_back(std::make_unique<GroupChain>(source, std::string(section),
                                                                 std::string(group)))
                      .get();
  }
  return *last_chain_;
}

LookupCache::RecordExtent LookupCache::Record(const GroupChain& chain, std::uint32_t node) {
  const SourceIndex& source = chain.source();
  // Past the index line; a record whose index line is the last starts at
  // the end of the file.
  RecordExtent record;
  record.start = std::min(chain.position(node) + 2, source.line_count());
  record.stop = NextTerminator(chain, record.start, source.line_count());
  return record;
}

std::size_t LookupCache::NextTerminator(const GroupChain& chain, std::size_t from,
                                        std::size_t stop) {
  const SourceIndex& source = chain.source();
  if (!block_ends_known_) {
    block_ends_ = {LinesOf(source, "ENDSEC"), LinesOf(source, "QVDTDTLEND")};
    block_ends_known_ = true;
  }
  // The indexed terminators first: they bound the reading for a section
  // end outside the index.
  for (TextLines* lines : {block_ends_.first, block_ends_.second}) {
    if (lines != nullptr) stop = NextLine(*lines, from, stop);
  }
  const std::string& section_end = chain.section_end_line();
  if (!SourceIndex::IsIndexed(section_end)) return source.Find(section_end, from, stop);
  if (section_end_chain_ != &chain) {
    section_end_ = LinesOf(source, section_end);
    section_end_chain_ = &chain;
  }
  return section_end_ != nullptr ? NextLine(*section_end_, from, stop) : stop;
}

LookupCache::TextLines* LookupCache::LinesOf(const SourceIndex& source, std::string_view text) {
  auto found = texts_.find(text);
  if (found == texts_.end()) {
    // A text without lines is not kept: converters ask for many numbered
    // keys that a record lacks, each once.
    const auto positions = source.IndexedPositions(text);
    if (positions.empty()) return nullptr;
    found = texts_.emplace(std::string(text), TextLines{positions, 0}).first;
  }
  return &found->second;
}

std::size_t LookupCache::NextLine(TextLines& lines, std::size_t from, std::size_t stop) {
  lines.last_answer = FirstPlaceFrom(lines.positions, lines.last_answer, from);
  if (lines.last_answer == lines.positions.size()) return stop;
  return std::min<std::size_t>(lines.positions[lines.last_answer], stop);
}

std::size_t LookupCache::FindKey(const SourceIndex& source, std::string_view text, std::size_t from,
                                 std::size_t stop) {
  if (!SourceIndex::IsIndexed(text)) return source.Find(text, from, stop);
  TextLines* lines = LinesOf(source, text);
  return lines != nullptr ? NextLine(*lines, from, stop) : stop;
}

void LookupCache::Clear() {
  source_ = nullptr;
  chains_.clear();
  last_chain_ = nullptr;
  texts_.clear();
  block_ends_known_ = false;
  block_ends_ = {};
  section_end_chain_ = nullptr;
  section_end_ = nullptr;
}

}  // namespace peltarix
