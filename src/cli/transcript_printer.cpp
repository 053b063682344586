#include "cli/transcript_printer.h"

#include "conversion/file_heading.h"
#include "run/shown_path.h"

namespace peltarix::cli {
namespace {

std::string_view ShownName(const std::string& name, std::string_view stream_name) {
  return name == kStandardStream ? stream_name : std::string_view(name);
}

bool Shown(LineSeverity severity, Verbosity verbosity) {
  if (verbosity == Verbosity::kQuiet) return false;
  return severity != LineSeverity::kDetail || verbosity == Verbosity::kVerbose;
}

bool CopiedToErr(LineSeverity severity, const PrintTargets& targets) {
  const bool quiet = targets.verbosity == Verbosity::kQuiet;
  // A transcript already on standard error needs no copies there.
  if (targets.transcript_on_err && !quiet) return false;
  return severity == LineSeverity::kError || (severity == LineSeverity::kWarning && !quiet);
}

}  // namespace

void PrintOutcome(const PlannedFile& file, const FileOutcome& outcome,
                  const PrintTargets& targets) {
  if (outcome.status == FileStatus::kSkipped) {
    targets.err << ProgramLine(targets.messages.SkippedExisting(ShownPath(file.existing_output)));
    targets.err.flush();
    return;
  }
  if (targets.verbosity != Verbosity::kQuiet) {
    targets.transcript << FileHeadingLine(ShownName(file.source, "標準入力"),
                                          ShownName(file.destination, "標準出力"))
                       << '\n';
  }
  for (const TranscriptLine& line : outcome.transcript) {
    if (Shown(line.severity, targets.verbosity)) targets.transcript << line.text << '\n';
  }
  targets.transcript.flush();
  for (const TranscriptLine& line : outcome.transcript) {
    if (CopiedToErr(line.severity, targets))
      targets.err << ShownPath(file.source) << ": " << line.text << '\n';
  }
  if (!outcome.failure_path.empty()) {
    targets.err << ProgramLine(ShownPath(outcome.failure_path) + ": " + outcome.failure_reason);
  }
  targets.err.flush();
}

}  // namespace peltarix::cli
