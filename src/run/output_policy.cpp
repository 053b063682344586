#include "run/output_policy.h"

#include <filesystem>
#include <set>

#include "platform/file_identity.h"
#include "platform/file_replace.h"
#include "platform/native_path.h"

namespace peltarix {

std::string_view ConflictReason(OutputConflict conflict) {
  switch (conflict) {
    case OutputConflict::kIsSource:
      return "変換元のファイルには書き込めません";
    case OutputConflict::kIsDesignFile:
      return "QVファイルには書き込めません";
    case OutputConflict::kIsAnotherOutput:
      break;
  }
  return "ほかの出力と同じファイルには書き込めません";
}

bool IsDesignFileName(std::string_view path) {
  // Windows drops trailing dots and blanks: "house.QV." opens house.QV.
  while (!path.empty() && (path.back() == '.' || path.back() == ' ')) path.remove_suffix(1);
  if (path.size() < 3) return false;
  const std::string_view extension = path.substr(path.size() - 3);
  return extension[0] == '.' && (extension[1] == 'Q' || extension[1] == 'q') &&
         (extension[2] == 'V' || extension[2] == 'v');
}

std::vector<OutputRefusal> CheckOutputs(std::span<const std::string> sources,
                                        std::span<const std::string> outputs) {
  std::set<std::string> source_files;
  for (const std::string& source : sources) source_files.insert(FileIdentity(source));
  std::set<std::string> output_files;
  std::vector<OutputRefusal> refusals;
  for (const std::string& output : outputs) {
    const std::string file = FileIdentity(output);
    if (source_files.contains(file)) {
      refusals.push_back({output, OutputConflict::kIsSource});
    } else if (IsDesignFileName(output) || IsDesignFileName(ReplaceTarget(output))) {
      // Also through a link: a.svg pointing at house.QV would turn the
      // design file into a picture.
      refusals.push_back({output, OutputConflict::kIsDesignFile});
    } else if (!output_files.insert(file).second) {
      refusals.push_back({output, OutputConflict::kIsAnotherOutput});
    }
  }
  return refusals;
}

bool OutputExists(const std::string& path) {
  std::error_code error;
  return std::filesystem::exists(std::filesystem::symlink_status(NativePath(path), error));
}

std::optional<FileFailure> WriteOutputFile(const std::string& path, std::string_view bytes) {
  FileReplacer replacer(path);
  std::optional<FileFailure> failure = replacer.Open();
  if (!failure) failure = replacer.Write(bytes);
  if (!failure) failure = replacer.Commit();
  return failure;
}

}  // namespace peltarix
