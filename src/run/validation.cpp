#include <cstdint>
#include <filesystem>
#include <string>

#include "platform/file_replace.h"
#include "platform/native_path.h"
#include "platform/source_file.h"
#include "run/file_failure_log.h"
#include "run/number_format.h"
#include "run/output_policy.h"
#include "run/validation.h"
#include "source/c_numbers.h"

namespace peltarix {
namespace {

constexpr std::string_view kInfo = "QVINFO";

// Real house files are kilobytes to a few megabytes; reading more would only
// run the machine out of memory.
constexpr std::uint64_t kMaxSourceBytes = std::uint64_t{256} << 20;

int Fail(RunContext& context, std::string_view message) {
  context.LogMessage(kError, message);
  return -1;
}

}  // namespace

int ValidateSource(RunContext& context) {
  context.last_file_failure.reset();
  // The source is read once, here: every lookup of the run answers from this
  // snapshot, so a change to the file during the run is not seen.
  std::string bytes;
  if (context.source_file_path.empty()) return Fail(context, "QVファイルを開けません");
  if (auto failure = ReadRegularFile(context.source_file_path, kMaxSourceBytes, bytes)) {
    const bool too_large = failure->reason == FailureReason::kTooLarge;
    return LogFileFailure(
        context,
        too_large ? "QVファイルが256MBを超えるためコンバートできません" : "QVファイルを開けません",
        std::move(*failure));
  }
  context.SetSource(SourceIndex(SourceSnapshot(std::move(bytes))));
  // The destination is checked without being touched: nothing is written to
  // it before the whole CSV is ready (see WriteCsvFile).
  const std::string& destination = context.destination_file_path;
  std::error_code error;
  if (std::filesystem::equivalent(NativePath(context.source_file_path), NativePath(destination),
                                  error)) {
    return Fail(context, "変換元QVファイルと変換先CSVファイルが同じです");
  }
  // A design file picked by mistake as the destination would be replaced by
  // CSV text; a link to one as well.
  if (IsDesignFileName(destination) || IsDesignFileName(ReplaceTarget(destination))) {
    return Fail(context, "出力先CSVファイルにQVファイルは指定できません");
  }
  if (destination.empty()) return Fail(context, "CSVファイルを開けません");
  if (auto failure = CheckReplaceable(destination)) {
    return LogFileFailure(context, "CSVファイルを開けません", std::move(*failure));
  }
  if (context.LookupValue(kInfo, "/INIT", "//INIT_PH", "") != "0") {
    Fail(context, "ペントハウスのデータはコンバートできません");
    // A file without the building's information section is no design file
    // at all (a README, an empty file picked by mistake): say so, since the
    // error alone sends the user looking for a penthouse.
    const SourceIndex& source = context.source();
    if (source.line_count() == 0) {
      context.LogMessage(kDetail, "詳細：" + context.source_file_path + "：ファイルが空です");
    } else if (source.Find(kInfo, 0) == source.line_count()) {
      context.LogMessage(kDetail, "詳細：" + context.source_file_path +
                                      "：QVファイルではありません（QVINFOの節がありません）");
    }
    return -1;
  }
  const int floor_count = Atoi(context.LookupValue(kInfo, "/INIT", "//INIT_FL", ""));
  if (floor_count < 1 || floor_count > 3) {
    return Fail(context, "１階～３階以外のデータはコンバートできません。");
  }
  context.floors.floor_count = floor_count;
  if (context.LookupValue(kInfo, "/INIT", "//INIT_BS", "") != "0") {
    return Fail(context, "地下階のデータはコンバートできません。");
  }
  if (context.LookupValue(kInfo, "/JOHO", "//JOHO_KOZO", "") != "WOOD") {
    return Fail(context, "主たる構造がWOOD以外なのでコンバートできません");
  }
  for (int storey = 1; storey <= floor_count; ++storey) {
    const std::string index = FormatInt(storey);
    if (context.LookupValue(kInfo, "/KAIJOHO", "//INIT_KOZO", index) != "WOOD") {
      return Fail(context, index + "階の構造がWOOD以外なのでコンバートできません");
    }
  }
  return 0;
}

int ComputeFloorLevels(RunContext& context) {
  FloorValues& floors = context.floors;
  floors.floor_count = Atoi(context.LookupValue(kInfo, "/INIT", "//INIT_FL", ""));
  if (floors.floor_count < 1 || floors.floor_count > 3) {
    return Fail(context, "１階～３階以外のデータはコンバートできません。");
  }
  floors.foundation_height = Atof(context.LookupValue(kInfo, "/INIT", "//INIT_KISOH", ""));
  if (floors.foundation_height == 0.0) {
    context.LogMessage(kWarning, "変換元QVデータに基礎高が存在しません。");
  }
  floors.level[1] = floors.foundation_height;
  for (int storey = 1; storey <= 3; ++storey) {
    const std::string_view height =
        context.LookupValue(kInfo, "/KAIJOHO", "//INIT_HGTNOKI", FormatInt(storey));
    // A storey without a height restarts the chain at 0.
    floors.level[storey + 1] = height.empty() ? 0.0 : floors.level[storey] + Atof(height);
  }
  return 0;
}

}  // namespace peltarix
