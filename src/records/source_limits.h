#pragma once

#include <cstdint>
#include <string_view>

#include "run/run_context.h"

namespace peltarix {

// Every record and every outline point takes lines of its own in the source,
// so a record count or point count beyond the file's line count can only come
// from a damaged file. Read literally, such a count would make a converter
// visit or write billions of empty items.

// The record count that the summary block of `section` gives for `group`.
// A count beyond the source's lines is reported as a warning naming
// `data_kind` and gives -1, so that the converter converts none of them.
int CountRecords(RunContext& context, std::string_view section, std::string_view group,
                 std::string_view data_kind);

// The outline points of one kind's records all take lines of their own, so
// together they cannot outnumber the source's lines either. Checked record
// by record, a few thousand records each claiming nearly as many points as
// the file has lines passed one by one and made the converter look up and
// write gigabytes of empty points from a file of a few hundred kilobytes.
class PointBudget {
 public:
  PointBudget(RunContext& context, std::string_view data_kind);

  // Counts the points of record `record_number`. False, after one warning,
  // when they cannot all stand in the source: more points than its lines,
  // or more than the points of the kind's earlier records left over. The
  // converter then writes no record for it. Counts of 0 or less claim none.
  bool Claim(std::string_view record_number, std::int64_t point_count);

 private:
  RunContext& context_;
  std::string_view data_kind_;
  std::int64_t claimed_ = 0;
};

}  // namespace peltarix
