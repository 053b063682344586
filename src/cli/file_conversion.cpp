#include "cli/file_conversion.h"

#include <chrono>

#include "cli/captured_log.h"
#include "conversion/transcript.h"
#include "preview/preview_file.h"
#include "run/run_context.h"

namespace peltarix::cli {
namespace {

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

}  // namespace

FileOutcome ConvertFile(const FileTask& task, const DataKindSet& kinds) {
  FileOutcome outcome;
  if (task.skip) return outcome;
  const auto start = std::chrono::steady_clock::now();
  CapturedLog log;
  RunContext context(log);
  context.source_file_path = task.source;
  context.destination_file_path = task.destination;
  PerimeterBlocks blocks;
  if (!task.preview.empty()) context.perimeter_blocks = &blocks;
  const int status = RunWithTranscript(context, kinds);
  outcome.status = status == 0 ? FileStatus::kConverted : FileStatus::kFailed;
  if (status == 0 && !task.preview.empty()) {
    // The CSV is written by now; a missing picture still fails the file.
    if (const auto failure = WritePreviewFile(task.preview, RenderRunPreview(context, blocks))) {
      outcome.status = FileStatus::kFailed;
      outcome.failure_path = task.preview;
      outcome.failure_reason = failure->substr(failure->rfind("：") + std::string("：").size());
    }
  }
  outcome.transcript = std::move(log.lines());
  outcome.errors = context.log.error_count();
  outcome.warnings = context.log.warning_count();
  if (status == 0) outcome.records = RecordsByCode(context.output_lines);
  outcome.findings = std::move(context.findings);
  if (context.last_file_failure && outcome.failure_path.empty()) {
    outcome.failure_path = context.last_file_failure->path;
    outcome.failure_reason = context.last_file_failure->reason_text();
  }
  outcome.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  return outcome;
}

}  // namespace peltarix::cli
