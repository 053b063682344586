#include "cli/cli_options.h"

#include <CLI/CLI.hpp>
#include <charconv>
#include <filesystem>
#include <memory>
#include <thread>

#include "cli/cli_messages.h"
#include "cli/exit_status.h"
#include "cli/option_values.h"
#include "platform/native_path.h"

namespace peltarix::cli {
namespace {

constexpr int kMostJobs = 256;

// One line per data kind: its --kinds word and its check box's caption.
std::string KindRows() {
  std::string text;
  for (const DataKindRow& kind : kDataKindRows) {
    text += "  " + std::string(kind.word);
    text.append(12 - kind.word.size(), ' ');
    text += std::string(kind.caption) + "\n";
  }
  return text;
}

char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
  }
  return true;
}

std::string KindList(std::string_view separator) {
  std::string text;
  for (const DataKindRow& kind : kDataKindRows) {
    if (!text.empty()) text += separator;
    text += kind.word;
  }
  return text;
}

int DefaultJobs() {
  const unsigned cores = std::thread::hardware_concurrency();
  return cores == 0 ? 1 : static_cast<int>(cores);
}

// A whole decimal number from 1 to kMostJobs, or nothing.
std::optional<int> ParseJobs(const std::string& text) {
  int jobs = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, jobs);
  if (error != std::errc() || stop != end || jobs < 1 || jobs > kMostJobs) return std::nullopt;
  return jobs;
}

// The option a CLI11 error is about: its first word that starts with "-"
// ("--output: 1 required DEST missing", "Could not convert: --quiet = x").
std::string OptionNamedIn(std::string_view parser_text) {
  while (!parser_text.empty()) {
    const std::size_t space = parser_text.find(' ');
    std::string_view word = parser_text.substr(0, space);
    if (word.ends_with(':')) word.remove_suffix(1);
    if (word.size() > 1 && word[0] == '-') return std::string(word);
    if (space == std::string_view::npos) break;
    parser_text.remove_prefix(space + 1);
  }
  return {};
}

// CLI11's own texts are English: each error it may raise is told again
// from the catalog.
std::string ParseErrorMessage(const CLI::ParseError& error, const CliMessages& messages) {
  const std::string option = OptionNamedIn(error.what());
  if (option.empty()) return messages.BadArguments(error.what());
  if (dynamic_cast<const CLI::ArgumentMismatch*>(&error) != nullptr)
    return messages.OptionNeedsValue(option);
  if (dynamic_cast<const CLI::ConversionError*>(&error) != nullptr ||
      dynamic_cast<const CLI::ValidationError*>(&error) != nullptr)
    return messages.BadOptionValue(option);
  return messages.BadArguments(error.what());
}

ParsedCommand UsageError(std::ostream& err, const CliMessages& messages,
                         const std::string& message) {
  err << ProgramLine(message) << ProgramLine(messages.HelpHint());
  return {std::nullopt, kExitUsageError};
}

std::shared_ptr<CLI::Formatter> HelpFormatter(const CliMessages& messages) {
  auto formatter = std::make_shared<CLI::Formatter>();
  formatter->label("Usage", messages.UsageLabel());
  formatter->label("OPTIONS", messages.OptionsBadge());
  formatter->label("Positionals", messages.PositionalsGroup());
  return formatter;
}

}  // namespace

