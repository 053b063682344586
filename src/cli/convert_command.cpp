#include "cli/convert_command.h"

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "cli/batch_plan.h"
#include "cli/cli_messages.h"
#include "cli/cli_options.h"
#include "cli/file_conversion.h"
#include "cli/json_report.h"
#include "cli/parallel_runs.h"
#include "cli/standard_streams.h"
#include "cli/transcript_printer.h"
#include "conversion/transcript.h"
#include "platform/native_path.h"
#include "run/file_failure_log.h"
#include "run/output_policy.h"
#include "run/shown_path.h"

namespace peltarix::cli {
namespace {

// A log line: Japanese in either language, as the runs' lines are.
constexpr std::string_view kReportNotWritten = "レポートのJSONファイルを書き込めません";

int UsageError(std::ostream& err, const std::string& message) {
  err << ProgramLine(message);
  return kExitUsageError;
}

// The run's notice for an empty file name, as the window shows it.
std::optional<std::string_view> EmptyName(const CommandOptions& options) {
  for (const std::string& source : options.sources) {
    if (auto message = EmptyNameMessage(source, options.output.value_or(source))) return message;
  }
  return std::nullopt;
}

// Shows "done/total" on one line of a terminal, wiped before anything else
// is printed there.
class ProgressLine {
 public:
  ProgressLine(std::ostream& err, const CliMessages& messages, bool shown, std::size_t total)
      : err_(err), messages_(messages), shown_(shown), total_(total) {}
  void Show(std::size_t done) {
    if (!shown_) return;
    err_ << "\r" << messages_.Progress(done, total_) << std::flush;
    visible_ = true;
  }
  void Wipe() {
    if (!visible_) return;
    err_ << "\r\033[K" << std::flush;
    visible_ = false;
  }

 private:
  std::ostream& err_;
  const CliMessages& messages_;
  bool shown_;
  std::size_t total_;
  bool visible_ = false;
};

void Count(const FileOutcome& outcome, BatchCounts& counts) {
  counts.warnings += outcome.warnings;
  switch (outcome.status) {
    case FileStatus::kConverted:
      ++counts.converted;
      if (outcome.warnings > 0) ++counts.converted_with_warnings;
      break;
    case FileStatus::kFailed:
      ++counts.failed;
      break;
    case FileStatus::kSkipped:
      ++counts.skipped;
      break;
  }
}

void ReplaceAll(std::string& text, const std::string& from, const std::string& to) {
  for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at)) {
    text.replace(at, from.size(), to);
    at += to.size();
  }
}

// The scratch files stand for the standard streams: the detail lines and the
// failure name them "-", as the user did.
void NameStandardStreams(const PlannedFile& file, const FileTask& task, FileOutcome& outcome) {
  for (const auto& [name, scratch] :
       {std::pair(file.source, task.source), std::pair(file.destination, task.destination)}) {
    if (name != kStandardStream) continue;
    for (TranscriptLine& line : outcome.transcript) ReplaceAll(line.text, scratch, name);
    if (outcome.failure_path == scratch) outcome.failure_path = name;
  }
}

// The plan picture of one file: the FILE of --preview=FILE, else an SVG
// beside the CSV (or beside the source when the CSV goes to standard
// output); empty without --preview.
std::string PreviewPath(const CommandOptions& options, const PlannedFile& file) {
  if (!options.preview) return {};
  if (options.preview_path) return *options.preview_path;
  const std::string beside = file.destination == kStandardStream ? file.source : file.destination;
  return Utf8Path(NativePath(beside).replace_extension(".svg"));
}

// The output policy's refusals for everything the command would write: each
// CSV, each picture and the report, against the sources and each other.
bool RefuseConflictingOutputs(const CommandOptions& options, const std::vector<FileTask>& tasks,
                              const BatchPlan& plan, const CliMessages& messages,
                              std::ostream& err) {
  std::vector<std::string> sources;
  std::vector<std::string> outputs;
  for (std::size_t i = 0; i < tasks.size(); ++i) {
    if (plan.files[i].source != kStandardStream) sources.push_back(plan.files[i].source);
    if (plan.files[i].destination != kStandardStream) outputs.push_back(plan.files[i].destination);
    if (!tasks[i].preview.empty()) outputs.push_back(tasks[i].preview);
  }
  if (options.report_path && *options.report_path != kStandardStream) {
    outputs.push_back(*options.report_path);
  }
  const std::vector<OutputRefusal> refusals = CheckOutputs(sources, outputs);
  for (const OutputRefusal& refusal : refusals) {
    err << ProgramLine(messages.OutputRefused(ShownPath(refusal.path), refusal.conflict));
  }
  return !refusals.empty();
}

// An existing report is replaced only with --overwrite; else the refusal is
// printed.
bool ReportMayBeWritten(const CommandOptions& options, const CliMessages& messages,
                        std::ostream& err) {
  if (!options.report_path || *options.report_path == kStandardStream) return true;
  if (options.overwrite || !OutputExists(*options.report_path)) return true;
  err << ProgramLine(messages.DestinationExists(ShownPath(*options.report_path)));
  return false;
}

}  // namespace

