#pragma once

#include <string>
#include <vector>

#include "cli/cli_messages.h"
#include "cli/cli_options.h"

namespace peltarix::cli {

// The name "-" for standard input (as SOURCE) and standard output (as -o).
inline constexpr std::string_view kStandardStream = "-";

// One file of a batch, named as the user sees it: SOURCE as given (or as
// found in a folder), "-" for the standard streams.
struct PlannedFile {
  std::string source;
  std::string destination;
  // An output of this file exists and --overwrite was not given: a batch
  // goes on without this file; `existing_output` names that output.
  bool skip = false;
  std::string existing_output;
};

struct BatchPlan {
  std::vector<PlannedFile> files;
  // Several sources or a folder: one summary line, output folders, skipping.
  bool batch = false;
  // Output folders to create before the runs (the -o folder and its
  // sub-folders for -r).
  std::vector<std::string> folders_to_create;
};

// What planning came to: the files, or usage errors to print, one a line
// (nothing has been written either way).
struct PlanResult {
  BatchPlan plan;
  std::vector<std::string> errors;
};

// Refuses missing sources, expands folders, picks each destination, refuses
// two sources that would write the same CSV (the same file, links
// followed), and marks destinations that exist. A symbolic link counts as an existing destination
// even when it dangles. Refusals are worded by `messages`.
PlanResult PlanBatch(const CommandOptions& options, const CliMessages& messages);

}  // namespace peltarix::cli
