#include "source/group_chain.h"

#include <algorithm>

namespace peltarix {

bool SeekFirstRecords(const SourceIndex& source, LineCursor& cursor, std::string_view section,
                      std::string_view section_end) {
  if (ReadUntil(source, cursor, {section}) < 0) return false;
  if (section == "QVINFO") return true;
  return ReadUntil(source, cursor, {section_end, "QVDTDTL"}) == 1;
}

SourceIndex::GroupChain::GroupChain(const SourceIndex& source_index, std::string section_name,
                                    std::string group_name)
    : source(source_index),
      section(std::move(section_name)),
      section_end(section + "END"),
      group(std::move(group_name)),
      node_positions(source.Positions(group)),
      section_end_positions(source.Positions(section_end)),
      after_section_end(section_end_positions.size(), kUnknown) {
  BuildSuccessors();
  BuildEulerTour();
  LineCursor start;
  if (SeekFirstRecords(source, start, section, section_end)) first_node_ = FirstNodeFrom(start);
  const std::size_t count = source.line_count();
  for (std::uint32_t node = 0; node < node_positions.size(); ++node) {
    const std::size_t index_position = node_positions[node] + 1;
    if (index_position < count) nodes_by_index[source.line(index_position)].push_back(node);
  }
}

std::uint32_t SourceIndex::GroupChain::FirstNodeFrom(LineCursor cursor) const {
  // The record search stops at the next group line or section end line; a
  // section end sends it on to the next line holding the section name.
  std::size_t position = kPastEnd;
  const int found = ReadUntil(source, cursor, {section_end, group}, &position);
  if (found < 0 || position == kPastEnd) return kNone;  // the empty line at the end has no index
  if (found == 1) return NodeAt(position);
  return NodeAfterSectionEnd(SectionEndPlace(position));
}

std::uint32_t SourceIndex::GroupChain::NodeAt(std::size_t position) const {
  return static_cast<std::uint32_t>(
      std::lower_bound(node_positions.begin(), node_positions.end(), position) -
      node_positions.begin());
}

std::size_t SourceIndex::GroupChain::SectionEndPlace(std::size_t position) const {
  return static_cast<std::size_t>(
      std::lower_bound(section_end_positions.begin(), section_end_positions.end(), position) -
      section_end_positions.begin());
}

std::uint32_t SourceIndex::GroupChain::NodeAfterSectionEnd(std::size_t place) const {
  // Section ends met one after another (a section copy without the group)
  // are resolved from the last one back, so each is computed once and the
  // recursion depth stays flat.
  std::vector<std::size_t> pending;
  std::uint32_t result = kNone;
  for (;;) {
    if (after_section_end[place] != kUnknown) {
      result = after_section_end[place];
      break;
    }
    pending.push_back(place);
    LineCursor cursor = LineCursor::After(source, section_end_positions[place]);
    if (ReadUntil(source, cursor, {section}) < 0) {
      result = kNone;
      break;
    }
    std::size_t position = kPastEnd;
    const int found = ReadUntil(source, cursor, {section_end, group}, &position);
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
  for (const std::size_t done : pending) after_section_end[done] = result;
  return result;
}

void SourceIndex::GroupChain::BuildSuccessors() {
  successor.assign(node_positions.size(), kNone);
  for (std::uint32_t node = 0; node < node_positions.size(); ++node) {
    // After the group line comes the index line, read whatever it holds.
    LineCursor cursor = LineCursor::After(source, node_positions[node]);
    ReadLine(source, cursor);
    successor[node] = FirstNodeFrom(cursor);
  }
}

void SourceIndex::GroupChain::BuildEulerTour() {
  const std::size_t count = node_positions.size();
  // Children lists in compressed form; the roots hang below a virtual node.
  std::vector<std::uint32_t> first_child(count + 1, kNone);
  std::vector<std::uint32_t> next_sibling(count, kNone);
  for (std::uint32_t node = static_cast<std::uint32_t>(count); node-- > 0;) {
    const std::uint32_t parent = successor[node] == kNone ? count : successor[node];
    next_sibling[node] = first_child[parent];
    first_child[parent] = node;
  }
  enter.assign(count + 1, 0);
  leave.assign(count + 1, 0);
  std::uint32_t clock = 0;
  std::vector<std::pair<std::uint32_t, std::uint32_t>> stack;  // node, next child to visit
  stack.emplace_back(static_cast<std::uint32_t>(count), first_child[count]);
  enter[count] = clock++;
  while (!stack.empty()) {
    auto& [node, child] = stack.back();
    if (child == kNone) {
      leave[node] = clock++;
      stack.pop_back();
      continue;
    }
    const std::uint32_t visit = child;
    child = next_sibling[visit];
    enter[visit] = clock++;
    stack.emplace_back(visit, first_child[visit]);
  }
}

std::uint32_t SourceIndex::GroupChain::FirstMatchFromStart(std::string_view index) const {
  if (cached_match_ == kUnknown || index != cached_index_) {
    cached_index_ = index;
    cached_match_ = first_node_ == kNone ? kNone : FirstMatch(first_node_, index);
  }
  return cached_match_;
}

std::uint32_t SourceIndex::GroupChain::FirstMatch(std::uint32_t node,
                                                  std::string_view index) const {
  const auto found = nodes_by_index.find(index);
  if (found == nodes_by_index.end()) return kNone;
  const auto& candidates = found->second;
  // Ancestors lie at larger positions, so only candidates from `node` on
  // can be on its path; the first of them on the path is the nearest.
  for (auto it = std::lower_bound(candidates.begin(), candidates.end(), node);
       it != candidates.end(); ++it) {
    if (enter[*it] <= enter[node] && leave[node] <= leave[*it]) return *it;
  }
  return kNone;
}

}  // namespace peltarix
