#include "cli/json_report.h"

#include <nlohmann/json.hpp>

#include "run/shown_path.h"

namespace peltarix::cli {
namespace {

using nlohmann::json;

const char* StatusWord(FileStatus status) {
  switch (status) {
    case FileStatus::kConverted:
      return "converted";
    case FileStatus::kFailed:
      return "failed";
    case FileStatus::kSkipped:
      return "skipped";
  }
  return "failed";
}

const char* SeverityWord(LineSeverity severity) {
  switch (severity) {
    case LineSeverity::kInformation:
      return "information";
    case LineSeverity::kError:
      return "error";
    case LineSeverity::kWarning:
      return "warning";
    case LineSeverity::kDetail:
      return "detail";
  }
  return "information";
}

json FileObject(const PlannedFile& file, const FileOutcome& outcome) {
  json log = json::array();
  for (const TranscriptLine& line : outcome.transcript) {
    log.push_back({{"severity", SeverityWord(line.severity)}, {"text", line.text}});
  }
  json records = json::object();
  for (const auto& [code, count] : outcome.records) records[code] = count;
  return {{"source", DecodedPath(file.source)},
          {"source_hex", HexBytes(file.source)},
          {"destination", DecodedPath(file.destination)},
          {"destination_hex", HexBytes(file.destination)},
          {"status", StatusWord(outcome.status)},
          {"errors", outcome.errors},
          {"warnings", outcome.warnings},
          {"records", records},
          {"seconds", outcome.seconds},
          {"log", log}};
}

}  // namespace

std::string JsonReport(const std::vector<PlannedFile>& files,
                       const std::vector<FileOutcome>& outcomes, const BatchCounts& counts,
                       double seconds) {
  json document;
  document["files"] = json::array();
  for (std::size_t i = 0; i < files.size() && i < outcomes.size(); ++i) {
    document["files"].push_back(FileObject(files[i], outcomes[i]));
  }
  document["summary"] = {{"converted", counts.converted},
                         {"failed", counts.failed},
                         {"skipped", counts.skipped},
                         {"warnings", counts.warnings},
                         {"seconds", seconds}};
  return document.dump(2, ' ', false, json::error_handler_t::replace) + "\n";
}

}  // namespace peltarix::cli
