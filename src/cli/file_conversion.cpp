#include "cli/file_conversion.h"

#include <chrono>
#include <new>
#include <stdexcept>

#include "cli/captured_log.h"
#include "conversion/transcript.h"
#include "preview/preview_file.h"
#include "run/file_failure_log.h"
#include "run/output_policy.h"
#include "run/run_context.h"

namespace peltarix::cli {
namespace {

constexpr std::string_view kPreviewNotWritten = "プレビューのSVGファイルを書き込めません";

// The record code is the first field of every record line, in quotes.
// Records of one code come in a row, so a run of them is counted first and
// added to the map once.
std::map<std::string, int> RecordsByCode(const OutputLines& lines) {
  std::map<std::string, int> records;
  std::string_view run_code;
  int run_length = 0;
  const auto end_run = [&] {
    if (run_length > 0) records[std::string(run_code)] += run_length;
  };
  for (int index = 1; index <= lines.last_line_index(); ++index) {
    const std::string_view line = lines.line(index);
    const std::size_t end = line.find('"', 1);
    if (!line.starts_with('"') || end == std::string_view::npos) continue;
    const std::string_view code = line.substr(1, end - 1);
    if (run_length > 0 && code == run_code) {
      ++run_length;
      continue;
    }
    end_run();
    run_code = code;
    run_length = 1;
  }
  end_run();
  return records;
}

// What a run came to, as the report and the printer need it.
FileOutcome OutcomeOf(RunContext& context, CapturedLog& log, int status) {
  FileOutcome outcome;
  outcome.status = status == 0 ? FileStatus::kConverted : FileStatus::kFailed;
  outcome.transcript = std::move(log.lines());
  outcome.errors = context.log.error_count();
  outcome.warnings = context.log.warning_count();
  if (status == 0) outcome.records = RecordsByCode(context.output_lines);
  outcome.findings = std::move(context.findings);
  if (context.last_file_failure) {
    outcome.failure_path = context.last_file_failure->path;
    outcome.failure_reason = context.last_file_failure->reason_text();
  }
  return outcome;
}

FileOutcome RunConversionOf(const FileTask& task, const DataKindSet& kinds) {
  CapturedLog log;
  RunContext context(log);
  context.source_file_path = task.source;
  context.destination_file_path = task.destination;
  PerimeterBlocks blocks;
  if (!task.preview.empty()) context.perimeter_blocks = &blocks;
  // The CSV is written by then; a picture that cannot be written still
  // fails the file, in its log before the count line.
  const auto write_preview = [&](RunContext& run) {
    if (const auto failure = WriteOutputFile(task.preview, RenderRunPreview(run, blocks))) {
      return LogFileFailure(run, kPreviewNotWritten, *failure);
    }
    return 0;
  };
  const int status = RunWithTranscript(
      context, kinds, task.preview.empty() ? nullptr : AfterConversion(write_preview));
  return OutcomeOf(context, log, status);
}

FileOutcome OutOfMemoryOutcome(const FileTask& task) {
  CapturedLog log;
  RunContext context(log);
  context.source_file_path = task.source;
  LogOutOfMemoryRun(context);
  return OutcomeOf(context, log, -1);
}

}  // namespace

FileOutcome ConvertFile(const FileTask& task, const DataKindSet& kinds) {
  if (task.skip) return {};
  const auto start = std::chrono::steady_clock::now();
  FileOutcome outcome;
  try {
    outcome = RunConversionOf(task, kinds);
  } catch (const std::bad_alloc&) {
    // Memory ran out around the run (in a batch, other runs hold it): once
    // this run's own memory is given back, the file gets the whole log of a
    // run that ran out.
    outcome = OutOfMemoryOutcome(task);
  } catch (const std::length_error&) {
    outcome = OutOfMemoryOutcome(task);
  }
  outcome.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  return outcome;
}

}  // namespace peltarix::cli
