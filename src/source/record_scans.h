#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "source/line_cursor.h"

namespace peltarix {

class GroupChain;

// The records that the search for one record number visits after the first
// one's key scan met a terminator. The search goes on to the next record of
// that number each time a key scan meets a record terminator. The records it
// visits, and the terminators their scans stop at, are the same for every
// key, so they are listed once for the last number asked for, and a key is
// looked for among them by the positions of its lines instead of walking
// them: thousands of records of one number lacking the keys once made every
// point of a record cost a walk over them all.
class RecordScans {
 public:
  // The position of the key line whose value answers the search from the
  // file's start for `key` in the records of `chain` numbered `index`;
  // kPastEnd when no record yields it.
  std::size_t KeyLine(const GroupChain& chain, std::string_view index, std::string_view key);

 private:
  // One record visited by the search: where its key scan starts (the line
  // after its index line) and the terminator that stops it (the line count
  // when the scan runs to the end of the file).
  struct Scan {
    std::size_t start = 0;
    std::size_t end = 0;
  };

  // Lists the next record the search visits; false when there is none.
  bool ListNext(const GroupChain& chain);

  bool listed_ = false;
  std::string index_;
  std::vector<Scan> scans_;
  LineCursor cursor_;
  bool complete_ = false;
};

}  // namespace peltarix
