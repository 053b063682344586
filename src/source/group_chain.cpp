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
      section_ends_(source_.FindAll(section_end_)) {
  FollowSectionEnds();
  BuildSuccessors();
  NumberInPreorder();
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

std::uint32_t GroupChain::FirstNodeFrom(LineCursor cursor) const {
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
    return end_line == kPastEnd ? kNone : node_after_section_end_[place];
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

void GroupChain::FollowSectionEnds() {
  // From the last section end back: a search that meets a further section
  // end before a group line goes on as from that one, whose node is known.
  node_after_section_end_.assign(section_ends_.size(), kNone);
  for (std::size_t place = section_ends_.size(); place-- > 0;) {
    LineCursor cursor = LineCursor::After(source_, section_ends_[place]);
    if (ReadUntil(source_, cursor, {section_}) < 0) continue;
    std::size_t position = kPastEnd;
    const int found = ReadUntil(source_, cursor, {section_end_, group_}, &position);
    if (found < 0 || position == kPastEnd) continue;
    node_after_section_end_[place] =
        found == 1 ? NodeAt(position) : node_after_section_end_[SectionEndPlace(position)];
  }
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

void GroupChain::NumberInPreorder() {
  // A successor lies after its node, so walking the nodes forwards meets
  // every child before its parent (to sum subtree sizes) and walking them
  // backwards every parent before its children (to hand out numbers). The
  // roots hang below a virtual node, number `count`.
  const std::size_t count = nodes_.size();
  const auto parent = [&](std::size_t node) {
    return successor_[node] == kNone ? count : std::size_t{successor_[node]};
  };
  subtree_size_.assign(count + 1, 1);
  for (std::size_t node = 0; node < count; ++node)
    subtree_size_[parent(node)] += subtree_size_[node];
  preorder_.assign(count + 1, 0);
  std::vector<std::uint32_t> next_number(count + 1, 1);  // for the next child, per parent
  for (std::size_t node = count; node-- > 0;) {
    preorder_[node] = next_number[parent(node)];
    next_number[parent(node)] += subtree_size_[node];
    next_number[node] = preorder_[node] + 1;
  }
}

std::uint32_t GroupChain::FirstMatch(std::uint32_t node, std::string_view index) const {
  const auto found = nodes_by_index_.find(index);
  if (found == nodes_by_index_.end()) return kNone;
  const std::vector<std::uint32_t>& candidates = found->second;
  // Ancestors lie at larger positions, so only candidates from `node` on
  // can be on its path; the first of them on the path is the nearest.
  for (auto it = std::lower_bound(candidates.begin(), candidates.end(), node);
       it != candidates.end(); ++it) {
    if (preorder_[*it] <= preorder_[node] &&
        preorder_[node] < preorder_[*it] + subtree_size_[*it]) {
      return *it;
    }
  }
  return kNone;
}

}  // namespace peltarix
