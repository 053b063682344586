#include "run/file_failure_log.h"

#include "run/shown_path.h"

namespace peltarix {

std::string DetailLine(const FileFailure& failure) {
  std::string line = "詳細：";
  line += ShownPath(failure.path);
  line += "：";
  line += failure.reason_text();
  return line;
}

int LogFileFailure(RunContext& context, std::string_view error, FileFailure failure) {
  context.LogMessage(kError, error);
  context.LogMessage(kDetail, DetailLine(failure));
  context.last_file_failure = std::move(failure);
  return -1;
}

}  // namespace peltarix
