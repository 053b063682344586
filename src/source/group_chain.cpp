#include "source/group_chain.h"

#include <algorithm>
#include <utility>

namespace peltarix {

bool SeekFirstRecords(const SourceIndex& source, LineCursor& cursor, std::string_view section,
                      std::string_view section_end) {
  if (ReadUntil(source, cursor, {section}) < 0) return false;
  if (section == "QVINFO") return true;
  return ReadUntil(source, cursor, {section_end, "QVDTDTL"}) == 1;
}

GroupChain::GroupChain(const SourceIndex& source, std::string section, std::string group)
    : source_(source),
      section_(std::move(section)),
      section_end_(section_ + "END"),
      group_(std::move(group)),
      nodes_(source_.FindAll(group_)),
      section_ends_(source_.FindAll(section_end_)),
      node_after_section_end_(section_ends_.size(), kUnknown) {
  BuildSuccessors();
  BuildEulerTour();
  GroupNodesByIndex();
  LineCursor start;
  if (SeekFirstRecords(source_, start, section_, section_end_)) first_node_ = FirstNodeFrom(start);
}

void GroupChain::GroupNodesByIndex() {
  const std::size_t count = source_.line_count();
  for (std::uint32_t node = 0; node < nodes_.size(); ++node) {
    if (nodes_[node] + 1 < count) nodes_by_index_[IndexLine(node)].push_back(node);
  }
}

std::uint32_t GroupChain::FirstNodeFrom(LineCursor cursor) {
  // The record search stops at the next group line or section end line (the
  // section end first when both are the same text); a section end sends it
  // on to the next line holding the section name. Past the last line only
  // the empty line at the end is read, which has no index line.
  if (cursor.at_eof) return kNone;
  const std::uint32_t node = NodeAt(cursor.next);
  const std::size_t place = SectionEndPlace(cursor.next);
  const std::size_t group_line = node < nodes_.size() ? nodes_[node] : kPastEnd;
  const std::size_t end_line = place < section_ends_.size() ? section_ends_[place] : kPastEnd;
  if (end_line <= group_line) {
    return end_line == kPastEnd ? kNone : NodeAfterSectionEnd(place);
  }
  return node;
}

std::uint32_t GroupChain::NodeAt(std::size_t position) const {
  return static_cast<std::uint32_t>(std::lower_bound(nodes_.begin(), nodes_.end(), position) -
                                    nodes_.begin());
}

std::size_t GroupChain::SectionEndPlace(std::size_t position) const {
  return static_cast<std::size_t>(
      std::lower_bound(section_ends_.begin(), section_ends_.end(), position) -
      section_ends_.begin());
}

std::uint32_t GroupChain::NodeAfterSectionEnd(std::size_t place) {
  // Section ends met one after another (a section copy without the group)
  // are resolved from the last one back, so each is computed once and the
  // recursion depth stays flat.
  std::vector<std::size_t> pending;
  std::uint32_t result = kNone;
  for (;;) {
    if (node_after_section_end_[place] != kUnknown) {
      result = node_after_section_end_[place];
      break;
    }
    pending.push_back(place);
    LineCursor cursor = LineCursor::After(source_, section_ends_[place]);
    if (ReadUntil(source_, cursor, {section_}) < 0) {
      result = kNone;
      break;
    }
    std::size_t position = kPastEnd;
    const int found = ReadUntil(source_, cursor, {section_end_, group_}, &position);
    if (found < 0 || position == kPastEnd) {
      result = kNone;
      break;
    }
    if (found == 1) {
      result = NodeAt(position);
      break;
    }
    place = SectionEndPlace(position);
  }
  for (const std::size_t done : pending) node_after_section_end_[done] = result;
  return result;
}

void GroupChain::BuildSuccessors() {
  successor_.assign(nodes_.size(), kNone);
  for (std::uint32_t node = 0; node < nodes_.size(); ++node) {
    // After the group line comes the index line, read whatever it holds.
    LineCursor cursor = LineCursor::After(source_, nodes_[node]);
    ReadLine(source_, cursor);
    successor_[node] = FirstNodeFrom(cursor);
  }
}

void GroupChain::BuildEulerTour() {
  const std::size_t count = nodes_.size();
  // Children lists in compressed form; the roots hang below a virtual node.
  std::vector<std::uint32_t> first_child(count + 1, kNone);
  std::vector<std::uint32_t> next_sibling(count, kNone);
  for (std::uint32_t node = static_cast<std::uint32_t>(count); node-- > 0;) {
    const std::uint32_t parent = successor_[node] == kNone ? count : successor_[node];
    next_sibling[node] = first_child[parent];
    first_child[parent] = node;
  }
  enter_.assign(count + 1, 0);
  leave_.assign(count + 1, 0);
  std::uint32_t clock = 0;
  std::vector<std::pair<std::uint32_t, std::uint32_t>> stack;  // node, next child to visit
  stack.emplace_back(static_cast<std::uint32_t>(count), first_child[count]);
  enter_[count] = clock++;
  while (!stack.empty()) {
    auto& [node, child] = stack.back();
    if (child == kNone) {
      leave_[node] = clock++;
      stack.pop_back();
      continue;
    }
    const std::uint32_t visit = child;
    child = next_sibling[visit];
    enter_[visit] = clock++;
    stack.emplace_back(visit, first_child[visit]);
  }
}

std::uint32_t GroupChain::FirstMatchFromStart(std::string_view index) {
  if (last_match_ == kUnknown || index != last_index_) {
    last_index_ = index;
    last_match_ = first_node_ == kNone ? kNone : FirstMatch(first_node_, index);
  }
  return last_match_;
}

std::uint32_t GroupChain::FirstMatch(std::uint32_t node, std::string_view index) const {
  const auto found = nodes_by_index_.find(index);
  if (found == nodes_by_index_.end()) return kNone;
  const std::vector<std::uint32_t>& candidates = found->second;
  // Ancestors lie at larger positions, so only candidates from `node` on
  // can be on its path; the first of them on the path is the nearest.
  for (auto it = std::lower_bound(candidates.begin(), candidates.end(), node);
       it != candidates.end(); ++it) {
    if (enter_[*it] <= enter_[node] && leave_[node] <= leave_[*it]) return *it;
  }
  return kNone;
}

}  // namespace peltarix
