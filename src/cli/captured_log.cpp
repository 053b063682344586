#include "cli/captured_log.h"

#include <utility>

namespace peltarix::cli {
namespace {

constexpr std::string_view kDetailPrefix = "詳細：";

LineSeverity SeverityOf(const std::string& line) {
  if (line.starts_with(kErrorPrefix)) return LineSeverity::kError;
  if (line.starts_with(kWarningPrefix)) return LineSeverity::kWarning;
  if (line.starts_with(kDetailPrefix)) return LineSeverity::kDetail;
  return LineSeverity::kInformation;
}

}  // namespace

void CapturedLog::AppendLine(std::string line) {
  const LineSeverity severity = SeverityOf(line);
  lines_.push_back({severity, std::move(line)});
}

}  // namespace peltarix::cli
