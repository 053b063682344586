#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "platform/utf8_path.h"
#include "run/conversion_run.h"
#include "run/number_format.h"
#include "source/c_numbers.h"

namespace peltarix {
namespace {

constexpr std::string_view kInfo = "QVINFO";

bool ReadWholeFile(const std::string& path, std::string& bytes) {
  std::error_code error;
  const std::filesystem::path file_path = platform::PathFromUtf8(path);
  if (std::filesystem::is_directory(file_path, error)) return false;
  std::ifstream file(file_path, std::ios::binary);
  if (!file) return false;
  bytes.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
  // A directory opens on some systems but cannot be read.
  return !file.bad();
}

// Opening for writing creates the file or empties it, as the check always has.
bool TestOpenForWriting(const std::string& path) {
  std::ofstream file(platform::PathFromUtf8(path), std::ios::binary | std::ios::trunc);
  return static_cast<bool>(file);
}

int Fail(RunContext& context, std::string_view message) {
  context.LogMessage(kError, message);
  return -1;
}

}  // namespace

int ValidateSource(RunContext& context) {
  // The source is read once, here: every lookup of the run answers from this
  // snapshot, so a change to the file during the run is not seen.
  std::string bytes;
  if (context.source_file_path.empty() || !ReadWholeFile(context.source_file_path, bytes)) {
    return Fail(context, "QVファイルを開けません");
  }
  context.SetSource(SourceIndex(SourceSnapshot(std::move(bytes))));
  // The destination's test open empties it: were it the source, the user's
  // design file would be lost.
  std::error_code error;
  if (std::filesystem::equivalent(platform::PathFromUtf8(context.source_file_path),
                                  platform::PathFromUtf8(context.destination_file_path), error)) {
    return Fail(context, "変換元QVファイルと変換先CSVファイルが同じです");
  }
  if (context.destination_file_path.empty() || !TestOpenForWriting(context.destination_file_path)) {
    return Fail(context, "CSVファイルを開けません");
  }
  if (context.LookupValue(kInfo, "/INIT", "//INIT_PH", "") != "0") {
    return Fail(context, "ペントハウスのデータはコンバートできません");
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
    const std::string height =
        context.LookupValue(kInfo, "/KAIJOHO", "//INIT_HGTNOKI", FormatInt(storey));
    // A storey without a height restarts the chain at 0.
    floors.level[storey + 1] = height.empty() ? 0.0 : floors.level[storey] + Atof(height);
  }
  return 0;
}

}  // namespace peltarix
