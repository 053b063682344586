#include "cli/convert_command.h"

#include <CLI/CLI.hpp>
#include <filesystem>
#include <string>
#include <vector>

#include "cli/cli_options.h"
#include "cli/terminal_log_view.h"
#include "conversion/transcript.h"
#include "preview/preview_file.h"
#include "run/run_context.h"

namespace peltarix::cli {
namespace {

constexpr const char* kProgram = "peltarix-convert";

constexpr const char* kFooter =
    "Kinds (--kinds): basic, outline, columns, perimeter, rooms, roofs\n"
    "\n"
    "Exit status:\n"
    "  0  the CSV file (and the --preview file) was written\n"
    "  1  the conversion stopped, the log says why; or the preview could not be written\n"
    "  2  bad arguments, an empty file name, or DEST exists without --overwrite";

struct Arguments {
  std::string source;
  std::string destination;
  std::string kinds = "basic,outline,columns,perimeter,rooms,roofs";
  std::string preview;
  bool overwrite = false;
  bool quiet = false;
};

void DefineOptions(CLI::App& app, Arguments& arguments) {
  app.add_option("SOURCE", arguments.source, "QV file to convert")->required();
  app.add_option("-o,--output", arguments.destination,
                 "CSV file to write (default: SOURCE with the extension .csv)");
  app.add_option("--kinds", arguments.kinds,
                 "comma-separated kinds of data to convert (default: all six)");
  app.add_option("--preview", arguments.preview,
                 "also write a plan picture of the converted records as SVG to FILE");
  app.add_flag("-y,--overwrite", arguments.overwrite, "replace DEST (and FILE) if it exists");
  app.add_flag("-q,--quiet", arguments.quiet, "print nothing but errors");
  app.set_version_flag("--version", std::string(kProgram) + " " + PELTARIX_VERSION);
  app.footer(kFooter);
}

}  // namespace

int RunConvertCommand(int argc, const char* const* argv, std::ostream& out, std::ostream& err) {
  CLI::App app("Converts a QV house design file into a CSV file of coded records.", kProgram);
  Arguments arguments;
  DefineOptions(app, arguments);
  // CLI11 reads "--kinds=" as "--kinds" waiting for a value and would take
  // SOURCE for it; pass the empty list explicitly instead.
  std::vector<const char*> arguments_in(argv, argv + argc);
  for (std::size_t i = 0; i < arguments_in.size(); ++i) {
    if (std::string_view(arguments_in[i]) == "--kinds=") {
      arguments_in[i] = "--kinds";
      arguments_in.insert(arguments_in.begin() + static_cast<std::ptrdiff_t>(i) + 1, "");
    }
  }
  try {
    app.parse(static_cast<int>(arguments_in.size()), arguments_in.data());
  } catch (const CLI::ParseError& error) {
    // Help and version end with status 0, everything else is a usage error.
    return app.exit(error, out, err) == 0 ? kExitSuccess : kExitUsageError;
  }
  const std::optional<DataKindSet> kinds = ParseKinds(arguments.kinds);
  if (!kinds) {
    err << kProgram << ": unknown kind in --kinds=" << arguments.kinds
        << " (known: basic, outline, columns, perimeter, rooms, roofs)\n";
    return kExitUsageError;
  }
  const bool destination_given = app.count("--output") > 0;
  if (!destination_given && !arguments.source.empty()) {
    arguments.destination = DefaultDestination(arguments.source);
  }
  if (const auto message = EmptyNameMessage(arguments.source, arguments.destination)) {
    err << *message << '\n';
    return kExitUsageError;
  }
  std::error_code ignored;
  if (!arguments.overwrite && std::filesystem::exists(arguments.destination, ignored)) {
    err << kProgram << ": " << arguments.destination
        << " exists; use --overwrite (-y) to replace it\n";
    return kExitUsageError;
  }

  if (!arguments.overwrite && !arguments.preview.empty() &&
      std::filesystem::exists(arguments.preview, ignored)) {
    err << kProgram << ": " << arguments.preview << " exists; use --overwrite (-y) to replace it\n";
    return kExitUsageError;
  }

  TerminalLogView view(out, err, arguments.quiet);
  RunContext context(view);
  context.source_file_path = arguments.source;
  context.destination_file_path = arguments.destination;
  PerimeterBlocks blocks;
  context.perimeter_blocks = &blocks;
  if (RunWithTranscript(context, *kinds) != 0) return kExitRunFailed;
  if (arguments.preview.empty()) return kExitSuccess;
  if (const auto failure = WritePreviewFile(arguments.preview, RenderRunPreview(context, blocks))) {
    err << kProgram << ": cannot write the preview " << *failure << '\n';
    return kExitRunFailed;
  }
  return kExitSuccess;
}

}  // namespace peltarix::cli