int RunConvertCommand(int argc, const char* const* argv, const CommandStreams& streams,
                      UserLanguage language) {
  const auto start = std::chrono::steady_clock::now();
  const CliMessages messages(language);
  const ParsedCommand parsed = ParseCommandLine(argc, argv, messages, streams.out, streams.err);
  if (!parsed.options) return parsed.exit_status;
  const CommandOptions& options = *parsed.options;
  if (const auto message = EmptyName(options))
    return UsageError(streams.err, std::string(*message));
  const bool csv_to_out = options.output == kStandardStream;
  const bool report_to_out = options.report_path == kStandardStream;
  if (csv_to_out && report_to_out) {
    return UsageError(streams.err, messages.StandardOutputTakenTwice());
  }
  PlanResult planned = PlanBatch(options, messages);
  if (!planned.errors.empty()) {
    for (const std::string& error : planned.errors) streams.err << ProgramLine(error);
    return kExitUsageError;
  }
  BatchPlan& plan = planned.plan;
  if (plan.batch && options.preview_path)
    return UsageError(streams.err, messages.PreviewNameWithSeveralSources());

  // The standard streams become scratch files: the run reads and writes
  // files only, and a failed run sends nothing to standard output.
  std::optional<ScratchFiles> scratch;
  std::vector<FileTask> tasks;
  for (const PlannedFile& file : plan.files) {
    tasks.push_back({file.source, file.destination, file.skip, PreviewPath(options, file)});
  }
  if (RefuseConflictingOutputs(options, tasks, plan, messages, streams.err)) return kExitUsageError;
  if (!ReportMayBeWritten(options, messages, streams.err)) return kExitUsageError;
  for (std::size_t i = 0; i < tasks.size(); ++i) {
    FileTask& task = tasks[i];
    PlannedFile& file = plan.files[i];
    if (!task.preview.empty() && !options.overwrite && !file.skip && OutputExists(task.preview)) {
      // An existing picture is no more replaced than an existing CSV: a
      // single file is refused, a batch skips the file.
      if (!plan.batch)
        return UsageError(streams.err, messages.DestinationExists(ShownPath(task.preview)));
      file.skip = task.skip = true;
      file.existing_output = task.preview;
    }
    if (file.source == kStandardStream || file.destination == kStandardStream) {
      if (!scratch) scratch.emplace();
      if (!scratch->ok()) {
        streams.err << ProgramLine(messages.NoScratchFolder());
        return kExitRunFailed;
      }
    }
    if (file.source == kStandardStream) {
      task.source = scratch->File("standard-input.QV");
      if (!CopyStreamToFile(streams.in, task.source, kSourceLimitBytes)) {
        streams.err << ProgramLine(messages.StandardInputNotKept());
        return kExitRunFailed;
      }
    }
    if (file.destination == kStandardStream)
      task.destination = scratch->File("standard-output.csv");
  }
  for (const std::string& folder : plan.folders_to_create) {
    std::error_code folder_error;  // a folder that cannot be made fails its runs, with their log
    std::filesystem::create_directories(NativePath(folder), folder_error);
  }

  const bool out_taken = csv_to_out || report_to_out;
  const PrintTargets targets{out_taken ? streams.err : streams.out, streams.err, out_taken,
                             options.verbosity, messages};
  ProgressLine progress(
      streams.err, messages,
      streams.err_is_terminal && plan.files.size() > 1 && options.verbosity != Verbosity::kQuiet,
      plan.files.size());
  BatchCounts counts;
  std::vector<FileOutcome> outcomes;
  RunInParallel(
      tasks.size(), options.jobs,
      [&](std::size_t index) { return ConvertFile(tasks[index], options.kinds); },
      [&](std::size_t index, FileOutcome& outcome) {
        progress.Wipe();
        if (plan.files[index].destination == kStandardStream &&
            outcome.status == FileStatus::kConverted &&
            !CopyFileToStream(tasks[index].destination, streams.out)) {
          streams.err << ProgramLine(messages.StandardOutputNotWritten());
          outcome.status = FileStatus::kFailed;
        }
        NameStandardStreams(plan.files[index], tasks[index], outcome);
        PrintOutcome(plan.files[index], outcome, targets);
        Count(outcome, counts);
        outcomes.push_back(std::move(outcome));
      },
      [&](std::size_t done) {
        progress.Wipe();
        progress.Show(done);
      });
  progress.Wipe();

  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  if (plan.batch && options.verbosity != Verbosity::kQuiet) {
    targets.transcript << messages.Summary(counts, seconds) << '\n' << std::flush;
  }
  int status = ExitStatusFor(counts, options.fail_on_warning);
  if (options.report_path) {
    const std::string report = JsonReport(plan.files, outcomes, counts, seconds);
    if (report_to_out) {
      streams.out << report << std::flush;
    } else if (const auto failure = WriteOutputFile(*options.report_path, report)) {
      // Said as a run says it, after the summary: the report comes last.
      if (options.verbosity != Verbosity::kQuiet) {
        targets.transcript << kErrorPrefix << kReportNotWritten << '\n'
                           << DetailLine(*failure) << '\n'
                           << std::flush;
      }
      streams.err << ProgramLine(
          messages.ReportNotWritten(ShownPath(failure->path), failure->reason_text()));
      if (status == kExitSuccess || status == kExitWithWarnings) status = kExitRunFailed;
    }
  }
  return status;
}

}  // namespace peltarix::cli
