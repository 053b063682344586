#include "cli/batch_plan.h"

#include <algorithm>
#include <filesystem>
#include <map>

#include "platform/file_identity.h"
#include "platform/native_path.h"
#include "run/shown_path.h"

namespace peltarix::cli {
namespace {

namespace fs = std::filesystem;

struct FoundSource {
  std::string path;
  // Relative to the folder it was found in, so that -r keeps sub-folders
  // apart in the output folder; empty for a source named directly.
  fs::path relative;
};

bool IsDesignFile(const fs::path& path) {
  std::string extension = Utf8Path(path.extension());
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; });
  return extension == ".qv";
}

// The *.QV files of `folder` (any case), sorted so that a batch's order does
// not depend on the file system's.
std::vector<FoundSource> DesignFilesIn(const fs::path& folder, bool recursive) {
  std::vector<FoundSource> found;
  std::error_code error;
  auto visit = [&](const fs::directory_entry& entry) {
    std::error_code ignored;
    if (entry.is_regular_file(ignored) && IsDesignFile(entry.path())) {
      found.push_back({Utf8Path(entry.path()), entry.path().lexically_relative(folder)});
    }
  };
  const auto options = fs::directory_options::skip_permission_denied;
  if (recursive) {
    for (fs::recursive_directory_iterator it(folder, options, error), end; !error && it != end;
         it.increment(error)) {
      visit(*it);
    }
  } else {
    for (fs::directory_iterator it(folder, options, error), end; !error && it != end;
         it.increment(error)) {
      visit(*it);
    }
  }
  std::sort(found.begin(), found.end(),
            [](const FoundSource& a, const FoundSource& b) { return a.path < b.path; });
  return found;
}

bool Exists(const std::string& path) {
  std::error_code error;
  return fs::exists(fs::symlink_status(NativePath(path), error));
}

bool IsFolder(const std::string& path) {
  std::error_code error;
  return fs::is_directory(NativePath(path), error);
}

// A device, FIFO or socket such as /dev/stdin: it has no folder of its own
// that a CSV could be written next to.
bool IsSpecialFile(const std::string& path) {
  std::error_code error;
  const fs::file_status status = fs::status(NativePath(path), error);
  return fs::exists(status) && !fs::is_regular_file(status) && !fs::is_directory(status);
}

std::string CsvIn(const std::string& folder, const FoundSource& source) {
  fs::path name = source.relative.empty() ? NativePath(source.path).filename() : source.relative;
  name.replace_extension(".csv");
  return Utf8Path(NativePath(folder) / name);
}

}  // namespace

PlanResult PlanBatch(const CommandOptions& options, const CliMessages& messages) {
  PlanResult result;
  BatchPlan& plan = result.plan;
  const auto& sources = options.sources;
  // A missing source is named as missing before any other refusal: a
  // mis-typed "house.qv" is no reason to complain about "house.csv".
  for (const std::string& source : sources) {
    if (source != kStandardStream && !Exists(source))
      result.errors.push_back(messages.SourceNotFound(ShownPath(source)));
  }
  if (!result.errors.empty()) return result;
  const bool reads_stdin =
      std::find(sources.begin(), sources.end(), kStandardStream) != sources.end();
  if (reads_stdin && sources.size() > 1) {
    result.errors.push_back(messages.StandardInputNotAlone());
    return result;
  }

  std::vector<FoundSource> found;
  plan.batch = sources.size() > 1;
  for (const std::string& source : sources) {
    if (source != kStandardStream && IsFolder(source)) {
      plan.batch = true;
      std::vector<FoundSource> in_folder = DesignFilesIn(NativePath(source), options.recursive);
      if (in_folder.empty()) {
        result.errors.push_back(
            messages.NoDesignFilesInFolder(ShownPath(source), options.recursive));
        return result;
      }
      found.insert(found.end(), in_folder.begin(), in_folder.end());
    } else {
      found.push_back({source, {}});
    }
  }

  const bool to_stdout = options.output == kStandardStream;
  if (to_stdout && plan.batch) {
    result.errors.push_back(messages.StandardOutputNeedsOneSource());
    return result;
  }
  // With one file, -o names the CSV unless it names a folder (an existing
  // one, or one written with a trailing slash).
  const bool output_folder =
      options.output && !to_stdout &&
      (plan.batch || IsFolder(*options.output) || options.output->ends_with('/'));
  if (output_folder) {
    if (Exists(*options.output) && !IsFolder(*options.output)) {
      result.errors.push_back(messages.OutputNotAFolder(ShownPath(*options.output)));
      return result;
    }
    plan.folders_to_create.push_back(*options.output);
  }

  std::map<std::string, std::string> source_by_destination;
  for (const FoundSource& source : found) {
    PlannedFile file{source.path, {}, false, {}};
    const bool from_stdin = source.path == kStandardStream;
    if (!options.output || output_folder) {
      if (from_stdin) {
        result.errors.push_back(messages.StandardInputNeedsOutput());
        return result;
      }
      if (!options.output && IsSpecialFile(source.path)) {
        result.errors.push_back(messages.NotARegularFile(ShownPath(source.path)));
        return result;
      }
    }
    if (output_folder) {
      file.destination = CsvIn(*options.output, source);
      const std::string folder = Utf8Path(NativePath(file.destination).parent_path());
      if (plan.folders_to_create.back() != folder) plan.folders_to_create.push_back(folder);
    } else {
      file.destination = options.output ? *options.output : DefaultDestination(source.path);
      // "-o out/house.csv" makes its folder as a batch makes its output folder.
      if (options.output && file.destination != kStandardStream) {
        const std::string folder = Utf8Path(NativePath(file.destination).parent_path());
        if (!folder.empty() && !Exists(folder)) plan.folders_to_create.push_back(folder);
      }
    }
    if (file.destination != kStandardStream) {
      const auto [it, inserted] =
          source_by_destination.emplace(FileIdentity(file.destination), source.path);
      if (!inserted) {
        result.errors.push_back(messages.SameDestination(
            ShownPath(it->second), ShownPath(source.path), ShownPath(file.destination)));
        return result;
      }
      file.skip = !options.overwrite && Exists(file.destination);
      if (file.skip) file.existing_output = file.destination;
      if (file.skip && !plan.batch) {
        result.errors.push_back(messages.DestinationExists(ShownPath(file.destination)));
        return result;
      }
    }
    plan.files.push_back(std::move(file));
  }
  return result;
}

}  // namespace peltarix::cli
