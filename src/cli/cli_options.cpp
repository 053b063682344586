#include "cli/cli_options.h"

#include <CLI/CLI.hpp>
#include <thread>

#include "cli/exit_status.h"
#include "conversion/csv_beside_source.h"

namespace peltarix::cli {
namespace {

constexpr const char* kProgram = "peltarix-convert";

std::string KindsHelp() {
  std::string text = "Kinds (--kinds, any case; default: all six, in this order):\n";
  for (const DataKindRow& kind : kDataKindRows) {
    text += "  " + std::string(kind.word);
    text.append(12 - kind.word.size(), ' ');
    text += std::string(kind.caption) + "\n";
  }
  return text;
}

std::string Footer() {
  return KindsHelp() +
         "\n"
         "A SOURCE folder converts its *.QV files (any case); -r also those of its sub-folders.\n"
         "With several sources or a folder, -o names an output folder (created when missing);\n"
         "without -o each CSV goes next to its source. '-' as SOURCE reads standard input,\n"
         "'-o -' writes the CSV to standard output (the log then goes to standard error).\n"
         "\n"
         "Exit status:\n"
         "  0  every CSV file was written\n"
         "  1  some file was not converted: its run stopped (the log says why), or in a\n"
         "     batch its CSV existed without --overwrite and it was skipped\n"
         "  2  bad arguments, an empty file name, or DEST exists without --overwrite;\n"
         "     nothing was converted\n"
         "  3  with --fail-on-warning: every CSV was written, but some with warnings";
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

// CLI11 reads "--kinds=" as "--kinds" waiting for a value and would take the
// next argument for it; pass the empty list explicitly instead.
std::vector<const char*> WithEmptyKindsSpelledOut(int argc, const char* const* argv) {
  std::vector<const char*> arguments(argv, argv + argc);
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    if (std::string_view(arguments[i]) == "--kinds=") {
      arguments[i] = "--kinds";
      arguments.insert(arguments.begin() + static_cast<std::ptrdiff_t>(i) + 1, "");
    }
  }
  return arguments;
}

}  // namespace

ParsedCommand ParseCommandLine(int argc, const char* const* argv, std::ostream& out,
                               std::ostream& err) {
  CLI::App app("Converts QV house design files into CSV files of coded records.", kProgram);
  // The same options on every system: on Windows a path may start with "/".
  app.allow_windows_style_options(false);
  CommandOptions options;
  options.jobs = DefaultJobs();
  std::string output;
  std::string report;
  std::string preview;
  std::string kinds = KindList(",");
  bool quiet = false;
  bool verbose = false;
  app.add_option("SOURCE", options.sources,
                 "QV files or folders to convert; - reads standard input")
      ->type_name("");
  app.add_option("-o,--output", output,
                 "the CSV file (one source), or the output folder (several sources or a folder);\n"
                 "- writes the CSV to standard output (default: next to each source)")
      ->type_name("DEST");
  app.add_flag("-r,--recursive", options.recursive, "also convert the QV files of sub-folders");
  app.add_option("-j,--jobs", options.jobs,
                 "conversions run at once (default: the number of cores)")
      ->check(CLI::Range(1, 256));
  app.add_option("--kinds", kinds, "comma-separated kinds of data to convert (default: all six)")
      ->type_name("LIST");
  app.add_flag("-y,--overwrite", options.overwrite, "replace CSV files that exist");
  CLI::Option* quiet_flag = app.add_flag("-q,--quiet", quiet, "print nothing but errors");
  CLI::Option* verbose_flag =
      app.add_flag("-v,--verbose", verbose, "also print the detail line of each failure");
  quiet_flag->excludes(verbose_flag);
  app.add_flag("--fail-on-warning", options.fail_on_warning,
               "exit with status 3 when a file was converted with warnings");
  app.add_option("--report", report, "write a JSON report of every file to FILE")
      ->type_name("FILE.json");
  app.add_option("--preview", preview,
                 "also draw the converted records as an SVG plan to FILE (several sources:\n"
                 "one SVG beside each CSV)")
      ->type_name("FILE.svg");
  app.set_version_flag("-V,--version", std::string(kProgram) + " " + PELTARIX_VERSION);
  app.footer(Footer());

  const std::vector<const char*> arguments = WithEmptyKindsSpelledOut(argc, argv);
  try {
    app.parse(static_cast<int>(arguments.size()), arguments.data());
  } catch (const CLI::ExtrasError&) {
    for (const std::string& extra : app.remaining()) {
      const bool option = extra.size() > 1 && extra[0] == '-';
      err << kProgram << ": " << (option ? "unknown option " : "unexpected argument ") << extra
          << "\n";
    }
    err << "Run with --help for more information.\n";
    return {std::nullopt, kExitUsageError};
  } catch (const CLI::ParseError& error) {
    // Help and version end with status 0, everything else is a usage error.
    const int status = app.exit(error, out, err);
    return {std::nullopt, status == 0 ? kExitSuccess : kExitUsageError};
  }
  if (options.sources.empty()) {
    err << kProgram << ": no SOURCE given\nRun with --help for more information.\n";
    return {std::nullopt, kExitUsageError};
  }
  std::string bad_item;
  const std::optional<DataKindSet> parsed_kinds = ParseKinds(kinds, &bad_item);
  if (!parsed_kinds) {
    err << kProgram << ": --kinds: unknown kind \"" << bad_item << "\" (known: " << KindList(", ")
        << ")\n";
    return {std::nullopt, kExitUsageError};
  }
  options.kinds = *parsed_kinds;
  if (app.count("--output") > 0) options.output = output;
  if (app.count("--report") > 0) options.report_path = report;
  if (app.count("--preview") > 0) options.preview_path = preview;
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

std::string DefaultDestination(const std::string& source) { return CsvBesideSource(source); }

}  // namespace peltarix::cli
