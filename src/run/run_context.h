#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "platform/failure_reason.h"
#include "run/floor_values.h"
#include "run/output_lines.h"
#include "run/perimeter_blocks.h"
#include "run/plan_findings.h"
#include "run/progress_log.h"
#include "run/timestamp.h"
#include "source/lookup.h"
#include "source/lookup_cache.h"
#include "source/source_index.h"

namespace peltarix {

// Everything one conversion run reads and writes. Every converter receives
// it; nothing of a run lives anywhere else, so runs can go on side by side.
class RunContext {
 public:
  explicit RunContext(LogView& view, LocalClock local_clock = SystemLocalTime)
      : log(view), clock(std::move(local_clock)) {}

  std::string source_file_path;
  std::string destination_file_path;

  // The header and the record lines in file order.
  OutputLines output_lines;

  FloorValues floors;
  ProgressLog log;
  // The run's last failure to open, read, write or replace a file, or to get
  // memory, for front ends that name it outside the log (path: reason).
  std::optional<FileFailure> last_file_failure;
  LocalClock clock;

  // When set, the perimeter converter lists here every block it reads.
  PerimeterBlocks* perimeter_blocks = nullptr;
  // What the converters left out or found wrong, located, and the support
  // of the columns; filled on every run.
  PlanFindings findings;

  // The source file read once at validation; every lookup of the run answers
  // from this snapshot.
  void SetSource(SourceIndex source) {
    source_ = std::move(source);
    lookup_cache_.Clear();
  }
  const SourceIndex& source() const { return source_; }

  // Gives back what the lookups keep between calls (a chain of records per
  // group, about 24 bytes a record); the next lookups build it afresh.
  void ForgetLookups() { lookup_cache_.Clear(); }

  // A view of the value's line in the source, valid for the rest of the run.
  std::string_view LookupValue(std::string_view section, std::string_view group,
                               std::string_view key, std::string_view index) const;
  // The values of record `index` of `group` in `section`, for reading
  // several keys of it; valid for the rest of the run.
  RecordValues Record(std::string_view section, std::string_view group,
                      std::string_view index) const {
    return RecordValues(source_, lookup_cache_, section, group, index);
  }
  int LookupCount(std::string_view section, std::string_view key) const;

  void LogMessage(Severity severity, std::string_view text) { log.LogMessage(severity, text); }

  // The index of the last record line, which is the record's serial number;
  // 0 when only the header slot is used.
  int last_line_index() const { return output_lines.last_line_index(); }

 private:
  SourceIndex source_;
  // What the lookups remember between calls (see LookupCache); converters
  // read the source through a const context, and the cache never changes
  // what they read.
  mutable LookupCache lookup_cache_;
};

}  // namespace peltarix
