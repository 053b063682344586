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

const char* FindingWord(FindingKind kind) {
  switch (kind) {
    case FindingKind::kUnconvertedColumn:
      return "column";
    case FindingKind::kNonWoodenRoof:
      return "roof";
    case FindingKind::kTwistedOutline:
      return "outline";
    case FindingKind::kUnknownRoomName:
      return "room";
  }
  return "column";
}

const char* FindingReason(FindingKind kind) {
  switch (kind) {
    case FindingKind::kUnconvertedColumn:
      return "管柱・通し柱・丸柱・半柱・1/4柱以外の柱";
    case FindingKind::kNonWoodenRoof:
      return "非木造の屋根";
    case FindingKind::kTwistedOutline:
      return "外周のねじれまたはくびれ";
    case FindingKind::kUnknownRoomName:
      return "部屋の種類の表にない名前（種類コード0）";
  }
  return "";
}

// Columns and roofs that were left out go under "not_converted"; a twisted
// outline and rooms of unknown kind were written and go under "notices".
json FindingObject(const PlanFinding& finding) {
  json item = {{"kind", FindingWord(finding.kind)},
               {"record", finding.record},
               {"floor", finding.floor},
               {"text", finding.text},
               {"reason", FindingReason(finding.kind)}};
  item["position"] =
      finding.located ? json::array({finding.position.x, finding.position.y}) : json(nullptr);
  return item;
}

json SupportObject(const ColumnSupport& support) {
  json unsupported = json::array();
  for (const Point& centre : support.unsupported) unsupported.push_back({centre.x, centre.y});
  return {{"floor", support.floor},
          {"columns", support.columns},
          {"supported", support.supported},
          {"ratio", support.ratio()},
          {"unsupported", unsupported}};
}

void AddFindings(json& file, const PlanFindings& findings) {
  json not_converted = json::array();
  json notices = json::array();
  for (const PlanFinding& finding : findings.items) {
    const bool left_out = finding.kind == FindingKind::kUnconvertedColumn ||
                          finding.kind == FindingKind::kNonWoodenRoof;
    (left_out ? not_converted : notices).push_back(FindingObject(finding));
  }
  json support = json::array();
  for (const ColumnSupport& floor : findings.column_support)
    support.push_back(SupportObject(floor));
  file["not_converted"] = not_converted;
  file["notices"] = notices;
  file["column_support"] = support;
}

json FileObject(const PlannedFile& file, const FileOutcome& outcome) {
  json log = json::array();
  for (const TranscriptLine& line : outcome.transcript) {
    log.push_back({{"severity", SeverityWord(line.severity)}, {"text", line.text}});
  }
  json records = json::object();
  for (const auto& [code, count] : outcome.records) records[code] = count;
  json object = {{"source", DecodedPath(file.source)},
                 {"source_hex", HexBytes(file.source)},
                 {"destination", DecodedPath(file.destination)},
                 {"destination_hex", HexBytes(file.destination)},
                 {"status", StatusWord(outcome.status)},
                 {"errors", outcome.errors},
                 {"warnings", outcome.warnings},
                 {"records", records},
                 {"seconds", outcome.seconds},
                 {"log", log}};
  AddFindings(object, outcome.findings);
  return object;
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