ParsedCommand ParseCommandLine(int argc, const char* const* argv, const CliMessages& messages,
                               std::ostream& out, std::ostream& err) {
  CLI::App app(messages.Description(), std::string(kProgramName));
  // The same options on every system: on Windows a path may start with "/".
  app.allow_windows_style_options(false);
  app.formatter(HelpFormatter(messages));
  app.option_defaults()->group(messages.OptionsGroup());
  app.set_help_flag("-h,--help", messages.HelpHelp());
  CommandOptions options;
  std::string output;
  std::string report;
  std::string jobs;
  std::string kinds = KindList(",");
  bool quiet = false;
  bool verbose = false;
  const auto last_wins = CLI::MultiOptionPolicy::TakeLast;
  app.add_option("SOURCE", options.sources, messages.SourceHelp())->type_name("");
  app.add_option("-o,--output", output, messages.OutputHelp())
      ->type_name("DEST")
      ->multi_option_policy(last_wins);
  app.add_flag("-r,--recursive", options.recursive, messages.RecursiveHelp());
  app.add_option("-j,--jobs", jobs, messages.JobsHelp())
      ->type_name("N")
      ->multi_option_policy(last_wins);
  app.add_option("--kinds", kinds, messages.KindsHelp())
      ->type_name("LIST")
      ->multi_option_policy(last_wins);
  app.add_flag("-y,--overwrite", options.overwrite, messages.OverwriteHelp());
  app.add_flag("-q,--quiet", quiet, messages.QuietHelp());
  app.add_flag("-v,--verbose", verbose, messages.VerboseHelp());
  app.add_flag("--fail-on-warning", options.fail_on_warning, messages.FailOnWarningHelp());
  app.add_option("--report", report, messages.ReportHelp())
      ->type_name("FILE.json")
      ->multi_option_policy(last_wins);
  // Listed for --help only: AttachOptionValues reads --preview, so that it
  // never takes a SOURCE for its name.
  bool preview_listed = false;
  app.add_flag("--preview", preview_listed, messages.PreviewHelp());
  app.set_version_flag("-V,--version", std::string(kProgramName) + " " + PELTARIX_VERSION,
                       messages.VersionHelp());
  app.footer(messages.Footer(KindRows()));

  const ReadyArguments ready = AttachOptionValues(argc, argv);
  std::vector<const char*> arguments;
  for (const std::string& argument : ready.arguments) arguments.push_back(argument.c_str());
  try {
    app.parse(static_cast<int>(arguments.size()), arguments.data());
  } catch (const CLI::Success& success) {
    // --help or --version.
    app.exit(success, out, err);
    return {std::nullopt, kExitSuccess};
  } catch (const CLI::ExtrasError&) {
    for (const std::string& extra : app.remaining()) {
      const bool option = extra.size() > 1 && extra[0] == '-';
      err << ProgramLine(option ? messages.UnknownOption(extra)
                                : messages.UnexpectedArgument(extra));
    }
    err << ProgramLine(messages.HelpHint());
    return {std::nullopt, kExitUsageError};
  } catch (const CLI::ParseError& error) {
    return UsageError(err, messages, ParseErrorMessage(error, messages));
  }
  if (ready.kinds_without_list)
    return UsageError(err, messages, messages.KindsNeedList(KindList(", ")));
  if (quiet && verbose) return UsageError(err, messages, messages.QuietWithVerbose());
  if (app.count("--jobs") > 0) {
    const std::optional<int> parsed_jobs = ParseJobs(jobs);
    if (!parsed_jobs) return UsageError(err, messages, messages.JobsOutOfRange(jobs));
    options.jobs = *parsed_jobs;
  } else {
    options.jobs = DefaultJobs();
  }
  if (options.sources.empty()) return UsageError(err, messages, messages.NoSource());
  std::string bad_item;
  const std::optional<DataKindSet> parsed_kinds = ParseKinds(kinds, &bad_item);
  if (!parsed_kinds) {
    err << ProgramLine(messages.UnknownKind(bad_item, KindList(", ")));
    return {std::nullopt, kExitUsageError};
  }
  options.kinds = *parsed_kinds;
  if (app.count("--output") > 0) options.output = output;
  if (app.count("--report") > 0) options.report_path = report;
  options.preview = ready.preview;
  options.preview_path = ready.preview_name;
  options.verbosity = quiet     ? Verbosity::kQuiet
                      : verbose ? Verbosity::kVerbose
                                : Verbosity::kNormal;
  return {std::move(options), kExitSuccess};
}

std::optional<DataKindSet> ParseKinds(std::string_view list, std::string* bad_item) {
  DataKindSet kinds = DataKindSet::None();
  if (list.empty()) return kinds;
  while (true) {
    const std::size_t comma = list.find(',');
    const std::string_view word = list.substr(0, comma);
    bool known = false;
    for (const DataKindRow& row : kDataKindRows) {
      if (EqualsIgnoringCase(word, row.word)) {
        kinds.Set(row.kind);
        known = true;
      }
    }
    if (!known) {
      if (bad_item != nullptr) *bad_item = word;
      return std::nullopt;
    }
    if (comma == std::string_view::npos) return kinds;
    list.remove_prefix(comma + 1);
  }
}

std::string DefaultDestination(const std::string& source) {
  std::filesystem::path path = NativePath(source);
  path.replace_extension(".csv");
  return Utf8Path(path);
}

}  // namespace peltarix::cli
