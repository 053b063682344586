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
};

}  // namespace peltarix
