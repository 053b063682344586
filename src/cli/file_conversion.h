#pragma once

#include <string>

#include "cli/file_outcome.h"
#include "conversion/data_kinds.h"

namespace peltarix::cli {

// The paths one conversion reads and writes: the files the user named, or
// scratch files standing in for the standard streams.
struct FileTask {
  std::string source;
  std::string destination;
  bool skip = false;
  // Where to draw the plan picture after a successful run; empty for none.
  std::string preview;
};

// Runs one conversion with its transcript, in a RunContext of its own (so
// that several can run at once), and gathers what the report needs.
FileOutcome ConvertFile(const FileTask& task, const DataKindSet& kinds);

}  // namespace peltarix::cli
