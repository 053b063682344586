#pragma once

#include <string>
#include <string_view>

#include "platform/user_language.h"
#include "run/output_policy.h"

namespace peltarix::cli {

struct BatchCounts;

inline constexpr std::string_view kProgramName = "peltarix-convert";

// `message` as a line of its own on standard error: "peltarix-convert: message\n".
std::string ProgramLine(std::string_view message);

// Every text the command line prints of its own, in English and Japanese:
// help, argument errors, refusals, progress and the summary. The log lines of
// the runs are not here: they keep their Japanese texts in either language.
// Paths and option names are passed in as the user spelled them.
class CliMessages {
 public:
  explicit CliMessages(UserLanguage language) : japanese_(language == UserLanguage::kJapanese) {}

  // --help: the parts CLI11 lays out.
  std::string Description() const;
  std::string SourceHelp() const;
  std::string OutputHelp() const;
  std::string RecursiveHelp() const;
  std::string JobsHelp() const;
  std::string KindsHelp() const;
  std::string OverwriteHelp() const;
  std::string QuietHelp() const;
  std::string VerboseHelp() const;
  std::string FailOnWarningHelp() const;
  std::string ReportHelp() const;
  std::string PreviewHelp() const;
  std::string HelpHelp() const;
  std::string VersionHelp() const;
  // The headings CLI11 writes: "Usage:", the "[OPTIONS]" badge, the groups.
  std::string UsageLabel() const;
  std::string OptionsBadge() const;
  std::string PositionalsGroup() const;
  std::string OptionsGroup() const;
  // The footer: `kind_rows` (one line per data kind) under its heading, the
  // rules for folders and the standard streams, and the exit statuses.
  std::string Footer(std::string_view kind_rows) const;

  // Argument errors.
  std::string HelpHint() const;
  std::string UnknownOption(std::string_view option) const;
  std::string UnexpectedArgument(std::string_view argument) const;
  std::string OptionNeedsValue(std::string_view option) const;
  std::string BadOptionValue(std::string_view option) const;
  std::string BadArguments(std::string_view parser_text) const;
  std::string NoSource() const;
  std::string UnknownKind(std::string_view item, std::string_view known) const;
  std::string KindsNeedList(std::string_view known) const;
  std::string QuietWithVerbose() const;
  std::string JobsOutOfRange(std::string_view value) const;
  std::string PreviewNameWithSeveralSources() const;

  // Refusals before any run.
  std::string SourceNotFound(std::string_view source) const;
  std::string StandardInputNotAlone() const;
  std::string StandardInputNeedsOutput() const;
  std::string StandardOutputNeedsOneSource() const;
  std::string NoDesignFilesInFolder(std::string_view folder, bool recursive) const;
  std::string OutputNotAFolder(std::string_view output) const;
  std::string NotARegularFile(std::string_view source) const;
  std::string SameDestination(std::string_view first, std::string_view second,
                              std::string_view destination) const;
  std::string DestinationExists(std::string_view destination) const;
  // An output the output policy refuses: "PATH: why".
  std::string OutputRefused(std::string_view path, OutputConflict conflict) const;
  std::string StandardOutputTakenTwice() const;

  // While and after the runs.
  std::string NoScratchFolder() const;
  std::string StandardInputNotKept() const;
  std::string StandardOutputNotWritten() const;
  std::string Progress(std::size_t done, std::size_t total) const;
  std::string SkippedExisting(std::string_view destination) const;
  // `reason` is the Japanese reason of the failed write.
  std::string ReportNotWritten(std::string_view report, std::string_view reason) const;
  // "39 files converted, 1 failed, 0 skipped, 12 warnings, 0.84 s".
  std::string Summary(const BatchCounts& counts, double seconds) const;

 private:
  std::string Choose(std::string english, std::string japanese) const {
    return japanese_ ? std::move(japanese) : std::move(english);
  }

  bool japanese_;
};

}  // namespace peltarix::cli
