#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "source/line_cursor.h"
#include "source/record_scans.h"
#include "source/source_index.h"

namespace peltarix {

// The record search for numbered records of one group in one section,
// precomputed so that finding record n does not walk records 1 .. n-1.
//
// Every line equal to the group name is a node. From a node, a search whose
// index does not match reads the next line as the index and goes on to the
// next group line it meets (through section ends and later copies of the
// section): the node's successor. The successors form a forest in which
// positions grow towards the roots, and a search started at node x visits
// exactly x's ancestors, in order. The search for index v therefore stops at
// the nearest ancestor of x whose index line is v, which the preorder
// numbers of the forest find without walking the path.
//
// A chain belongs to a LookupCache and remembers what lookups found before
// (section ends already followed, the records the search visits for the last
// number asked for); none of that changes an answer.
class GroupChain {
 public:
  GroupChain(const SourceIndex& source, std::string section, std::string group);

  static constexpr std::uint32_t kNone = UINT32_MAX;

  // The node the record search reaches first from `cursor` (a scan inside
  // the section's records), or kNone when it meets the end of the file.
  std::uint32_t FirstNodeFrom(LineCursor cursor) const;

  // The first node on the search path from `node` (itself included) whose
  // index line equals `index`, or kNone.
  std::uint32_t FirstMatch(std::uint32_t node, std::string_view index) const;

  // FirstMatch from the node a lookup's record search reaches first from the
  // file's start.
  std::uint32_t FirstMatchFromStart(std::string_view index) const {
    return first_node_ == kNone ? kNone : FirstMatch(first_node_, index);
  }

  // The position of the key line whose value answers the search from the
  // file's start for `key` in the record numbered `index`, when the first
  // matching record's key scan met a terminator; kPastEnd when no record
  // yields it (see RecordScans).
  std::size_t KeyLineFromStart(std::string_view index, std::string_view key) {
    return record_scans_.KeyLine(*this, index, key);
  }

  std::size_t position(std::uint32_t node) const { return nodes_[node]; }
  const SourceIndex& source() const { return source_; }
  const std::string& section_end_line() const { return section_end_; }
  const std::string& section_name() const { return section_; }
  const std::string& group_name() const { return group_; }

 private:
  void BuildSuccessors();
  void NumberInPreorder();
  void GroupNodesByIndex();
  void FollowSectionEnds();
  std::uint32_t NodeAt(std::size_t position) const;
  std::size_t SectionEndPlace(std::size_t position) const;
  std::string_view IndexLine(std::uint32_t node) const { return source_.line(nodes_[node] + 1); }

  const SourceIndex& source_;
  std::string section_;
  std::string section_end_;
  std::string group_;
  std::vector<std::uint32_t> nodes_;         // positions of the group lines
  std::vector<std::uint32_t> section_ends_;  // positions of the section end lines
  std::vector<std::uint32_t> successor_;
  // Each node's number in a preorder walk of the forest and the size of its
  // subtree: x lies below y when x's number falls within y's subtree.
  std::vector<std::uint32_t> preorder_;
  std::vector<std::uint32_t> subtree_size_;
  // The nodes that have an index line, ascending, by the index line's text
  // (a view of the line in the source).
  std::unordered_map<std::string_view, std::vector<std::uint32_t>> nodes_by_index_;
  // Per section end line: the node a search reaches after it, or kNone.
  std::vector<std::uint32_t> node_after_section_end_;
  std::uint32_t first_node_ = kNone;
  RecordScans record_scans_;
};

// Moves the cursor to the first line of the section's records: after the
// section line for "QVINFO", after "QVDTDTL" for every other section (its
// summary block names the groups too, and must not be taken for records).
// False when the file has no such place.
bool SeekFirstRecords(const SourceIndex& source, LineCursor& cursor, std::string_view section,
                      std::string_view section_end);

}  // namespace peltarix
