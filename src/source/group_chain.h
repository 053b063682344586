#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "source/line_cursor.h"
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
// the nearest ancestor of x whose index line is v, which the Euler-tour
// numbers of the forest find without walking the path.
struct SourceIndex::GroupChain {
  GroupChain(const SourceIndex& source, std::string section, std::string group);

  static constexpr std::uint32_t kNone = UINT32_MAX;

  // The node the record search reaches first from `cursor` (a scan inside
  // the section's records), or kNone when it meets the end of the file.
  std::uint32_t FirstNodeFrom(LineCursor cursor) const;

  // The first node on the search path from `node` (itself included) whose
  // index line equals `index`, or kNone.
  std::uint32_t FirstMatch(std::uint32_t node, std::string_view index) const;

  std::size_t position(std::uint32_t node) const { return node_positions[node]; }

  // The node a lookup's record search reaches first, from the file's start:
  // the same for every key and index, so it is found once.
  std::uint32_t first_node() const { return first_node_; }

  // FirstMatch(first_node(), index), remembered for the last index: a
  // converter asks for every key of one record in a row.
  std::uint32_t FirstMatchFromStart(std::string_view index) const;

  // The position of the key line whose value answers the search from the
  // file's start for `key` in the record numbered `index`; kPastEnd when no
  // record yields it. The search goes on to the next record of that number
  // each time a key scan meets a record terminator. The records it visits,
  // and the terminators their scans stop at, are the same for every key, so
  // they are listed once for the last index asked for, and a key is looked
  // for among them by the positions of its lines instead of walking them:
  // thousands of records of one number lacking the keys once made every
  // point of a record cost a walk over them all.
  std::size_t KeyLineFromStart(std::string_view index, std::string_view key) const;

  const std::string& section_end_line() const { return section_end; }
  const std::string& section_name() const { return section; }
  const std::string& group_name() const { return group; }

 private:
  void BuildSuccessors();
  void BuildEulerTour();
  std::uint32_t NodeAfterSectionEnd(std::size_t section_end_place) const;
  std::uint32_t NodeAt(std::size_t position) const;
  std::size_t SectionEndPlace(std::size_t position) const;

  const SourceIndex& source;
  std::string section;
  std::string section_end;
  std::string group;
  const std::vector<std::uint32_t>& node_positions;
  const std::vector<std::uint32_t>& section_end_positions;
  std::vector<std::uint32_t> successor;
  std::vector<std::uint32_t> enter;
  std::vector<std::uint32_t> leave;
  std::unordered_map<std::string_view, std::vector<std::uint32_t>> nodes_by_index;
  mutable std::vector<std::uint32_t> after_section_end;  // kUnknown until computed
  static constexpr std::uint32_t kUnknown = UINT32_MAX - 1;
  std::uint32_t first_node_ = kNone;
  mutable std::string cached_index_;
  mutable std::uint32_t cached_match_ = kUnknown;

  // One record visited by the search for the listed index: where its key
  // scan starts (the line after its index line) and the terminator that
  // stops it (the line count when the scan runs to the end of the file).
  struct RecordScan {
    std::size_t start = 0;
    std::size_t end = 0;
  };
  // Lists the next record the search visits; false when there is none.
  bool ListNextRecordScan() const;
  mutable bool scans_listed_ = false;
  mutable std::string scans_index_;
  mutable std::vector<RecordScan> scans_;
  mutable LineCursor scans_cursor_;
  mutable bool scans_complete_ = false;
};

// Moves the cursor to the first line of the section's records: after the
// section line for "QVINFO", after "QVDTDTL" for every other section (its
// summary block names the groups too, and must not be taken for records).
// False when the file has no such place.
bool SeekFirstRecords(const SourceIndex& source, LineCursor& cursor, std::string_view section,
                      std::string_view section_end);

}  // namespace peltarix
